#include "vstgui/lib/controls/cswitchbase.h"

#include "vstgui/lib/cdrawcontext.h"

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
	notifyIfDirty ();
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
		notifyIfDirty ();
		endEdit ();
	}
	return kMouseEventHandled;
}

int32_t CSwitchBase::getPositionCount () const
{
	// As the press counts them, one more than the whole steps of the range;
	// no more cells than could ever be told apart are drawn.
	const double range = static_cast<double> (getMax ()) - getMin ();
	const double steps = std::max (1., std::round (std::fabs (range)));
	return static_cast<int32_t> (std::min (steps, 4096.)) + 1;
}

int32_t CSwitchBase::getCurrentPosition () const
{
	const int32_t last = getPositionCount () - 1;
	const double range = static_cast<double> (getMax ()) - getMin ();
	if (range == 0.)
		return 0;
	const double index = std::round ((getValue () - getMin ()) / range * last);
	return static_cast<int32_t> (std::min<double> (last, std::max (0., index)));
}

CRect CSwitchBase::getPositionRect (int32_t position) const
{
	const CRect& size = getViewSize ();
	const double count = getPositionCount ();
	CRect cell (size);
	if (isStyleHorizontal ())
	{
		const double width = size.getWidth () / count;
		cell.left = size.left + width * position;
		cell.right = cell.left + width;
	}
	else
	{
		const double height = size.getHeight () / count;
		cell.top = size.top + height * position;
		cell.bottom = cell.top + height;
	}
	return cell;
}

void CSwitchBase::styleChanged () { invalidRect (getViewSize ()); }

void CSwitchBase::setBackColor (const CColor& color)
{
	backColor = color;
	styleChanged ();
}

void CSwitchBase::setOnColor (const CColor& color)
{
	onColor = color;
	styleChanged ();
}

void CSwitchBase::setFrameColor (const CColor& color)
{
	frameColor = color;
	styleChanged ();
}

void CSwitchBase::draw (CDrawContext* context)
{
	const int32_t current = getCurrentPosition ();
	const int32_t count = getPositionCount ();
	context->setFrameColor (frameColor);
	context->setLineWidth (1.);
	for (int32_t position = 0; position < count; ++position)
	{
		// A pixel of gap between the cells.
		CRect cell = getPositionRect (position);
		cell.inset (isStyleHorizontal () ? 1. : 0., isStyleHorizontal () ? 0. : 1.);
		const CColor& fill = position == current ? onColor : backColor;
		if (cell.isEmpty () || (!fill.isVisible () && !frameColor.isVisible ()))
			continue;
		context->setFillColor (fill);
		const CDrawStyle style = fill.isVisible ()
		                             ? (frameColor.isVisible () ? kDrawFilledAndStroked : kDrawFilled)
		                             : kDrawStroked;
		context->drawRoundRect (cell, std::min (cell.getWidth (), cell.getHeight ()) / 4., style);
	}
}

} // namespace VSTGUI
