// How X button events become the toolkit's: the bits of each button and
// modifier key, the wheel, and double clicks by time and place.
#include "vstgui/lib/platform/linux/x11mouseevent.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using namespace VSTGUI::X11;

namespace {

TEST (X11ButtonStateTest, EachKeyAndButtonHasItsBit)
{
	struct Row
	{
		uint16_t xState;
		int32_t bits;
	};
	const Row rows[] = {
	    {0, 0},
	    {XState::kShift, kShift},
	    {XState::kControl, kControl},
	    {XState::kMod1, kAlt},
	    {XState::kMod4, kApple},
	    {XState::kButton1, kLButton},
	    {XState::kButton2, kMButton},
	    {XState::kButton3, kRButton},
	    // Caps Lock and Num Lock change nothing, nor do the wheel buttons.
	    {XState::kLock, 0},
	    {XState::kMod2, 0},
	    {1 << 11, 0},
	    {1 << 12, 0},
	    {XState::kButton1 | XState::kShift | XState::kMod1 | XState::kMod2,
	     kLButton | kShift | kAlt},
	};
	for (const Row& row : rows)
		EXPECT_EQ (buttonStateFromXState (row.xState), row.bits) << row.xState;
	// Every bit of the state at once gives exactly the seven.
	EXPECT_EQ (buttonStateFromXState (0xffff),
	           kLButton | kMButton | kRButton | kShift | kControl | kAlt | kApple);
}

TEST (X11ButtonStateTest, ButtonNumbersAndTheWheel)
{
	EXPECT_EQ (buttonFromXButton (1), kLButton);
	EXPECT_EQ (buttonFromXButton (2), kMButton);
	EXPECT_EQ (buttonFromXButton (3), kRButton);
	EXPECT_EQ (buttonFromXButton (8), kButton4);
	EXPECT_EQ (buttonFromXButton (9), kButton5);
	for (uint8_t b : {0, 4, 5, 6, 7, 10, 255})
		EXPECT_EQ (buttonFromXButton (b), 0) << int (b);

	Wheel wheel {kMouseWheelAxisX, 0.f};
	ASSERT_TRUE (wheelFromXButton (4, wheel));
	EXPECT_EQ (wheel.axis, kMouseWheelAxisY);
	EXPECT_EQ (wheel.distance, 1.f);
	ASSERT_TRUE (wheelFromXButton (5, wheel));
	EXPECT_EQ (wheel.distance, -1.f);
	ASSERT_TRUE (wheelFromXButton (6, wheel));
	EXPECT_EQ (wheel.axis, kMouseWheelAxisX);
	EXPECT_EQ (wheel.distance, -1.f);
	ASSERT_TRUE (wheelFromXButton (7, wheel));
	EXPECT_EQ (wheel.distance, 1.f);
	for (uint8_t b : {1, 2, 3, 8, 9})
		EXPECT_FALSE (wheelFromXButton (b, wheel)) << int (b);
}

TEST (DoubleClickTest, SecondPressOfTheSameButtonSoonAndNear)
{
	const uint32_t t = 100000;
	DoubleClickDetector detector;
	EXPECT_FALSE (detector.press (kLButton, CPoint (10, 10), t));
	EXPECT_TRUE (detector.press (kLButton, CPoint (12, 13), t + DoubleClickDetector::kDoubleClickTimeMs));
	// A double click starts no new pair: the third press is a first again.
	EXPECT_FALSE (detector.press (kLButton, CPoint (12, 13), t + 500));
	EXPECT_TRUE (detector.press (kLButton, CPoint (12, 13), t + 600));

	DoubleClickDetector late;
	late.press (kLButton, CPoint (10, 10), t);
	EXPECT_FALSE (late.press (kLButton, CPoint (10, 10), t + DoubleClickDetector::kDoubleClickTimeMs + 1));
	DoubleClickDetector far;
	far.press (kLButton, CPoint (10, 10), t);
	EXPECT_FALSE (far.press (kLButton, CPoint (15, 10), t + 10));
	DoubleClickDetector other;
	other.press (kLButton, CPoint (10, 10), t);
	EXPECT_FALSE (other.press (kRButton, CPoint (10, 10), t + 10));
	// The server's clock wraps around; an earlier time is no double click.
	DoubleClickDetector wrap;
	wrap.press (kLButton, CPoint (0, 0), 0xffffff00u);
	EXPECT_TRUE (wrap.press (kLButton, CPoint (0, 0), 0x20u));
	DoubleClickDetector backwards;
	backwards.press (kLButton, CPoint (0, 0), t);
	EXPECT_FALSE (backwards.press (kLButton, CPoint (0, 0), t - 10));
	DoubleClickDetector reset;
	reset.press (kLButton, CPoint (0, 0), t);
	reset.reset ();
	EXPECT_FALSE (reset.press (kLButton, CPoint (0, 0), t + 10));
}

} // namespace
