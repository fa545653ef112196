#include "vstgui/uidescription/viewcreator/onoffbuttoncreator.h"

#include "vstgui/lib/controls/conoffbutton.h"

namespace VSTGUI {
namespace UIViewCreator {

CView* OnOffButtonCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new COnOffButton (CRect ());
}

bool OnOffButtonCreator::apply (CView* view, const UIAttributes&, const IUIDescription*) const
{
	return dynamic_cast<COnOffButton*> (view) != nullptr;
}

} // namespace UIViewCreator
} // namespace VSTGUI
