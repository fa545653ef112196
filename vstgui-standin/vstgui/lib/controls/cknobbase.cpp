#include "vstgui/lib/controls/cknobbase.h"

#include "vstgui/lib/cframe.h"

#include <cmath>

namespace VSTGUI {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

CKnobBase::CKnobBase (const CRect& size, IControlListener* listener, int32_t tag)
: CControl (size, listener, tag),
  startAngle (static_cast<float> (kPi * 0.75)),
  rangeAngle (static_cast<float> (kPi * 1.5))
{
}

CKnobBase::~CKnobBase () noexcept = default;

float CKnobBase::valueFromPoint (const CPoint& where) const
{
	const CPoint centre = getViewSize ().getCenter ();
	const double dx = where.x - centre.x;
	const double dy = where.y - centre.y;
	if (dx == 0. && dy == 0.)
		return getValueNormalized ();
	// Clockwise from the start angle, in [0, 2 pi).
	double sweep = std::fmod (std::atan2 (dy, dx) - startAngle, 2. * kPi);
	if (sweep < 0.)
		sweep += 2. * kPi;
	if (sweep <= rangeAngle)
		return rangeAngle > 0.f ? static_cast<float> (sweep / rangeAngle) : 0.f;
	// In the gap between the two ends: the nearer end.
	return sweep - rangeAngle < 2. * kPi - sweep ? 1.f : 0.f;
}

CMouseEventResult CKnobBase::onMouseDown (CPoint& where, const CButtonState& buttons)
{
	if (!buttons.isLeftButton ())
		return kMouseEventNotHandled;
	invalidMouseWheelEditTimer (this);
	beginEdit ();
	if (checkDefaultValue (buttons))
	{
		endEdit ();
		return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
	}
	drag.firstPoint = where;
	drag.entryValue = getValueNormalized ();
	drag.linear = getFrame () && getFrame ()->getKnobMode () == kLinearMode;
	// Not the default-value click: Alt swaps the drag for this press.
	if (buttons & kAlt)
		drag.linear = !drag.linear;
	drag.range = kLinearRange;
	if (buttons & kZoomModifier)
		drag.range *= zoomFactor;
	return kMouseEventHandled;
}

CMouseEventResult CKnobBase::onMouseMoved (CPoint& where, const CButtonState& buttons)
{
	if (!buttons.isLeftButton () || !isEditing ())
		return kMouseEventNotHandled;
	float normalized;
	if (drag.linear)
	{
		// Up and to the right raise the value.
		const CCoord distance = (where.x - drag.firstPoint.x) + (drag.firstPoint.y - where.y);
		normalized = static_cast<float> (drag.entryValue + distance / drag.range);
	}
	else
		normalized = valueFromPoint (where);
	setValueNormalized (normalized);
	notifyIfDirty ();
	return kMouseEventHandled;
}

CMouseEventResult CKnobBase::onMouseUp (CPoint&, const CButtonState&)
{
	if (isEditing ())
		endEdit ();
	return kMouseEventHandled;
}

CMouseEventResult CKnobBase::onMouseCancel ()
{
	if (isEditing ())
	{
		setValueNormalized (drag.entryValue);
		notifyIfDirty ();
		endEdit ();
	}
	return kMouseEventHandled;
}

bool CKnobBase::onWheel (const CPoint&, const CMouseWheelAxis&, const float& distance,
                        const CButtonState& buttons)
{
	onWheelTick (this, distance, 1.f, buttons);
	return true;
}

int32_t CKnobBase::onKeyDown (VstKeyCode& keyCode) { return onArrowKeyDown (this, keyCode, 1.f); }

int32_t CKnobBase::onKeyUp (VstKeyCode& keyCode) { return onArrowKeyUp (keyCode); }

bool CKnobBase::removed (CView* parent)
{
	invalidMouseWheelEditTimer (this);
	return CControl::removed (parent);
}

} // namespace VSTGUI
