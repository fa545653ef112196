// The common part of the sliders: direction, the handle's size, offset and
// travel, and the fine-drag factor.
#pragma once

#include "vstgui/lib/controls/ccontrol.h"

namespace VSTGUI {

class CSliderBase : public CControl
{
public:
	CSliderBase (const CRect& size, IControlListener* listener, int32_t tag, int32_t style);
	~CSliderBase () noexcept override;

	// kHorizontal or kVertical, with kLeft/kRight or kTop/kBottom; with kRight
	// or kBottom the value runs against the axis.
	virtual void setStyle (int32_t style);
	int32_t getStyle () const { return style; }
	bool isStyleHorizontal () const { return (style & kHorizontal) != 0; }
	bool isInverseStyle () const;

	// How many times finer a drag becomes while the zoom modifier is held.
	void setZoomFactor (float factor) { zoomFactor = factor; }
	float getZoomFactor () const { return zoomFactor; }

	// Inset of the handle's track from the view's left and top edges.
	void setOffsetHandle (const CPoint& offset);
	const CPoint& getOffsetHandle () const { return offsetHandle; }

	CCoord getHandleWidth () const { return handleWidth; }
	CCoord getHandleHeight () const { return handleHeight; }
	// Pixels the handle can move along the axis.
	CCoord getHandleTravel () const { return handleTravel; }
	CCoord getMinHandlePos () const { return minPos; }
	CCoord getMaxHandlePos () const { return maxPos; }

	// The handle's rectangle for a normalized value, in view coordinates.
	CRect calculateHandleRect (float normValue) const;

	void setViewSize (const CRect& rect) override;

protected:
	void setHandleSizePrivate (CCoord width, CCoord height);
	void updateInternalHandleValues ();

private:
	int32_t style;
	float zoomFactor {10.f};
	CPoint offsetHandle;
	CCoord handleWidth {1.};
	CCoord handleHeight {1.};
	CCoord handleTravel {0.};
	CCoord minPos {0.};
	CCoord maxPos {0.};
};

} // namespace VSTGUI
