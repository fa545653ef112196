// Creator of "CVerticalSwitch": its colours.
#pragma once

#include "vstgui/lib/controls/cverticalswitch.h"
#include "vstgui/uidescription/viewcreator/switchcreatorbase.h"

namespace VSTGUI {
namespace UIViewCreator {

class VerticalSwitchCreator : public SwitchCreatorBase<CVerticalSwitch>
{
public:
	IdStringPtr getViewName () const override { return "CVerticalSwitch"; }
	UTF8StringPtr getDisplayName () const override { return "Vertical Switch"; }
};

} // namespace UIViewCreator
} // namespace VSTGUI
