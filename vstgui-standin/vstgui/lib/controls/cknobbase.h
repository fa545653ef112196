// The common part of the knobs. A press with the left button alone opens an
// edit; the default-value click resets the knob there and ends it, any other
// press starts a drag that follows the mouse linearly when the frame's knob
// mode is linear, else by its angle around the knob's centre, the two
// swapped while Alt is held. The wheel up or right and the up and right
// arrow keys raise the value.
#pragma once

#include "vstgui/lib/controls/ccontrol.h"
#include "vstgui/lib/controls/cmousewheeleditingsupport.h"

namespace VSTGUI {

class CKnobBase : public CControl, protected CMouseWheelEditingSupport
{
public:
	// Pixels of linear drag that cover the whole range.
	static constexpr CCoord kLinearRange = 200.;

	CKnobBase (const CRect& size, IControlListener* listener, int32_t tag);
	~CKnobBase () noexcept override;

	// Angles in radians, clockwise on screen from the positive x axis.
	void setStartAngle (float angle) { startAngle = angle; }
	float getStartAngle () const { return startAngle; }
	void setRangeAngle (float angle) { rangeAngle = angle; }
	float getRangeAngle () const { return rangeAngle; }

	// How many times finer a linear drag becomes with the zoom modifier.
	void setZoomFactor (float factor) { zoomFactor = factor; }
	float getZoomFactor () const { return zoomFactor; }

	// The normalized value that puts the knob's pointer towards the point.
	float valueFromPoint (const CPoint& where) const;

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

private:
	struct Drag
	{
		CPoint firstPoint;
		float entryValue {0.f};
		CCoord range {kLinearRange};
		bool linear {false};
	};

	float startAngle;
	float rangeAngle;
	float zoomFactor {10.f};
	Drag drag;
};

} // namespace VSTGUI
