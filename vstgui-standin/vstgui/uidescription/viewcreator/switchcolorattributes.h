// The colour attributes both switches take.
#pragma once

#include "vstgui/lib/controls/cswitchbase.h"
#include "vstgui/uidescription/viewcreator/colorattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

inline const ColorAttribute<CSwitchBase> (&switchColorAttributes ())[3]
{
	static const ColorAttribute<CSwitchBase> table[3] = {
		{"back-color", &CSwitchBase::getBackColor, &CSwitchBase::setBackColor},
		{"on-color", &CSwitchBase::getOnColor, &CSwitchBase::setOnColor},
		{"frame-color", &CSwitchBase::getFrameColor, &CSwitchBase::setFrameColor},
	};
	return table;
}

} // namespace UIViewCreator
} // namespace VSTGUI
