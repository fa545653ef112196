// The mouse wheel and the arrow keys on the editor in a real window: a series
// of wheel ticks through the server is one edit for the host, ended by a
// pause, a press or the editor's closing; the keys a host passes on step the
// control under the pointer, or the one last touched.
#include "controlfixtures.h"
#include "moduleinputfixture.h"

#include "vstgui/lib/cframe.h"
#include "vstgui/lib/controls/cmousewheeleditingsupport.h"
#include "vstgui/lib/controls/cslider.h"
#include "vstgui/lib/controls/cverticalswitch.h"
#include "vstgui/lib/platform/linux/x11frame.h"

#include <X11/keysym.h>

namespace Steinberg {
namespace {

// Virtual key codes and modifier bits as VST3 hosts send them.
constexpr int16 kKeyEscape = 6;
constexpr int16 kKeyUp = 12;
constexpr int16 kKeyRight = 13;
constexpr int16 kKeyDown = 14;
constexpr int16 kShiftKey = 1 << 0;

// Long enough for a wheel series to have ended.
constexpr int kPastThePause = VSTGUI::CMouseWheelEditingSupport::kEditEndMs + 200;

constexpr int kWheelUp = 4;
constexpr int kWheelDown = 5;
constexpr int kWheelLeft = 6;
constexpr int kWheelRight = 7;

// Turns the wheel under the pointer, one tick at a time.
void tick (X11TestHost& host, int button, int times = 1)
{
	for (int i = 0; i < times; ++i)
	{
		host.pressButton (button);
		host.releaseButton (button);
		host.runFor (20);
	}
}

class ModuleWheelTest : public ModuleInputTest
{
protected:
	void pointAt (Vst::ParamID id)
	{
		const auto centre = shippedControlRect (id).getCenter ();
		host.moveTo (child, static_cast<int> (centre.x), static_cast<int> (centre.y));
		host.runFor (20);
	}
};

TEST_F (ModuleWheelTest, SeriesOnAKnobIsOneEditEndedByThePause)
{
	const double start = controller->getParamNormalized (Vst::kDelayId);
	pointAt (Vst::kDelayId);
	// Ticks 300 ms apart are one series, whose end waits half a second after
	// the last tick: not before 400 ms, surely by 2.5 s however loaded. Each
	// tick's perform is waited for, to time the pause from it.
	for (int i = 0; i < 3; ++i)
	{
		host.runFor (300);
		const size_t before = handler.edits.size ();
		host.pressButton (kWheelUp);
		host.releaseButton (kWheelUp);
		ASSERT_TRUE (host.runUntil ([&] { return handler.edits.size () > before; }, 2000));
	}
	EXPECT_EQ (kinds (), (std::vector<Kind> {Kind::kBegin, Kind::kPerform, Kind::kPerform,
	                                          Kind::kPerform}));
	EXPECT_FALSE (waitForEnd (1, 400));
	ASSERT_TRUE (waitForEnd (1, 2100));
	const auto performs = framedPerforms (Vst::kDelayId);
	ASSERT_EQ (performs.size (), 3u);
	for (size_t i = 0; i < performs.size (); ++i)
		EXPECT_NEAR (performs[i], start + 0.1 * static_cast<double> (i + 1), 1e-6);
	EXPECT_NEAR (controller->getParamNormalized (Vst::kDelayId), performs.back (), 1e-6);
}

TEST_F (ModuleSliderInputTest, WheelStepsTheSliderAndShiftATenthAsFar)
{
	host.moveTo (child, x, y);
	tick (host, kWheelDown, 2);
	ASSERT_TRUE (waitForEnd ());
	auto performs = framedPerforms (Vst::kLevelId);
	ASSERT_EQ (performs.size (), 2u);
	EXPECT_NEAR (performs[0], start - 0.1, 1e-6);
	EXPECT_NEAR (performs[1], start - 0.2, 1e-6);

	handler.edits.clear ();
	host.pressKey (XK_Shift_L);
	tick (host, kWheelUp);
	host.releaseKey (XK_Shift_L);
	ASSERT_TRUE (waitForEnd ());
	performs = framedPerforms (Vst::kLevelId);
	ASSERT_EQ (performs.size (), 1u);
	EXPECT_NEAR (performs[0], start - 0.19, 1e-6);
}

TEST_F (ModuleWheelTest, SwitchTakesNoWheel)
{
	pointAt (Vst::kBypassId);
	tick (host, kWheelUp, 2);
	host.runFor (kPastThePause);
	EXPECT_TRUE (handler.edits.empty ());
}

TEST_F (ModuleWheelTest, PressDuringASeriesEndsItsEditFirst)
{
	pointAt (Vst::kDelayId);
	tick (host, kWheelUp);
	host.pressButton (1);
	host.releaseButton (1);
	ASSERT_TRUE (waitForEnd (2));
	const auto got = kinds ();
	ASSERT_GE (got.size (), 5u);
	EXPECT_EQ (std::vector<Kind> (got.begin (), got.begin () + 4),
	           (std::vector<Kind> {Kind::kBegin, Kind::kPerform, Kind::kEnd, Kind::kBegin}));
	EXPECT_EQ (got.back (), Kind::kEnd);
}

// The wheel's series closed with the editor, on a knob and on a slider.
class ModuleWheelCloseTest : public ModuleWheelTest,
                             public ::testing::WithParamInterface<Vst::ParamID>
{
};

TEST_P (ModuleWheelCloseTest, ClosingMidSeriesLeavesNoEditOpen)
{
	pointAt (GetParam ());
	tick (host, kWheelUp, 2);
	closeEditor (view);
	EXPECT_EQ (kinds (),
	           (std::vector<Kind> {Kind::kBegin, Kind::kPerform, Kind::kPerform, Kind::kEnd}));
	host.runFor (kPastThePause);
	EXPECT_EQ (handler.edits.size (), 4u);
	EXPECT_EQ (handler.edits.back ().id, GetParam ());
}

INSTANTIATE_TEST_SUITE_P (KnobAndSlider, ModuleWheelCloseTest,
                          ::testing::Values (Vst::kDelayId, Vst::kLevelId),
                          [] (const auto& info) -> std::string {
	                          return info.param == Vst::kDelayId ? "Knob" : "Slider";
                          });

TEST_F (ModuleWheelTest, ArrowKeysStepTheControlUnderThePointer)
{
	const double start = controller->getParamNormalized (Vst::kDelayId);
	pointAt (Vst::kDelayId);
	EXPECT_EQ (view->onKeyDown (0, kKeyUp, 0), kResultTrue);
	EXPECT_EQ (view->onKeyUp (0, kKeyUp, 0), kResultTrue);
	EXPECT_EQ (view->onKeyDown (0, kKeyDown, kShiftKey), kResultTrue);
	EXPECT_EQ (view->onKeyDown (0, kKeyRight, 0), kResultTrue);
	EXPECT_EQ (kinds (), (std::vector<Kind> {Kind::kBegin, Kind::kPerform, Kind::kEnd, Kind::kBegin,
	                                          Kind::kPerform, Kind::kEnd, Kind::kBegin,
	                                          Kind::kPerform, Kind::kEnd}));
	ASSERT_EQ (handler.edits.size (), 9u);
	EXPECT_NEAR (handler.edits[1].value, start + 0.1, 1e-6);
	EXPECT_NEAR (handler.edits[4].value, start + 0.09, 1e-6);
	EXPECT_NEAR (handler.edits[7].value, start + 0.19, 1e-6);

	// Keys the editor has no use for stay the host's.
	handler.edits.clear ();
	EXPECT_EQ (view->onKeyDown ('a', 0, 0), kResultFalse);
	EXPECT_EQ (view->onKeyUp ('a', 0, 0), kResultFalse);
	EXPECT_EQ (view->onKeyDown (0, kKeyEscape, 0), kResultFalse);
	EXPECT_EQ (view->onKeyDown (0, -1, 0), kResultFalse);
	EXPECT_TRUE (handler.edits.empty ());
}

TEST_F (ModuleWheelTest, ServersArrowKeysReachTheEditorOnlyWithTheFocus)
{
	const double start = controller->getParamNormalized (Vst::kDelayId);
	pointAt (Vst::kDelayId);
	// The host's window has the focus: its keys pass the editor by, even
	// with the pointer on it.
	host.focus (parent);
	host.runFor (50);
	host.pressKey (XK_Up);
	host.releaseKey (XK_Up);
	host.runFor (100);
	EXPECT_TRUE (handler.edits.empty ());

	host.focus (child);
	host.runFor (50);
	host.pressKey (XK_Shift_L);
	host.pressKey (XK_Up);
	host.releaseKey (XK_Up);
	host.releaseKey (XK_Shift_L);
	ASSERT_TRUE (waitForEnd ());
	const auto performs = framedPerforms (Vst::kDelayId);
	ASSERT_EQ (performs.size (), 1u);
	EXPECT_NEAR (performs[0], start + 0.01, 1e-6);
	host.focus (parent);
}

TEST_F (ModuleSliderInputTest, ArrowKeysGoToTheControlLastTouched)
{
	// A click on the handle, then the pointer over no control.
	drag (x, y, {});
	ASSERT_TRUE (waitForEnd ());
	const double before = controller->getParamNormalized (Vst::kLevelId);
	host.moveTo (child, 2, 2);
	host.runFor (20);
	handler.edits.clear ();
	EXPECT_EQ (view->onKeyDown (0, kKeyUp, 0), kResultTrue);
	EXPECT_EQ (view->onKeyDown (0, kKeyRight, 0), kResultTrue);
	EXPECT_EQ (kinds (), (std::vector<Kind> {Kind::kBegin, Kind::kPerform, Kind::kEnd, Kind::kBegin,
	                                          Kind::kPerform, Kind::kEnd}));
	const auto performs = framedPerforms (Vst::kLevelId);
	ASSERT_EQ (performs.size (), 2u);
	EXPECT_NEAR (performs[0], before + 0.1, 1e-6);
	EXPECT_NEAR (controller->getParamNormalized (Vst::kLevelId), before + 0.2, 1e-6);
}

// A horizontal slider and a switch in a frame on the test host's run loop.
TEST (WheelFrameTest, HorizontalSliderFollowsTheWheelAndASwitchTakesNone)
{
	X11TestHost host;
	DERAZID_NEED_DISPLAY (host);
	ASSERT_TRUE (host.hasXTest ());
	const XWindowId parent = host.createParent (0, 0, 200, 100);
	VSTGUI::HostForwardingListener listener;
	auto* frame = new VSTGUI::CFrame (VSTGUI::CRect (0, 0, 200, 100), nullptr);
	auto* slider = new VSTGUI::CSlider (VSTGUI::CRect (20, 10, 180, 30), &listener, 1,
	                                    VSTGUI::kHorizontal | VSTGUI::kLeft);
	slider->setValueNormalized (0.5f);
	frame->addView (slider);
	frame->addView (new VSTGUI::CVerticalSwitch (VSTGUI::CRect (20, 50, 40, 90), &listener, 2));
	VSTGUI::X11::FrameConfig config;
	config.runLoop = &host;
	ASSERT_TRUE (
	    frame->open (reinterpret_cast<void*> (parent), VSTGUI::PlatformType::kX11EmbedWindowID, &config));
	const auto window = dynamic_cast<VSTGUI::X11::Frame*> (frame->getPlatformFrame ())->getWindowId ();
	host.runFor (50);

	host.moveTo (window, 100, 20);
	tick (host, kWheelRight, 2);
	tick (host, kWheelLeft);
	tick (host, kWheelUp);
	EXPECT_TRUE (host.runUntil ([&] { return listener.count (Kind::kEnd) == 1; }, 2000));
	std::vector<double> performs;
	for (const auto& e : listener.handler.edits)
		if (e.kind == Kind::kPerform)
			performs.push_back (e.value);
	EXPECT_EQ (listener.count (Kind::kBegin), 1u);
	ASSERT_EQ (performs.size (), 4u);
	const double expected[] = {0.6, 0.7, 0.6, 0.7};
	for (size_t i = 0; i < 4; ++i)
		EXPECT_NEAR (performs[i], expected[i], 1e-6);

	listener.handler.edits.clear ();
	host.moveTo (window, 30, 70);
	tick (host, kWheelUp, 2);
	host.runFor (kPastThePause);
	EXPECT_TRUE (listener.handler.edits.empty ());
	frame->close ();
	frame->forget ();
}

} // namespace
} // namespace Steinberg
