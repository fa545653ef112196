#include "vstgui/lib/controls/cknob.h"

#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI {

CKnob::CKnob (const CRect& size, IControlListener* listener, int32_t tag)
: CKnobBase (size, listener, tag)
{
}

CKnob::~CKnob () noexcept = default;

void CKnob::styleChanged () { invalidRect (getViewSize ()); }

void CKnob::setCoronaColor (const CColor& color)
{
	coronaColor = color;
	styleChanged ();
}

void CKnob::setFrameColor (const CColor& color)
{
	frameColor = color;
	styleChanged ();
}

void CKnob::setBackColor (const CColor& color)
{
	backColor = color;
	styleChanged ();
}

void CKnob::setHandleColor (const CColor& color)
{
	handleColor = color;
	styleChanged ();
}

void CKnob::setHandleLineWidth (CCoord width)
{
	handleLineWidth = width > 0. ? width : 0.;
	styleChanged ();
}

CRect CKnob::getArcRect () const
{
	const CRect& size = getViewSize ();
	const CCoord side = std::min (size.getWidth (), size.getHeight ());
	const CPoint centre = size.getCenter ();
	return CRect (centre.x - side / 2., centre.y - side / 2., centre.x + side / 2.,
	              centre.y + side / 2.);
}

CCoord CKnob::getArcWidth () const { return std::max (2., getArcRect ().getWidth () / 12.); }

double CKnob::valueToAngle (float normValue) const
{
	const double n = std::min (1., std::max (0., static_cast<double> (normValue)));
	return static_cast<double> (getStartAngle ()) + n * static_cast<double> (getRangeAngle ());
}

void CKnob::draw (CDrawContext* context)
{
	const CRect arcRect = getArcRect ();
	const CCoord arcWidth = getArcWidth ();
	const double start = getStartAngle ();
	const double value = valueToAngle (getValueNormalized ());

	context->setLineWidth (arcWidth);
	context->setLineCap (kLineCapRound);
	if (frameColor.isVisible ())
	{
		context->setFrameColor (frameColor);
		context->drawArc (arcRect, start, valueToAngle (1.f));
	}
	if (coronaColor.isVisible () && value > start)
	{
		context->setFrameColor (coronaColor);
		context->drawArc (arcRect, start, value);
	}

	// The body sits inside the arcs with a gap as wide as their line.
	CRect body (arcRect);
	body.inset (arcWidth * 2., arcWidth * 2.);
	if (backColor.isVisible () && !body.isEmpty ())
	{
		context->setFillColor (backColor);
		context->drawEllipse (body, kDrawFilled);
	}
	if (handleColor.isVisible () && handleLineWidth > 0. && !body.isEmpty ())
	{
		const CPoint centre = body.getCenter ();
		const CCoord radius = body.getWidth () / 2.;
		const double dx = std::cos (value);
		const double dy = std::sin (value);
		const CCoord inner = radius * 0.3;
		const CCoord outer = radius - handleLineWidth;
		context->setFrameColor (handleColor);
		context->setLineWidth (handleLineWidth);
		context->drawLine (CPoint (centre.x + dx * inner, centre.y + dy * inner),
		                   CPoint (centre.x + dx * outer, centre.y + dy * outer));
	}
	context->setLineCap (kLineCapButt);
}

} // namespace VSTGUI
