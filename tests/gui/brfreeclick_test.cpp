// BRFreeClick, the global mode: a press on the handle grabs it where it is,
// one beside it makes it jump to the pointer, centred.
#include "slidermousefixtures.h"

using namespace VSTGUI;

namespace {

TEST_P (SliderGeometryTest, BRFreeClickOnTheHandleGrabsItWhereItIs)
{
	start (0.255f); // the handle at whole pixel 35, up to 45
	EXPECT_EQ (slider.getSliderMode (), SliderMode::UseGlobal);
	EXPECT_EQ (slider.effectiveSliderMode (), SliderMode::BRFreeClick);
	EXPECT_EQ (press (40), kMouseEventHandled);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.25f)); // settled on the pixel
	EXPECT_EQ (move (47), kMouseEventHandled);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.32f));
	EXPECT_NEAR (handleStart (), 42., 1e-4); // 7 pixels on, as the pointer
	EXPECT_EQ (move (30), kMouseEventHandled); // back toward the start
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.15f));
	EXPECT_EQ (release (30), kMouseEventHandled);
	EXPECT_EQ (kinds (), (Kinds {kBegin, kPerform, kPerform, kPerform, kEnd}));
	EXPECT_FALSE (slider.isEditing ());
}

TEST_P (SliderGeometryTest, BRFreeClickBesideTheHandleCentresItOnePixelPast)
{
	start (0.255f);
	EXPECT_EQ (press (70), kMouseEventHandled);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.56f));
	EXPECT_NEAR (handleStart () + kHandleLength * 0.5, 71., 1e-4);
	release (70);

	// The handle's far edge pixel lies beside it; its first pixel on it.
	start (0.255f);
	press (45);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.31f));
	release (45);
	start (0.255f);
	press (35);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.25f));
	release (35);
	start (0.255f);
	press (34);
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), valueFor (0.2f));
	release (34);

	// Near the end the value stays within its range.
	start (0.255f);
	press (119);
	EXPECT_EQ (slider.getValueNormalized (), valueFor (1.f));
	release (119);

	// With Shift the press moves nothing, but the edit is open.
	listener.handler.edits.clear ();
	start (0.255f);
	EXPECT_EQ (press (70, kLButton | kShift), kMouseEventHandled);
	EXPECT_EQ (slider.getValueNormalized (), valueFor (0.255f));
	EXPECT_TRUE (slider.isEditing ());
	release (70);
	EXPECT_EQ (kinds (), (Kinds {kBegin, kEnd}));
}

INSTANTIATE_TEST_SUITE_P (Directions, SliderGeometryTest, kDirections, directionName);

TEST_F (SliderModeTest, GlobalModeStartsAsBRFreeClickAndRulesUseGlobalSliders)
{
	EXPECT_EQ (CSliderBase::getGlobalSliderMode (), SliderMode::BRFreeClick);
	CSliderBase::setGlobalSliderMode (SliderMode::FreeClick);
	EXPECT_EQ (Assertions::count, 0);
	start (0.25f);
	press (40); // on the handle, yet FreeClick jumps
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), 0.26f);
	release ();

	// Every decision reads the mode afresh.
	slider.setSliderMode (SliderMode::Touch);
	start (0.25f);
	EXPECT_EQ (press (80), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	slider.setSliderMode (SliderMode::UseGlobal);
	EXPECT_EQ (press (80), kMouseEventHandled);
	release ();
}

} // namespace
