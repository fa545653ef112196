#include "vstgui/lib/controls/csliderbase.h"

namespace VSTGUI {

CSliderBase::CSliderBase (const CRect& size, IControlListener* listener, int32_t tag, int32_t style)
: CControl (size, listener, tag), style (style)
{
	updateInternalHandleValues ();
}

CSliderBase::~CSliderBase () noexcept = default;

bool CSliderBase::isInverseStyle () const { return (style & (kRight | kBottom)) != 0; }

void CSliderBase::setStyle (int32_t value)
{
	style = value;
	updateInternalHandleValues ();
}

void CSliderBase::setOffsetHandle (const CPoint& offset)
{
	offsetHandle = offset;
	updateInternalHandleValues ();
}

void CSliderBase::setHandleSizePrivate (CCoord width, CCoord height)
{
	handleWidth = width;
	handleHeight = height;
	updateInternalHandleValues ();
}

void CSliderBase::setViewSize (const CRect& rect)
{
	CControl::setViewSize (rect);
	updateInternalHandleValues ();
}

void CSliderBase::updateInternalHandleValues ()
{
	const CRect& size = getViewSize ();
	if (isStyleHorizontal ())
	{
		minPos = size.left + offsetHandle.x;
		handleTravel = size.getWidth () - handleWidth - offsetHandle.x * 2.;
	}
	else
	{
		minPos = size.top + offsetHandle.y;
		handleTravel = size.getHeight () - handleHeight - offsetHandle.y * 2.;
	}
	maxPos = minPos + handleTravel;
}

CRect CSliderBase::calculateHandleRect (float normValue) const
{
	double n = isInverseStyle () ? 1. - normValue : normValue;
	double pos = minPos + n * handleTravel;
	if (pos > maxPos)
		pos = maxPos;
	if (pos < minPos)
		pos = minPos;
	const CRect& size = getViewSize ();
	CRect r;
	if (isStyleHorizontal ())
	{
		r.left = pos;
		r.top = size.top + offsetHandle.y;
	}
	else
	{
		r.left = size.left + offsetHandle.x;
		r.top = pos;
	}
	r.right = r.left + handleWidth;
	r.bottom = r.top + handleHeight;
	return r;
}

} // namespace VSTGUI
