#include "vstgui/uidescription/viewcreator/viewcontainercreator.h"

#include "vstgui/lib/cviewcontainer.h"

namespace VSTGUI {
namespace UIViewCreator {

CView* ViewContainerCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new CViewContainer (CRect ());
}

bool ViewContainerCreator::apply (CView* view, const UIAttributes&, const IUIDescription*) const
{
	return view && view->asViewContainer ();
}

} // namespace UIViewCreator
} // namespace VSTGUI
