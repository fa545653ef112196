#include "vstgui/uidescription/viewcreator/horizontalswitchcreator.h"

#include "vstgui/lib/controls/chorizontalswitch.h"

namespace VSTGUI {
namespace UIViewCreator {

CView* HorizontalSwitchCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new CHorizontalSwitch (CRect ());
}

bool HorizontalSwitchCreator::apply (CView* view, const UIAttributes&, const IUIDescription*) const
{
	return dynamic_cast<CHorizontalSwitch*> (view) != nullptr;
}

} // namespace UIViewCreator
} // namespace VSTGUI
