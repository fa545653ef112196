// The toolkit's slider mouse handlers in the stock modes: drags, fine drags,
// the ramp, cancel, the buttons they take, and the slider's lifetime.
#include "slidermousefixtures.h"

#include "vstgui/lib/sharedpointer.h"

#include <cmath>

using namespace VSTGUI;

namespace {

TEST_P (SliderGeometryTest, FreeClickJumpsEvenOnTheHandle)
{
	start (0.255f, SliderMode::FreeClick);
	press (40);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.26f));
	release (40);
}

TEST_P (SliderGeometryTest, TouchRefusesAPressBesideTheHandle)
{
	for (int32_t buttons : {int32_t {kLButton}, kLButton | kAlt})
	{
		start (0.25f, SliderMode::Touch);
		EXPECT_EQ (press (70, buttons), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
		EXPECT_FALSE (slider.isEditing ());
		EXPECT_EQ (slider.getValueNormalized (), valueFor (0.25f));
	}
	EXPECT_TRUE (edits ().empty ());

	// On the handle it drags relatively.
	EXPECT_EQ (press (40), kMouseEventHandled);
	move (50);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.35f));
	release (50);
}

TEST_P (SliderGeometryTest, RelativeTouchOffersTheDefaultOnlyOnTheHandle)
{
	slider.setDefaultValue (0.5f);
	start (0.25f, SliderMode::RelativeTouch);
	EXPECT_EQ (press (80, kLButton | kAlt), kMouseEventHandled);
	EXPECT_TRUE (slider.isEditing ());
	EXPECT_EQ (slider.getValueNormalized (), valueFor (0.25f)); // no jump, no reset
	move (90, kLButton | kAlt);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.35f));
	release (90);
	EXPECT_EQ (kinds (), (Kinds {kBegin, kPerform, kEnd}));

	listener.handler.edits.clear ();
	start (0.25f, SliderMode::RelativeTouch);
	EXPECT_EQ (press (40, kLButton | kAlt), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	EXPECT_EQ (slider.getValueNormalized (), 0.5f);
	EXPECT_FALSE (slider.isEditing ());
	EXPECT_EQ (kinds (), (Kinds {kBegin, kPerform, kEnd}));
}

TEST_P (SliderGeometryTest, ShiftMidDragGoesOnATenthAsFarFromThatValue)
{
	start (0.25f);
	press (40);
	move (60);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.45f));
	move (60, kLButton | kShift); // Shift pressed: no jump
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.45f));
	move (80, kLButton | kShift);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.47f));
	move (70, kLButton | kShift);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.46f));
	move (70); // released: where the pointer puts it
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.55f));

	// Shift pressed again in the same drag: again no jump. A zoom factor of 5
	// goes a fifth as far.
	slider.setZoomFactor (5.f);
	move (70, kLButton | kShift);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.55f));
	move (80, kLButton | kShift);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.57f));
	release (80);
}

TEST_P (SliderGeometryTest, RampGlidesToThePointerThenFollowsItCentred)
{
	start (0.25f, SliderMode::Ramp); // handle centre at 40
	EXPECT_EQ (press (80), kMouseEventHandled);
	EXPECT_TRUE (slider.isRamping ());
	EXPECT_EQ (slider.getValueNormalized (), valueFor (0.25f)); // nothing at the press
	EXPECT_EQ (kinds (), Kinds {kBegin});

	// The target: (80 - 14) / 100.
	const float target = valueFor (0.66f);
	float last = slider.getValueNormalized ();
	int ticks = 0;
	while (slider.isRamping () && ticks < 100)
	{
		fireTimers ();
		++ticks;
		const float now = slider.getValueNormalized ();
		if (slider.isRamping ())
		{
			EXPECT_NEAR (std::fabs (now - last), 0.01f, 1e-5f) << ticks;
		}
		EXPECT_LE (std::fabs (now - target), std::fabs (last - target)) << ticks;
		last = now;
	}
	EXPECT_GE (ticks, 41);
	EXPECT_LE (ticks, 42);
	EXPECT_EQ (slider.getValueNormalized (), target);
	EXPECT_EQ (X11::RunLoop::instance ().countTimers (), 0u);
	EXPECT_EQ (listener.count (kPerform), static_cast<size_t> (ticks));

	move (90); // followed centred
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.76f));
	release (90);
	EXPECT_EQ (kinds ().back (), kEnd);
}

TEST_P (SliderGeometryTest, RampTargetFollowsThePointer)
{
	start (0.25f, SliderMode::Ramp);
	press (80);
	fireTimers ();
	fireTimers ();
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.27f));
	move (60); // the target is now (60 - 14) / 100
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.27f));
	for (int i = 0; i < 30 && slider.isRamping (); ++i)
		fireTimers ();
	EXPECT_FALSE (slider.isRamping ());
	EXPECT_EQ (slider.getValueNormalized (), valueFor (0.46f));
	release (60);
}

TEST_P (SliderGeometryTest, RampBeyondTheRangeStopsAtTheEndWhileTheTimerRuns)
{
	start (0.9f, SliderMode::Ramp);
	press (119); // target (119 - 14) / 100 = 1.05
	for (int i = 0; i < 30; ++i)
		fireTimers ();
	EXPECT_EQ (slider.getValueNormalized (), valueFor (1.f));
	EXPECT_TRUE (slider.isRamping ());
	const size_t performs = listener.count (kPerform);
	fireTimers ();
	EXPECT_EQ (listener.count (kPerform), performs); // at the end nothing changes
	EXPECT_EQ (release (119), kMouseEventHandled);
	EXPECT_FALSE (slider.isRamping ());
	EXPECT_EQ (X11::RunLoop::instance ().countTimers (), 0u);
}

TEST_P (SliderGeometryTest, RampOnTheHandleDragsRelatively)
{
	start (0.25f, SliderMode::Ramp);
	press (40);
	EXPECT_FALSE (slider.isRamping ());
	move (50);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.35f));
	release (50);
}

TEST_P (SliderGeometryTest, CancelRestoresTheValueAndEndsTheEdit)
{
	start (0.255f);
	press (40);
	move (60);
	EXPECT_EQ (slider.onMouseCancel (), kMouseEventHandled);
	EXPECT_EQ (slider.getValueNormalized (), valueFor (0.255f)); // before the press settled it
	EXPECT_FALSE (slider.isEditing ());
	ASSERT_EQ (kinds (), (Kinds {kBegin, kPerform, kPerform, kPerform, kEnd}));
	EXPECT_FLOAT_EQ (static_cast<float> (edits ()[3].value), valueFor (0.255f));

	// A ramp stops too.
	start (0.25f, SliderMode::Ramp);
	press (80);
	fireTimers ();
	slider.onMouseCancel ();
	EXPECT_FALSE (slider.isRamping ());
	EXPECT_EQ (slider.getValueNormalized (), valueFor (0.25f));
	EXPECT_EQ (X11::RunLoop::instance ().countTimers (), 0u);
}

TEST_P (SliderGeometryTest, OnlyTheLeftButtonAloneDragsAndOnlyInAnEdit)
{
	start (0.25f);
	EXPECT_EQ (move (60), kMouseEventNotHandled); // no edit
	EXPECT_EQ (release (60), kMouseEventHandled);
	EXPECT_EQ (slider.onMouseCancel (), kMouseEventHandled);
	for (int32_t buttons : {int32_t {kRButton}, int32_t {kMButton}, kRButton | kAlt, 0})
		EXPECT_EQ (press (60, buttons), kMouseEventNotHandled) << buttons;
	EXPECT_TRUE (edits ().empty ());
	EXPECT_EQ (slider.getValueNormalized (), valueFor (0.25f));

	// A second button held: the press opens the edit but moves nothing, and
	// the gesture stays the slider's until its release ends the edit.
	EXPECT_EQ (press (60, kLButton | kRButton), kMouseEventHandled);
	EXPECT_TRUE (slider.isEditing ());
	EXPECT_EQ (move (70, kLButton | kRButton), kMouseEventNotHandled);
	EXPECT_EQ (move (70, kLButton | kButton4), kMouseEventNotHandled);
	EXPECT_EQ (slider.getValueNormalized (), valueFor (0.25f));
	EXPECT_EQ (move (70, kLButton | kControl), kMouseEventHandled); // modifiers do not matter
	release (70);
	EXPECT_EQ (kinds (), (Kinds {kBegin, kPerform, kEnd}));
}

INSTANTIATE_TEST_SUITE_P (Directions, SliderGeometryTest, kDirections, directionName);

TEST_F (SliderModeTest, GlobalUseGlobalIsReportedAndStored)
{
	CSliderBase::setGlobalSliderMode (SliderMode::UseGlobal);
	EXPECT_EQ (Assertions::count, 1);
	EXPECT_EQ (Assertions::last, "do not set the global mode to use global");
	EXPECT_EQ (CSliderBase::getGlobalSliderMode (), SliderMode::UseGlobal);
	EXPECT_EQ (slider.effectiveSliderMode (), SliderMode::UseGlobal);

	// Mode 5 as a running mode: a relative grab, never a ramp.
	start (0.25f);
	EXPECT_EQ (press (80), kMouseEventHandled);
	EXPECT_EQ (slider.getValueNormalized (), 0.25f);
	EXPECT_FALSE (slider.isRamping ());
	release ();
	// ... and the default-value click anywhere.
	slider.setDefaultValue (0.5f);
	EXPECT_EQ (press (80, kLButton | kAlt), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	EXPECT_EQ (slider.getValueNormalized (), 0.5f);

	// Without a handler the report goes nowhere and the mode is still stored.
	setAssertionHandler (nullptr);
	CSliderBase::setGlobalSliderMode (SliderMode::Ramp);
	CSliderBase::setGlobalSliderMode (SliderMode::UseGlobal);
	EXPECT_EQ (Assertions::count, 1);
	EXPECT_EQ (CSliderBase::getGlobalSliderMode (), SliderMode::UseGlobal);
}

TEST_F (SliderModeTest, RampGlidesOnAVerticalSliderWithoutAnEndNamed)
{
	// Neither kTop nor kBottom: the value runs down the axis, as with kTop.
	TestSlider vertical (CRect (20, 10, 40, 120), &listener, kVertical, 20., 10.);
	vertical.setSliderMode (SliderMode::Ramp);
	vertical.setValueNormalized (0.25f);
	CPoint where (30, 80);
	vertical.onMouseDown (where, CButtonState (kLButton));
	fireTimers ();
	EXPECT_FLOAT_EQ (vertical.getValueNormalized (), 0.26f);
	EXPECT_TRUE (vertical.isRamping ());
	vertical.onMouseUp (where, CButtonState (kLButton));
}

TEST_F (SliderModeTest, StoredModeWithoutANameBehavesAsMode5)
{
	slider.setSliderMode (static_cast<SliderMode> (9));
	EXPECT_EQ (slider.getSliderMode (), static_cast<SliderMode> (9));
	start (0.25f);
	press (80);
	EXPECT_EQ (slider.getValueNormalized (), 0.25f);
	EXPECT_FALSE (slider.isRamping ());
	release ();
}

TEST_F (SliderModeTest, WithoutTravelOrZoomTheValueStays)
{
	for (CCoord handle : {110., 130.}) // no travel, less than none
	{
		TestSlider flat (CRect (10, 20, 120, 40), &listener, kHorizontal | kLeft, handle, 20.);
		EXPECT_LE (flat.getHandleTravel (), 0.);
		for (SliderMode mode : {SliderMode::BRFreeClick, SliderMode::FreeClick, SliderMode::Ramp,
		                        SliderMode::RelativeTouch})
		{
			flat.setSliderMode (mode);
			flat.setValueNormalized (0.3f);
			for (CCoord x : {5., 50., 119., 200.})
			{
				CPoint where (x, 30);
				flat.onMouseDown (where, CButtonState (kLButton));
				where.x += 7;
				flat.onMouseMoved (where, CButtonState (kLButton));
				fireTimers ();
				flat.onMouseMoved (where, CButtonState (kLButton | kShift));
				flat.onMouseUp (where, CButtonState (kLButton));
				EXPECT_EQ (flat.getValueNormalized (), 0.3f) << handle << " " << x;
				EXPECT_FALSE (flat.isRamping ());
			}
		}
	}
	for (const auto& edit : listener.handler.edits)
		EXPECT_FALSE (std::isnan (edit.value));

	// A zoom factor of 0: the fine drag moves nothing, the plain drag still does.
	slider.setZoomFactor (0.f);
	start (0.25f);
	press (40, kLButton | kShift);
	CPoint where (60, 30);
	slider.onMouseMoved (where, CButtonState (kLButton | kShift));
	EXPECT_EQ (slider.getValueNormalized (), 0.25f);
	slider.onMouseMoved (where, CButtonState (kLButton));
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), 0.45f);
	release ();
	for (const auto& edit : listener.handler.edits)
		EXPECT_FALSE (std::isnan (edit.value));
}

TEST_F (SliderModeTest, RangeOfNothingDragsWithoutDividingByIt)
{
	slider.setMin (0.5f);
	slider.setMax (0.5f);
	slider.setValue (0.5f);
	for (int32_t buttons : {int32_t {kLButton}, kLButton | kShift})
	{
		press (40, buttons);
		CPoint where (60, 30);
		slider.onMouseMoved (where, CButtonState (buttons));
		EXPECT_EQ (slider.getValue (), 0.5f);
		release ();
	}
}

TEST_F (SliderModeTest, ControlsIgnoreNaN)
{
	start (0.25f);
	slider.setDefaultValue (0.5f);
	slider.setValue (std::nanf (""));
	slider.setValueNormalized (std::nanf (""));
	slider.setDefaultValue (std::nanf (""));
	EXPECT_EQ (slider.getValue (), 0.25f);
	EXPECT_EQ (slider.getDefaultValue (), 0.5f);
	EXPECT_FALSE (slider.isDirty ());

	// A zoom factor that is NaN reaches the setter and is dropped there.
	slider.setZoomFactor (std::nanf (""));
	press (40, kLButton | kShift);
	CPoint where (60, 30);
	slider.onMouseMoved (where, CButtonState (kLButton | kShift));
	EXPECT_EQ (slider.getValueNormalized (), 0.25f);
	release ();
}

TEST (SliderLifetimeTest, SliderDeletedMidRampStopsIt)
{
	HostForwardingListener listener;
	auto* slider = new TestSlider (CRect (10, 20, 120, 40), &listener, kHorizontal | kLeft, 10., 20.);
	slider->setSliderMode (SliderMode::Ramp);
	slider->setValueNormalized (0.25f);
	CPoint where (80, 30);
	slider->onMouseDown (where, CButtonState (kLButton));
	fireTimers ();
	ASSERT_TRUE (slider->isRamping ());
	const size_t performs = listener.count (kPerform);
	slider->forget (); // the editor goes, no release comes
	fireTimers ();
	EXPECT_EQ (listener.count (kPerform), performs);
	EXPECT_EQ (X11::RunLoop::instance ().countTimers (), 0u);
}

TEST (SliderLifetimeTest, SliderDroppedByAListenerDuringARampStep)
{
	HostForwardingListener listener;
	auto* slider = new TestSlider (CRect (10, 20, 120, 40), &listener, kHorizontal | kLeft, 10., 20.);
	slider->setSliderMode (SliderMode::Ramp);
	slider->setValueNormalized (0.25f);
	CPoint where (80, 30);
	slider->onMouseDown (where, CButtonState (kLButton));
	// Told of the first step's value, the listener drops the slider: the rest
	// of the step must not touch it (AddressSanitizer watches).
	bool dropped = false;
	listener.onValue = [&] (CControl* control) {
		if (!dropped)
			control->forget ();
		dropped = true;
	};
	fireTimers ();
	EXPECT_EQ (listener.count (kPerform), 1u);
	fireTimers ();
	EXPECT_EQ (listener.count (kPerform), 1u);
	EXPECT_EQ (X11::RunLoop::instance ().countTimers (), 0u);
}

} // namespace
