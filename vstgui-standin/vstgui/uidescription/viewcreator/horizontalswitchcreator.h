// Creator of "CHorizontalSwitch": its colours.
#pragma once

#include "vstgui/lib/controls/chorizontalswitch.h"
#include "vstgui/uidescription/viewcreator/switchcreatorbase.h"

namespace VSTGUI {
namespace UIViewCreator {

class HorizontalSwitchCreator : public SwitchCreatorBase<CHorizontalSwitch>
{
public:
	IdStringPtr getViewName () const override { return "CHorizontalSwitch"; }
	UTF8StringPtr getDisplayName () const override { return "Horizontal Switch"; }
};

} // namespace UIViewCreator
} // namespace VSTGUI
