#include "vstgui/lib/controls/cslider.h"

#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>

namespace VSTGUI {

namespace {

// The track is a fifth as thick as the handle across the axis, at least two
// pixels.
CCoord trackThickness (CCoord handleAcross) { return std::max (2., handleAcross / 5.); }

} // namespace

CSlider::CSlider (const CRect& size, IControlListener* listener, int32_t tag, int32_t style)
: CSliderBase (size, listener, tag, style)
{
}

CSlider::~CSlider () noexcept = default;

void CSlider::styleChanged () { invalidRect (getViewSize ()); }

void CSlider::setHandleSize (const CPoint& size)
{
	setHandleSizePrivate (std::max (1., size.x), std::max (1., size.y));
	styleChanged ();
}

void CSlider::setBackColor (const CColor& color)
{
	backColor = color;
	styleChanged ();
}

void CSlider::setValueColor (const CColor& color)
{
	valueColor = color;
	styleChanged ();
}

void CSlider::setHandleColor (const CColor& color)
{
	handleColor = color;
	styleChanged ();
}

void CSlider::setFrameColor (const CColor& color)
{
	frameColor = color;
	styleChanged ();
}

CRect CSlider::getTrackRect () const
{
	// From the middle of the handle at one end to its middle at the other.
	const CRect first = calculateHandleRect (0.f);
	const CRect last = calculateHandleRect (1.f);
	CRect track (first);
	track.unite (last);
	if (isStyleHorizontal ())
	{
		const CCoord thickness = trackThickness (getHandleHeight ());
		const CCoord middle = first.top + getHandleHeight () / 2.;
		return CRect (track.left + getHandleWidth () / 2., middle - thickness / 2.,
		              track.right - getHandleWidth () / 2., middle + thickness / 2.);
	}
	const CCoord thickness = trackThickness (getHandleWidth ());
	const CCoord middle = first.left + getHandleWidth () / 2.;
	return CRect (middle - thickness / 2., track.top + getHandleHeight () / 2.,
	              middle + thickness / 2., track.bottom - getHandleHeight () / 2.);
}

void CSlider::draw (CDrawContext* context)
{
	const CRect track = getTrackRect ();
	const CCoord round = std::min (track.getWidth (), track.getHeight ()) / 2.;
	if (backColor.isVisible ())
	{
		context->setFillColor (backColor);
		context->drawRoundRect (track, round, kDrawFilled);
	}

	const CRect handle = calculateHandleRect (getValueNormalized ());
	const CRect atMinimum = calculateHandleRect (0.f);
	if (valueColor.isVisible ())
	{
		// From the minimum's end of the track to the handle's middle.
		CRect filled (track);
		if (isStyleHorizontal ())
		{
			const CCoord from = atMinimum.left + getHandleWidth () / 2.;
			const CCoord to = handle.left + getHandleWidth () / 2.;
			filled.left = std::min (from, to);
			filled.right = std::max (from, to);
		}
		else
		{
			const CCoord from = atMinimum.top + getHandleHeight () / 2.;
			const CCoord to = handle.top + getHandleHeight () / 2.;
			filled.top = std::min (from, to);
			filled.bottom = std::max (from, to);
		}
		if (!filled.isEmpty ())
		{
			context->setFillColor (valueColor);
			context->drawRoundRect (filled, round, kDrawFilled);
		}
	}

	const CCoord handleRound = std::min (handle.getWidth (), handle.getHeight ()) / 4.;
	if (handleColor.isVisible () || frameColor.isVisible ())
	{
		context->setFillColor (handleColor);
		context->setFrameColor (frameColor);
		context->setLineWidth (1.);
		const CDrawStyle style =
		    handleColor.isVisible ()
		        ? (frameColor.isVisible () ? kDrawFilledAndStroked : kDrawFilled)
		        : kDrawStroked;
		context->drawRoundRect (handle, handleRound, style);
	}
	if (valueColor.isVisible () && handle.getWidth () > 4. && handle.getHeight () > 4.)
	{
		// A grip line across the handle, in the value's colour.
		const CPoint centre = handle.getCenter ();
		context->setFrameColor (valueColor);
		context->setLineWidth (2.);
		context->setLineCap (kLineCapRound);
		if (isStyleHorizontal ())
			context->drawLine (CPoint (centre.x, handle.top + 3.), CPoint (centre.x, handle.bottom - 3.));
		else
			context->drawLine (CPoint (handle.left + 3., centre.y), CPoint (handle.right - 3., centre.y));
		context->setLineCap (kLineCapButt);
	}
}

} // namespace VSTGUI
