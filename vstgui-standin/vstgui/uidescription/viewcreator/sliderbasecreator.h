// The attributes every slider shares: its mouse mode, direction, handle
// offset and the fine-drag factor.
#pragma once

#include "vstgui/lib/controls/cslidermode.h"
#include "vstgui/uidescription/iviewcreator.h"

#include <array>
#include <string>

namespace VSTGUI {
namespace UIViewCreator {

// The names of the slider modes in UI descriptions, indexed by the mode's
// value, one for each mode up to UseGlobal. Built on first use; the strings
// keep their addresses until the module is unloaded.
using SliderModeNames = std::array<std::string, static_cast<size_t> (SliderMode::UseGlobal) + 1>;
const SliderModeNames& sliderModeNames ();

// "mode" takes a mode's name, matched exactly; the older "free-click" ("true"
// for free click, anything else touch) is read but never written, and a
// "mode" that names a mode wins over it.
class SliderBaseCreator : public ViewCreatorAdapter
{
public:
	bool apply (CView* view, const UIAttributes& attributes,
	            const IUIDescription* description) const override;
	bool getAttributeNames (StringList& attributeNames) const override;
	AttrType getAttributeType (const std::string& attributeName) const override;
	bool getAttributeValue (CView* view, const std::string& attributeName, std::string& stringValue,
	                        const IUIDescription* description) const override;
	bool getPossibleListValues (const std::string& attributeName,
	                            ConstStringPtrList& values) const override;
};

} // namespace UIViewCreator
} // namespace VSTGUI
