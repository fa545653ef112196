#include "vstgui/uidescription/viewcreator/verticalswitchcreator.h"

#include "vstgui/lib/controls/cverticalswitch.h"

namespace VSTGUI {
namespace UIViewCreator {

CView* VerticalSwitchCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new CVerticalSwitch (CRect ());
}

bool VerticalSwitchCreator::apply (CView* view, const UIAttributes&, const IUIDescription*) const
{
	return dynamic_cast<CVerticalSwitch*> (view) != nullptr;
}

} // namespace UIViewCreator
} // namespace VSTGUI
