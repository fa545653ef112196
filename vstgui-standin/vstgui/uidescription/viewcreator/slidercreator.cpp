#include "vstgui/uidescription/viewcreator/slidercreator.h"

#include "vstgui/lib/controls/cslider.h"

namespace VSTGUI {
namespace UIViewCreator {

CView* SliderCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new CSlider (CRect ());
}

} // namespace UIViewCreator
} // namespace VSTGUI
