#include "vstgui/uidescription/viewcreator/knobcreator.h"

#include "vstgui/lib/controls/cknob.h"

namespace VSTGUI {
namespace UIViewCreator {

CView* KnobCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new CKnob (CRect ());
}

bool KnobCreator::apply (CView* view, const UIAttributes&, const IUIDescription*) const
{
	return dynamic_cast<CKnob*> (view) != nullptr;
}

} // namespace UIViewCreator
} // namespace VSTGUI
