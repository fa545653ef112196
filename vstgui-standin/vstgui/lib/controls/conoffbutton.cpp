#include "vstgui/lib/controls/conoffbutton.h"

namespace VSTGUI {

COnOffButton::COnOffButton (const CRect& size, IControlListener* listener, int32_t tag)
: CControl (size, listener, tag)
{
}

COnOffButton::~COnOffButton () noexcept = default;

CMouseEventResult COnOffButton::onMouseDown (CPoint&, const CButtonState& buttons)
{
	if (!buttons.isLeftButton ())
		return kMouseEventNotHandled;
	beginEdit ();
	setValue (getValue () == getMax () ? getMin () : getMax ());
	if (isDirty ())
	{
		valueChanged ();
		invalid ();
	}
	endEdit ();
	return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

} // namespace VSTGUI
