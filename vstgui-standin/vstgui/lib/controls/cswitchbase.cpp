#include "vstgui/lib/controls/cswitchbase.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI {

CSwitchBase::CSwitchBase (const CRect& size, IControlListener* listener, int32_t tag)
: CControl (size, listener, tag)
{
}

CSwitchBase::~CSwitchBase () noexcept = default;

float CSwitchBase::valueFromPoint (const CPoint& where) const
{
	// In double throughout, so that no range is too wide to count its steps.
	const double range = static_cast<double> (getMax ()) - getMin ();
	const double steps = std::max (1., std::round (std::fabs (range)));
	double fraction = fractionAlongAxis (where);
	if (!(fraction > 0.))
		fraction = 0.;
	const double index = std::min (std::floor (fraction * (steps + 1.)), steps);
	return static_cast<float> (getMin () + index * range / steps);
}

CMouseEventResult CSwitchBase::onMouseDown (CPoint& where, const CButtonState& buttons)
{
	if (!(buttons & kLButton))
		return kMouseEventNotHandled;
	valueAtPress = getValue ();
	beginEdit ();
	if (checkDefaultValue (buttons))
	{
		endEdit ();
		return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
	}
	// The edit has begun: the gesture stays the switch's, so that its release
	// ends the edit, even when the press picks nothing (a second button held).
	onMouseMoved (where, buttons);
	return kMouseEventHandled;
}

CMouseEventResult CSwitchBase::onMouseMoved (CPoint& where, const CButtonState& buttons)
{
	if (!buttons.isLeftButton () || !isEditing ())
		return kMouseEventNotHandled;
	setValue (valueFromPoint (where));
	if (isDirty ())
	{
		valueChanged ();
		invalid ();
	}
	return kMouseEventHandled;
}

CMouseEventResult CSwitchBase::onMouseUp (CPoint&, const CButtonState&)
{
	if (isEditing ())
		endEdit ();
	return kMouseEventHandled;
}

CMouseEventResult CSwitchBase::onMouseCancel ()
{
	if (isEditing ())
	{
		setValue (valueAtPress);
		if (isDirty ())
		{
			valueChanged ();
			invalid ();
		}
		endEdit ();
	}
	return kMouseEventHandled;
}

} // namespace VSTGUI
