#include "vstgui/lib/controls/cparamdisplay.h"

#include <cstdio>

namespace VSTGUI {

CParamDisplay::CParamDisplay (const CRect& size) : CControl (size) {}

CParamDisplay::~CParamDisplay () noexcept = default;

void CParamDisplay::setValueToStringFunction (const ValueToStringFunction& function)
{
	valueToString = function;
}

std::string CParamDisplay::getDisplayText ()
{
	std::string text;
	if (valueToString && valueToString (getValue (), text, this))
		return text;
	char buffer[64];
	std::snprintf (buffer, sizeof (buffer), "%.*f", precision, static_cast<double> (getValue ()));
	return buffer;
}

void CParamDisplay::styleChanged () { invalidRect (getViewSize ()); }

void CParamDisplay::setFont (const CFontDesc& value)
{
	font = value;
	styleChanged ();
}

void CParamDisplay::setFontColor (const CColor& color)
{
	fontColor = color;
	styleChanged ();
}

void CParamDisplay::setBackColor (const CColor& color)
{
	backColor = color;
	styleChanged ();
}

void CParamDisplay::setFrameColor (const CColor& color)
{
	frameColor = color;
	styleChanged ();
}

void CParamDisplay::setHoriAlign (CHoriTxtAlign align)
{
	horiAlign = align;
	styleChanged ();
}

void CParamDisplay::setRoundRectRadius (CCoord radius)
{
	roundRectRadius = radius > 0. ? radius : 0.;
	styleChanged ();
}

void CParamDisplay::draw (CDrawContext* context)
{
	const CRect& size = getViewSize ();
	const CDrawStyle style = backColor.isVisible ()
	                             ? (frameColor.isVisible () ? kDrawFilledAndStroked : kDrawFilled)
	                             : kDrawStroked;
	if (backColor.isVisible () || frameColor.isVisible ())
	{
		context->setFillColor (backColor);
		context->setFrameColor (frameColor);
		context->setLineWidth (1.);
		if (roundRectRadius > 0.)
			context->drawRoundRect (size, roundRectRadius, style);
		else
			context->drawRect (size, style);
	}
	const std::string text = getDisplayText ();
	if (text.empty () || !fontColor.isVisible ())
		return;
	CRect textRect (size);
	if (horiAlign != kCenterText)
		textRect.inset (kTextInset, 0.);
	context->setFont (font);
	context->setFontColor (fontColor);
	context->drawString (text, textRect, horiAlign);
}

} // namespace VSTGUI
