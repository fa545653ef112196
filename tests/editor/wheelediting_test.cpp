// The wheel and the arrow keys on sliders and knobs: by the wheel increment,
// a tenth of it with Shift, the way the handle faces, within the range; a
// series of wheel ticks is one edit, each key step an edit of its own.
#include "slidermousefixtures.h"

#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/vstkeycode.h"

using namespace VSTGUI;

namespace {

CPoint nowhere;

bool wheel (CControl& control, float distance, int32_t buttons = 0)
{
	return control.onWheel (nowhere, kMouseWheelAxisY, distance, CButtonState (buttons));
}

VstKeyCode key (uint8_t virt, uint8_t modifier = 0)
{
	VstKeyCode code;
	code.virt = virt;
	code.modifier = modifier;
	return code;
}

class SliderWheelTest : public SliderGeometryTest
{
};

TEST_P (SliderWheelTest, WheelUpMovesTheHandleUpOrRightInOneEdit)
{
	start (0.5f);
	// Up or right on screen: the value rises unless it runs against the axis.
	const bool rises = GetParam ().horizontal != GetParam ().inverse;
	EXPECT_TRUE (wheel (slider, 1.f));
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), rises ? 0.6f : 0.4f);
	EXPECT_TRUE (wheel (slider, 1.f, kShift));
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), rises ? 0.61f : 0.39f);
	for (int i = 0; i < 8; ++i)
		wheel (slider, -1.f);
	EXPECT_EQ (slider.getValueNormalized (), rises ? 0.f : 1.f);
	EXPECT_EQ (kinds (), (Kinds {kBegin, kPerform, kPerform, kPerform, kPerform, kPerform, kPerform,
	                             kPerform, kPerform, kPerform}));
	fireTimers (); // the pause
	EXPECT_EQ (kinds ().back (), kEnd);
	EXPECT_EQ (X11::RunLoop::instance ().countTimers (), 0u);
}

TEST_P (SliderWheelTest, PressEndsTheWheelsEditBeforeItsOwn)
{
	start (0.5f);
	wheel (slider, 1.f);
	press (95);
	release (95);
	const Kinds got = kinds ();
	ASSERT_GE (got.size (), 4u);
	EXPECT_EQ (Kinds (got.begin (), got.begin () + 4), (Kinds {kBegin, kPerform, kEnd, kBegin}));
	EXPECT_EQ (X11::RunLoop::instance ().countTimers (), 0u);
}

INSTANTIATE_TEST_SUITE_P (Directions, SliderWheelTest, kDirections, directionName);

TEST (KnobWheelTest, UpRaisesAndArrowKeysStepInEditsOfTheirOwn)
{
	HostForwardingListener listener;
	CKnob knob (CRect (0, 0, 60, 60), &listener, 1);
	knob.setWheelInc (0.25f);
	knob.setValueNormalized (0.5f);
	wheel (knob, 1.f);
	EXPECT_EQ (knob.getValueNormalized (), 0.75f);
	fireTimers ();
	EXPECT_EQ (listener.handler.edits.size (), 3u);

	listener.handler.edits.clear ();
	VstKeyCode down = key (VKEY_DOWN);
	VstKeyCode fineLeft = key (VKEY_LEFT, MODIFIER_SHIFT);
	VstKeyCode right = key (VKEY_RIGHT);
	EXPECT_EQ (knob.onKeyDown (down), 1);
	EXPECT_EQ (knob.onKeyDown (fineLeft), 1);
	EXPECT_FLOAT_EQ (knob.getValueNormalized (), 0.475f);
	EXPECT_EQ (knob.onKeyDown (right), 1);
	EXPECT_FLOAT_EQ (knob.getValueNormalized (), 0.725f);
	EXPECT_EQ (listener.count (kBegin), 3u);
	EXPECT_EQ (listener.count (kEnd), 3u);

	listener.handler.edits.clear ();
	for (uint8_t other : {uint8_t {0}, uint8_t {VKEY_ESCAPE}, uint8_t {VKEY_SPACE}, uint8_t {VKEY_PAGEUP}})
	{
		VstKeyCode code = key (other);
		EXPECT_EQ (knob.onKeyDown (code), -1) << int {other};
		EXPECT_EQ (knob.onKeyUp (code), -1) << int {other};
	}
	EXPECT_TRUE (listener.handler.edits.empty ());
}

TEST (KnobWheelTest, KnobDeletedMidSeriesStopsItsTimer)
{
	HostForwardingListener listener;
	auto* knob = new CKnob (CRect (0, 0, 60, 60), &listener, 1);
	wheel (*knob, 1.f);
	ASSERT_EQ (X11::RunLoop::instance ().countTimers (), 1u);
	knob->forget ();
	EXPECT_EQ (X11::RunLoop::instance ().countTimers (), 0u);
	fireTimers (); // AddressSanitizer watches
}

} // namespace
