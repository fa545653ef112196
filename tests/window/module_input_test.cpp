// A user's mouse on the built bundle's editor, sent through the server with
// XTest: what the host's component handler receives.
#include "moduleinputfixture.h"

#include <X11/keysym.h>

namespace Steinberg {
namespace {

TEST_F (ModuleInputTest, ClickOnBypassSwitchesItOnAndOff)
{
	const VSTGUI::CRect bypass = shippedControlRect (Vst::kBypassId);
	const Picture before = host.screenshot (child);
	const auto centre = bypass.getCenter ();
	host.moveTo (child, static_cast<int> (centre.x), static_cast<int> (centre.y));
	host.pressButton (1);
	host.releaseButton (1);
	ASSERT_TRUE (waitForEnd ());
	ASSERT_EQ (handler.edits.size (), 3u);
	EXPECT_EQ (framedPerforms (Vst::kBypassId), std::vector<double> {1.0});

	// The switch shows it.
	Picture after;
	host.runUntil (
	    [&] {
		    after = host.screenshot (child);
		    return after.countDifferences (before, pixelsOf (bypass)) > 50;
	    },
	    2000);
	EXPECT_TRUE (savePng (after, screenshotPath ("editor-window-bypass-on.png")));
	EXPECT_GT (after.countDifferences (before, pixelsOf (bypass)), 50u);

	handler.edits.clear ();
	host.pressButton (1);
	host.releaseButton (1);
	ASSERT_TRUE (waitForEnd ());
	EXPECT_EQ (framedPerforms (Vst::kBypassId), std::vector<double> {0.0});
}

TEST_F (ModuleInputTest, ClickOnAboutShowsTheLineAndTellsTheHostNothing)
{
	// The about line's button is the untagged switch.
	const VSTGUI::CRect button = findShippedView ([] (VSTGUI::CView& view) {
		auto* control = dynamic_cast<VSTGUI::CControl*> (&view);
		return control && control->getTag () == -1 &&
		       !dynamic_cast<VSTGUI::CParamDisplay*> (&view);
	});
	ASSERT_FALSE (button.isEmpty ());
	// The line lies left of it, across the row.
	const PixelRect line {0, static_cast<int> (button.top), static_cast<int> (button.left),
	                      static_cast<int> (button.bottom)};
	const Picture before = host.screenshot (child);
	host.moveTo (child, static_cast<int> (button.getCenter ().x),
	             static_cast<int> (button.getCenter ().y));
	host.pressButton (1);
	host.releaseButton (1);
	Picture after;
	EXPECT_TRUE (host.runUntil (
	    [&] {
		    after = host.screenshot (child);
		    return after.countDifferences (before, line) > 100;
	    },
	    2000));
	EXPECT_TRUE (savePng (after, screenshotPath ("editor-window-about.png")));
	host.runFor (50);
	EXPECT_TRUE (handler.edits.empty ());
}

TEST_F (ModuleInputTest, KnobDragUpRaisesTheValueInOneEdit)
{
	const VSTGUI::CRect knob = shippedControlRect (Vst::kDelayId);
	const int x = static_cast<int> (knob.getCenter ().x);
	const int y = static_cast<int> (knob.getCenter ().y);
	const double start = controller->getParamNormalized (Vst::kDelayId);
	// The editor asks for linear knobs: upwards raises, 200 pixels the range.
	drag (x, y, {{x, y - 10}, {x, y - 20}, {x, y - 40}, {x, y - 60}});
	ASSERT_TRUE (waitForEnd ());
	const auto performs = framedPerforms (Vst::kDelayId);
	ASSERT_FALSE (performs.empty ());
	for (size_t i = 1; i < performs.size (); ++i)
		EXPECT_GT (performs[i], performs[i - 1]);
	EXPECT_NEAR (performs.back (), start + 60. / 200., 0.01);
	EXPECT_NEAR (controller->getParamNormalized (Vst::kDelayId), performs.back (), 1e-6);
}

TEST_F (ModuleInputTest, ReleaseOutsideTheWindowStillEndsTheEdit)
{
	const VSTGUI::CRect knob = shippedControlRect (Vst::kRateId);
	const int x = static_cast<int> (knob.getCenter ().x);
	const int y = static_cast<int> (knob.getCenter ().y);
	drag (x, y, {{x, y - 30}, {x, kEditorHeight + 200}});
	ASSERT_TRUE (waitForEnd ());
	const auto performs = framedPerforms (Vst::kRateId);
	EXPECT_FALSE (performs.empty ());
	// The drag went on below the window: the value came back down.
	EXPECT_LT (performs.back (), performs.front ());
}

TEST_F (ModuleSliderInputTest, DragOnTheHandleMovesItPixelForPixel)
{
	EXPECT_DOUBLE_EQ (start, 0.75);
	drag (x, y, {{x, y - 5}, {x, y - 10}, {x, y - 20}});
	ASSERT_TRUE (waitForEnd ());
	const auto performs = framedPerforms (Vst::kLevelId);
	ASSERT_FALSE (performs.empty ());
	// No jump at the press: within a pixel of where it was. Twenty pixels up
	// raise the value by twenty pixels' worth.
	EXPECT_NEAR (performs.front (), start, 1. / geometry.travel);
	EXPECT_NEAR (performs.back (), start + 20. / geometry.travel, 1. / geometry.travel);
	EXPECT_NEAR (controller->getParamNormalized (Vst::kLevelId), performs.back (), 1e-6);
}

TEST_F (ModuleSliderInputTest, ShiftDragMovesItATenthAsFar)
{
	host.pressKey (XK_Shift_L);
	drag (x, y, {{x, y - 20}, {x, y - 40}});
	host.releaseKey (XK_Shift_L);
	ASSERT_TRUE (waitForEnd ());
	const auto performs = framedPerforms (Vst::kLevelId);
	ASSERT_FALSE (performs.empty ());
	EXPECT_NEAR (performs.back (), start + 4. / geometry.travel, 0.5 / geometry.travel);
}

TEST_F (ModuleSliderInputTest, PressBesideTheHandleJumpsThere)
{
	// Below the handle: it comes to the pointer at once.
	const int below = static_cast<int> (geometry.handle.bottom) + 15;
	ASSERT_LT (below, geometry.size.bottom);
	drag (x, below, {});
	ASSERT_TRUE (waitForEnd ());
	const auto performs = framedPerforms (Vst::kLevelId);
	ASSERT_EQ (performs.size (), 1u);
	// Centred one pixel past the pointer.
	const double grab = geometry.size.top + geometry.handle.getHeight () * 0.5 - 1.;
	EXPECT_NEAR (performs[0], 1. - (below - grab) / geometry.travel, 1e-6);
}

TEST_F (ModuleInputTest, AltClickPutsAKnobBackToItsDefault)
{
	// The host moves Delay away from its default; the editor follows.
	const Picture before = host.screenshot (child);
	controller->setParamNormalized (Vst::kDelayId, 0.9);
	const PixelRect knob = pixelsOf (shippedControlRect (Vst::kDelayId));
	host.runUntil ([&] { return host.screenshot (child).countDifferences (before, knob) > 50; },
	               2000);
	handler.edits.clear ();

	const auto centre = shippedControlRect (Vst::kDelayId).getCenter ();
	host.pressKey (XK_Alt_L);
	host.moveTo (child, static_cast<int> (centre.x), static_cast<int> (centre.y));
	host.pressButton (1);
	host.releaseButton (1);
	host.releaseKey (XK_Alt_L);
	ASSERT_TRUE (waitForEnd ());
	const auto performs = framedPerforms (Vst::kDelayId);
	ASSERT_EQ (performs.size (), 1u);
	// Delay's default: 3 ms of 0.5 to 8.
	EXPECT_NEAR (performs[0], (3. - 0.5) / 7.5, 1e-6);
	EXPECT_NEAR (controller->getParamNormalized (Vst::kDelayId), performs[0], 1e-6);
}

} // namespace
} // namespace Steinberg
