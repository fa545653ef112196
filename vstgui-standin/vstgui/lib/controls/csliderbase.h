// The common part of the sliders: direction, the handle's size, offset and
// travel, the fine-drag factor, the mouse behaviour of the slider modes, and
// the wheel and arrow keys, which move the handle their way.
#pragma once

#include "vstgui/lib/controls/ccontrol.h"
#include "vstgui/lib/controls/cmousewheeleditingsupport.h"
#include "vstgui/lib/controls/cslidermode.h"
#include "vstgui/lib/sharedpointer.h"

namespace VSTGUI {

class CSliderBase : public CControl, protected CMouseWheelEditingSupport
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

	// Stored as given; a new slider uses the global mode.
	void setSliderMode (SliderMode mode) { sliderMode = mode; }
	SliderMode getSliderMode () const { return sliderMode; }
	// The stored mode, or the global one for UseGlobal.
	SliderMode effectiveSliderMode () const;
	static void setGlobalSliderMode (SliderMode mode);
	static SliderMode getGlobalSliderMode () { return globalSliderMode; }
	// Whether a mode that grabs the handle where it is pressed makes it jump
	// to the pointer, centred, when the press lands beside it.
	static bool jumpsBesideHandle (SliderMode mode);

	// What a move subtracts from the pointer's axis coordinate to find the
	// value's position; fills the handle's rectangle when one is given.
	float computeGrabOffset (const CPoint& where, CRect* handle = nullptr) const;
	// One step of a ramp toward the pointer, every 16 ms while it runs.
	void rampStep (CVSTGUITimer* timer);
	bool isRamping () const { return static_cast<bool> (rampTimer); }

	CMouseEventResult onMouseDown (CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseUp (CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseMoved (CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseCancel () override;
	bool onWheel (const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
	              const CButtonState& buttons) override;
	int32_t onKeyDown (VstKeyCode& keyCode) override;
	int32_t onKeyUp (VstKeyCode& keyCode) override;

	// A wheel series in progress ends here.
	bool removed (CView* parent) override;

protected:
	void setHandleSizePrivate (CCoord width, CCoord height);
	void updateInternalHandleValues ();

private:
	CCoord axisOf (const CPoint& point) const { return isStyleHorizontal () ? point.x : point.y; }
	// The handle track's start along the axis.
	CCoord base () const;
	// The grab offset that centres the handle one pixel past the pointer.
	double centreOffset () const;
	void stopRamp ();
	// 1 when the value rises as the handle moves up or right, else -1.
	float upwardSign () const { return isStyleHorizontal () != isInverseStyle () ? 1.f : -1.f; }

	static SliderMode globalSliderMode;

	SharedPointer<CVSTGUITimer> rampTimer;
	int32_t style;
	float zoomFactor {10.f};
	SliderMode sliderMode {SliderMode::UseGlobal};
	CPoint offsetHandle;
	CCoord handleWidth {1.};
	CCoord handleHeight {1.};
	CCoord handleTravel {0.};
	CCoord minPos {0.};
	CCoord maxPos {0.};
	CPoint pressPoint;
	float zoomBaseValue {0.f};
	float valueAtPress {0.f};
	CButtonState zoomButtons;
	double grabOffset {0.};
};

} // namespace VSTGUI
