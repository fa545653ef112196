#include "vstgui/lib/controls/csliderbase.h"

#include "vstgui/lib/cvstguitimer.h"
#include "vstgui/lib/vstguidebug.h"

#include <cstdint>

namespace VSTGUI {

namespace {

constexpr uint32_t kRampPeriodMs = 16;
constexpr float kRampStep = 0.1f;

// Toward zero, held at the ends of the range; NaN gives 0.
int32_t truncateToInt32 (double value)
{
	if (!(value == value))
		return 0;
	if (value <= static_cast<double> (INT32_MIN))
		return INT32_MIN;
	if (value >= static_cast<double> (INT32_MAX))
		return INT32_MAX;
	return static_cast<int32_t> (value);
}

} // namespace

CSliderBase::CSliderBase (const CRect& size, IControlListener* listener, int32_t tag, int32_t style)
: CControl (size, listener, tag), style (style)
{
	updateInternalHandleValues ();
}

// A ramp's timer may outlive the slider (it holds itself while it fires):
// stopped, it never calls into the slider again.
CSliderBase::~CSliderBase () noexcept { stopRamp (); }

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

SliderMode CSliderBase::effectiveSliderMode () const
{
	return sliderMode == SliderMode::UseGlobal ? globalSliderMode : sliderMode;
}

void CSliderBase::setGlobalSliderMode (SliderMode mode)
{
	if (mode == SliderMode::UseGlobal)
		doAssert (__FILE__, __LINE__, "do not set the global mode to use global");
	globalSliderMode = mode;
}

CCoord CSliderBase::base () const
{
	const CRect& size = getViewSize ();
	return isStyleHorizontal () ? size.left + offsetHandle.x : size.top + offsetHandle.y;
}

double CSliderBase::centreOffset () const
{
	const CCoord handleSize = isStyleHorizontal () ? handleWidth : handleHeight;
	return base () + handleSize * 0.5 - 1.0;
}

void CSliderBase::stopRamp ()
{
	if (!rampTimer)
		return;
	rampTimer->stop ();
	rampTimer = nullptr;
}

float CSliderBase::computeGrabOffset (const CPoint& where, CRect* handle) const
{
	const double start = base ();
	if (effectiveSliderMode () == SliderMode::FreeClick)
		return static_cast<float> (centreOffset ());

	float n = getValueNormalized ();
	if (isInverseStyle ())
		n = 1.f - n;
	const double position = start + truncateToInt32 (n * handleTravel);

	const CRect& size = getViewSize ();
	CRect rect;
	if (isStyleHorizontal ())
	{
		rect.left = position;
		rect.top = size.top + offsetHandle.y;
	}
	else
	{
		rect.left = size.left + offsetHandle.x;
		rect.top = position;
	}
	rect.right = rect.left + handleWidth;
	rect.bottom = rect.top + handleHeight;
	if (handle)
		*handle = rect;

	if (jumpsBesideHandle (effectiveSliderMode ()) && !rect.pointInside (where))
		return static_cast<float> (centreOffset ());
	return static_cast<float> (start + (axisOf (where) - position));
}

CMouseEventResult CSliderBase::onMouseDown (CPoint& where, const CButtonState& buttons)
{
	if (!(buttons & kLButton))
		return kMouseEventNotHandled;
	invalidMouseWheelEditTimer (this);

	CRect handle;
	if (effectiveSliderMode () == SliderMode::FreeClick)
		grabOffset = computeGrabOffset (where);
	else
		grabOffset = computeGrabOffset (where, &handle);
	const bool onHandle = handle.pointInside (where);

	if (effectiveSliderMode () == SliderMode::Touch && !onHandle)
		return kMouseDownEventHandledButDontNeedMovedOrUpEvents;

	zoomBaseValue = getMin () - 1.f;
	zoomButtons = buttons;

	if (!(effectiveSliderMode () == SliderMode::RelativeTouch && !onHandle) &&
	    checkDefaultValue (buttons))
		return kMouseDownEventHandledButDontNeedMovedOrUpEvents;

	if (effectiveSliderMode () == SliderMode::Ramp && !onHandle)
	{
		auto timer = makeOwned<CVSTGUITimer> (
		    [this] (CVSTGUITimer* t) { rampStep (t); }, kRampPeriodMs, true);
		stopRamp ();
		rampTimer = std::move (timer);
	}

	valueAtPress = getValue ();
	beginEdit ();
	pressPoint = where;

	if (buttons & kZoomModifier)
		return kMouseEventHandled;
	// The edit has begun, so the gesture stays this slider's even when the
	// press moves nothing (a second button held): its release ends the edit.
	onMouseMoved (where, buttons);
	return kMouseEventHandled;
}

CMouseEventResult CSliderBase::onMouseMoved (CPoint& where, const CButtonState& buttons)
{
	if (!buttons.isLeftButton () || !isEditing ())
		return kMouseEventNotHandled;
	if (rampTimer)
	{
		pressPoint = where;
		return kMouseEventHandled;
	}

	// The fine-drag base: the value where the zoom modifier was last pressed.
	// A range of nothing has every value at its start.
	const float range = getMax () - getMin ();
	const float current = range != 0.f ? (getValue () - getMin ()) / range : 0.f;
	if (zoomBaseValue == getMin () - 1.f)
		zoomBaseValue = current;
	if (zoomButtons != buttons && (buttons & kZoomModifier))
	{
		zoomBaseValue = current;
		zoomButtons = buttons;
	}
	else if (!(buttons & kZoomModifier))
	{
		zoomBaseValue = current;
		// So that pressing the modifier again in this drag takes a new base.
		zoomButtons = buttons;
	}

	// Without travel, or with no zoom factor, no position maps to a value:
	// the value stays.
	const float travel = static_cast<float> (handleTravel);
	if (!(travel > 0.f))
		return kMouseEventHandled;
	const bool fine = (buttons & kZoomModifier) != 0;
	if (fine && zoomFactor == 0.f)
		return kMouseEventHandled;

	float n = static_cast<float> (axisOf (where) - grabOffset) / travel;
	if (isInverseStyle ())
		n = 1.f - n;
	if (fine)
		n = zoomBaseValue + (n - zoomBaseValue) / zoomFactor;
	setValueNormalized (n);
	notifyIfDirty ();
	return kMouseEventHandled;
}

CMouseEventResult CSliderBase::onMouseUp (CPoint&, const CButtonState&)
{
	if (isEditing ())
	{
		zoomButtons = 0;
		stopRamp ();
		endEdit ();
	}
	return kMouseEventHandled;
}

CMouseEventResult CSliderBase::onMouseCancel ()
{
	if (isEditing ())
	{
		// Straight back, past the setter: the value at the press was taken as
		// it stood.
		value = valueAtPress;
		notifyIfDirty ();
		zoomButtons = 0;
		stopRamp ();
		endEdit ();
	}
	return kMouseEventHandled;
}

bool CSliderBase::onWheel (const CPoint&, const CMouseWheelAxis&, const float& distance,
                          const CButtonState& buttons)
{
	onWheelTick (this, distance, upwardSign (), buttons);
	return true;
}

int32_t CSliderBase::onKeyDown (VstKeyCode& keyCode)
{
	return onArrowKeyDown (this, keyCode, upwardSign ());
}

int32_t CSliderBase::onKeyUp (VstKeyCode& keyCode) { return onArrowKeyUp (keyCode); }

bool CSliderBase::removed (CView* parent)
{
	invalidMouseWheelEditTimer (this);
	return CControl::removed (parent);
}

void CSliderBase::rampStep (CVSTGUITimer*)
{
	// A listener told of the new value may drop the slider's last reference.
	SharedPointer<CSliderBase> alive (this);

	const float v = getValueNormalized ();
	const CRect handle = calculateHandleRect (v);
	const bool horizontal = isStyleHorizontal ();
	const double centre = horizontal ? handle.left + (handle.right - handle.left) * 0.5
	                                 : handle.top + (handle.bottom - handle.top) * 0.5;
	const double pointer = axisOf (pressPoint);

	// Toward the pointer: along x the value falls to the left unless it runs
	// against the axis; along y it rises upwards only when it runs against it.
	float step;
	if (horizontal)
		step = centre > pointer ? -kRampStep : kRampStep;
	else
		step = centre > pointer ? kRampStep : -kRampStep;
	if (horizontal == isInverseStyle ())
		step = -step;

	const float travel = static_cast<float> (handleTravel);
	if (!(travel > 0.f))
	{
		// No position to glide to: the ramp ends where it stands.
		stopRamp ();
		grabOffset = centreOffset ();
		return;
	}
	float target = static_cast<float> (pointer - centreOffset ()) / travel;
	if (isInverseStyle ())
		target = 1.f - target;

	float newValue = v + getWheelInc () * step;
	if ((step < 0.f && newValue < target) || (step > 0.f && newValue > target))
	{
		stopRamp ();
		grabOffset = centreOffset ();
		newValue = target;
	}
	setValueNormalized (newValue);
	notifyIfDirty ();
}

} // namespace VSTGUI
