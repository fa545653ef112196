#include "vstgui/lib/controls/conoffbutton.h"

#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>

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
	notifyIfDirty ();
	endEdit ();
	return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

void COnOffButton::styleChanged () { invalidRect (getViewSize ()); }

void COnOffButton::setBackColor (const CColor& color)
{
	backColor = color;
	styleChanged ();
}

void COnOffButton::setOnColor (const CColor& color)
{
	onColor = color;
	styleChanged ();
}

void COnOffButton::setFrameColor (const CColor& color)
{
	frameColor = color;
	styleChanged ();
}

void COnOffButton::setHandleColor (const CColor& color)
{
	handleColor = color;
	styleChanged ();
}

CRect COnOffButton::getThumbRect () const
{
	const CRect& size = getViewSize ();
	const CCoord gap = std::max (2., size.getHeight () / 7.);
	const CCoord side = std::max (0., std::min (size.getWidth (), size.getHeight ()) - gap * 2.);
	const CCoord left = isOn () ? size.right - gap - side : size.left + gap;
	const CCoord top = size.top + (size.getHeight () - side) / 2.;
	return CRect (left, top, left + side, top + side);
}

void COnOffButton::draw (CDrawContext* context)
{
	const CRect& size = getViewSize ();
	const CCoord radius = std::min (size.getWidth (), size.getHeight ()) / 2.;
	const CColor& fill = isOn () ? onColor : backColor;
	if (fill.isVisible () || frameColor.isVisible ())
	{
		context->setFillColor (fill);
		context->setFrameColor (frameColor);
		context->setLineWidth (1.);
		const CDrawStyle style = fill.isVisible ()
		                             ? (frameColor.isVisible () ? kDrawFilledAndStroked : kDrawFilled)
		                             : kDrawStroked;
		context->drawRoundRect (size, radius, style);
	}
	const CRect thumb = getThumbRect ();
	if (handleColor.isVisible () && !thumb.isEmpty ())
	{
		context->setFillColor (handleColor);
		context->drawEllipse (thumb, kDrawFilled);
	}
}

} // namespace VSTGUI
