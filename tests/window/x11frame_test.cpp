// The platform frame on a real server, in this process: what reaches the
// views from the server's events (buttons, keys, wheel, double clicks, the
// drag's grab), what it draws without a host run loop, and how each X fault
// is recorded while the process goes on.
#include "x11testhost.h"

#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cframe.h"
#include "vstgui/lib/platform/linux/x11frame.h"
#include "vstgui/lib/platform/linux/x11runloop.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <functional>
#include <vector>

namespace Steinberg {
namespace {

using namespace VSTGUI;

// Skips the test without a display, unless one is required.
#define NEED_DISPLAY()                                                                 \
	do                                                                                 \
	{                                                                                  \
		if (!host.ok ())                                                               \
		{                                                                              \
			if (X11TestHost::displayRequired ())                                       \
				FAIL () << "no X display, and DERAZID_REQUIRE_DISPLAY is set";         \
			GTEST_SKIP () << "no X display";                                           \
		}                                                                              \
	} while (false)

constexpr CColor kPaint {200, 40, 60};

// A view that records the mouse and fills itself.
class RecordingView : public CView
{
public:
	struct Event
	{
		char kind; // 'd'own, 'm'oved, 'u'p, 'w'heel
		CPoint where;
		int32_t buttons;
		float distance;
	};

	using CView::CView;

	CMouseEventResult onMouseDown (CPoint& where, const CButtonState& buttons) override
	{
		events.push_back ({'d', where, buttons (), 0.f});
		if (onDown)
			onDown ();
		return kMouseEventHandled;
	}
	CMouseEventResult onMouseMoved (CPoint& where, const CButtonState& buttons) override
	{
		events.push_back ({'m', where, buttons (), 0.f});
		return kMouseEventHandled;
	}
	CMouseEventResult onMouseUp (CPoint& where, const CButtonState& buttons) override
	{
		events.push_back ({'u', where, buttons (), 0.f});
		return kMouseEventHandled;
	}
	bool onWheel (const CPoint& where, const CMouseWheelAxis&, const float& distance,
	              const CButtonState& buttons) override
	{
		events.push_back ({'w', where, buttons (), distance});
		return true;
	}
	void draw (CDrawContext* context) override
	{
		context->setFillColor (kPaint);
		context->drawRect (getViewSize (), kDrawFilled);
	}

	std::vector<Event> ofKind (char kind) const
	{
		std::vector<Event> found;
		for (const Event& e : events)
			if (e.kind == kind)
				found.push_back (e);
		return found;
	}

	std::vector<Event> events;
	std::function<void ()> onDown;
};

class X11FrameTest : public ::testing::Test
{
protected:
	void TearDown () override
	{
		for (CFrame* f : frames)
		{
			f->close ();
			f->forget ();
		}
	}

	// A frame of 200 by 100 with the recording view at (50, 25, 150, 75),
	// opened in the parent without a host run loop.
	CFrame* openFrame (XWindowId parent, RecordingView** viewOut = nullptr)
	{
		auto* frame = new CFrame (CRect (0, 0, 200, 100), nullptr);
		auto* view = new RecordingView (CRect (50, 25, 150, 75));
		frame->addView (view);
		X11::FrameConfig config;
		EXPECT_TRUE (frame->open (reinterpret_cast<void*> (parent), PlatformType::kX11EmbedWindowID,
		                          &config));
		frames.push_back (frame);
		if (viewOut)
			*viewOut = view;
		return frame;
	}

	static X11::Frame* platformOf (CFrame* frame)
	{
		return dynamic_cast<X11::Frame*> (frame->getPlatformFrame ());
	}

	// Without a run loop, the test is the loop: it fires the toolkit's
	// timers, which read the connection and draw.
	void pump (int milliseconds = 60)
	{
		for (int elapsed = 0; elapsed < milliseconds; elapsed += 5)
		{
			X11::RunLoop::instance ().fireUnhostedTimers ();
			host.runFor (5);
		}
		X11::RunLoop::instance ().fireUnhostedTimers ();
	}

	bool pumpUntil (const std::function<bool ()>& done, int timeoutMs = 2000)
	{
		for (int elapsed = 0; elapsed < timeoutMs && !done (); elapsed += 10)
			pump (10);
		return done ();
	}

	void click (XWindowId window, int x, int y, int button = 1)
	{
		host.moveTo (window, x, y);
		host.pressButton (button);
		host.releaseButton (button);
	}

	X11TestHost host;
	std::vector<CFrame*> frames;
};

TEST_F (X11FrameTest, DrawsItsViewsWithoutAHostRunLoop)
{
	NEED_DISPLAY ();
	const XWindowId parent = host.createParent (0, 0, 200, 100);
	CFrame* frame = openFrame (parent);
	X11::Frame* platform = platformOf (frame);
	ASSERT_TRUE (platform);
	EXPECT_TRUE (platform->isDrawing ());
	EXPECT_FALSE (platform->isEventHandlerRegistered ());
	Picture picture;
	EXPECT_TRUE (pumpUntil ([&] {
		picture = host.screenshot (platform->getWindowId ());
		return !picture.empty () && picture.at (100, 50) == 0xc8283c;
	}));
	ASSERT_FALSE (picture.empty ());
	EXPECT_EQ (picture.at (100, 50), 0xc8283cu); // the view
	EXPECT_EQ (picture.at (10, 10), 0u);         // no view there
	EXPECT_EQ (picture.countNear (0xc8283c, {0, 0, 200, 100}, 0), 100u * 50u);
}

TEST_F (X11FrameTest, ButtonsAndModifierKeysArriveAsTheToolkitsBits)
{
	NEED_DISPLAY ();
	ASSERT_TRUE (host.hasXTest ());
	const XWindowId parent = host.createParent (0, 0, 200, 100);
	RecordingView* view = nullptr;
	CFrame* frame = openFrame (parent, &view);
	const XWindowId window = platformOf (frame)->getWindowId ();
	pump ();
	struct Case
	{
		int button;
		unsigned long key;
		int32_t expected;
	};
	const Case cases[] = {
	    {1, 0, kLButton},
	    {2, 0, kMButton},
	    {3, 0, kRButton},
	    {1, XK_Shift_L, kLButton | kShift},
	    {1, XK_Control_L, kLButton | kControl},
	    {1, XK_Alt_L, kLButton | kAlt},
	    {1, XK_Super_L, kLButton | kApple},
	};
	int x = 60;
	for (const Case& c : cases)
	{
		view->events.clear ();
		if (c.key)
			host.pressKey (c.key);
		click (window, x, 40, c.button);
		if (c.key)
			host.releaseKey (c.key);
		x += 10; // far enough apart for no double click
		ASSERT_TRUE (pumpUntil ([&] { return !view->ofKind ('u').empty (); })) << c.button;
		auto downs = view->ofKind ('d');
		ASSERT_EQ (downs.size (), 1u);
		EXPECT_EQ (downs[0].buttons, c.expected) << c.button << " " << c.key;
		// In the view's parent's coordinates, which are the frame's here.
		EXPECT_EQ (downs[0].where.x, x - 10);
		EXPECT_EQ (downs[0].where.y, 40);
		EXPECT_EQ (view->ofKind ('u')[0].buttons, c.expected);
	}
}

TEST_F (X11FrameTest, DoubleClickAndWheel)
{
	NEED_DISPLAY ();
	ASSERT_TRUE (host.hasXTest ());
	const XWindowId parent = host.createParent (0, 0, 200, 100);
	RecordingView* view = nullptr;
	CFrame* frame = openFrame (parent, &view);
	const XWindowId window = platformOf (frame)->getWindowId ();
	pump ();
	click (window, 100, 50);
	click (window, 100, 50);
	ASSERT_TRUE (pumpUntil ([&] { return view->ofKind ('u').size () == 2; }));
	auto downs = view->ofKind ('d');
	ASSERT_EQ (downs.size (), 2u);
	EXPECT_EQ (downs[0].buttons, kLButton);
	EXPECT_EQ (downs[1].buttons, kLButton | kDoubleClick);

	view->events.clear ();
	host.pressKey (XK_Shift_L);
	click (window, 100, 50, 4);
	host.releaseKey (XK_Shift_L);
	click (window, 100, 50, 5);
	ASSERT_TRUE (pumpUntil ([&] { return view->ofKind ('w').size () == 2; }));
	auto wheels = view->ofKind ('w');
	EXPECT_EQ (wheels[0].distance, 1.f);
	EXPECT_EQ (wheels[0].buttons, kShift); // the modifiers, no button
	EXPECT_EQ (wheels[1].distance, -1.f);
	EXPECT_EQ (wheels[1].buttons, 0);
	EXPECT_TRUE (view->ofKind ('d').empty ()); // the wheel is no press
}

TEST_F (X11FrameTest, DragHoldsThePointerUntilTheRelease)
{
	NEED_DISPLAY ();
	ASSERT_TRUE (host.hasXTest ());
	const XWindowId parent = host.createParent (0, 0, 200, 100);
	RecordingView* view = nullptr;
	CFrame* frame = openFrame (parent, &view);
	const XWindowId window = platformOf (frame)->getWindowId ();
	pump ();
	host.moveTo (window, 100, 50);
	host.pressButton (1);
	ASSERT_TRUE (pumpUntil ([&] { return !view->ofKind ('d').empty (); }));
	pump (30);
	// While the drag lasts, the pointer is the frame's: no other client
	// gets it, and moves and the release outside the window come to it.
	EXPECT_FALSE (host.canGrabPointer ());
	host.moveTo (window, 400, 300);
	host.releaseButton (1);
	ASSERT_TRUE (pumpUntil ([&] { return !view->ofKind ('u').empty (); }));
	auto moves = view->ofKind ('m');
	ASSERT_FALSE (moves.empty ());
	EXPECT_EQ (moves.back ().where.x, 400);
	EXPECT_EQ (moves.back ().buttons, kLButton);
	EXPECT_EQ (view->ofKind ('u')[0].where.x, 400);
	pump (30);
	EXPECT_TRUE (host.canGrabPointer ());
}

TEST_F (X11FrameTest, ClosingTheFrameFromAMouseHandlerIsSafe)
{
	NEED_DISPLAY ();
	ASSERT_TRUE (host.hasXTest ());
	const XWindowId parent = host.createParent (0, 0, 200, 100);
	RecordingView* view = nullptr;
	CFrame* frame = openFrame (parent, &view);
	const XWindowId window = platformOf (frame)->getWindowId ();
	pump ();
	bool closed = false;
	view->onDown = [&] {
		frame->close ();
		closed = true;
	};
	click (window, 100, 50);
	click (window, 120, 50); // more events already read when the frame goes
	EXPECT_TRUE (pumpUntil ([&] { return closed; }));
	pump (30);
	EXPECT_FALSE (frame->isOpen ());
	EXPECT_TRUE (host.childrenOf (parent).empty ());
}

TEST_F (X11FrameTest, TwoFramesHaveTheirOwnWindowsAndConnections)
{
	NEED_DISPLAY ();
	const XWindowId parentA = host.createParent (0, 0, 200, 100);
	const XWindowId parentB = host.createParent (0, 200, 200, 100);
	X11::Frame* a = platformOf (openFrame (parentA));
	X11::Frame* b = platformOf (openFrame (parentB));
	ASSERT_TRUE (a && b);
	EXPECT_NE (a->getWindowId (), b->getWindowId ());
	EXPECT_EQ (host.childrenOf (parentA), std::vector<XWindowId> {a->getWindowId ()});
	EXPECT_EQ (host.childrenOf (parentB), std::vector<XWindowId> {b->getWindowId ()});
	// One failing leaves the other drawing.
	host.killClientOf (a->getWindowId ());
	EXPECT_TRUE (pumpUntil ([&] { return !a->isDrawing (); }));
	EXPECT_TRUE (b->isDrawing ());
}

TEST_F (X11FrameTest, FaultsAreRecordedAndDrawingStops)
{
	NEED_DISPLAY ();
	// A parent that is no window: the frame opens, without a window.
	const XWindowId pixmap = host.createPixmap ();
	CFrame* onPixmap = openFrame (pixmap);
	ASSERT_TRUE (onPixmap->isOpen ());
	EXPECT_EQ (platformOf (onPixmap)->getFailure (), X11::WindowFailure::kParentNotAWindow);
	EXPECT_FALSE (platformOf (onPixmap)->isDrawing ());
	host.freePixmap (pixmap);

	// The parent destroyed under a frame that draws on: the server's error
	// is recorded, not fatal.
	const XWindowId parent = host.createParent (0, 0, 200, 100);
	X11::Frame* destroyed = platformOf (openFrame (parent));
	pump ();
	ASSERT_TRUE (destroyed->isDrawing ());
	host.destroyWindow (parent);
	destroyed->invalidRect (CRect (0, 0, 200, 100));
	destroyed->drawInvalidRect (); // before it has read of the destruction
	// Read without the tick, which would let the failed window go before
	// the server's answer to the drawing has come.
	for (int i = 0; i < 200 && destroyed->getErrorCount () == 0; ++i)
	{
		host.runFor (5);
		destroyed->processEvents ();
	}
	EXPECT_GT (destroyed->getErrorCount (), 0u);
	EXPECT_EQ (destroyed->getFailure (), X11::WindowFailure::kWindowDestroyed);
	EXPECT_FALSE (destroyed->isDrawing ());
	pump ();
	EXPECT_GT (destroyed->getErrorCount (), 0u); // kept once the window is let go

	// The connection lost.
	const XWindowId another = host.createParent (0, 0, 200, 100);
	X11::Frame* lost = platformOf (openFrame (another));
	pump ();
	host.killClientOf (lost->getWindowId ());
	EXPECT_TRUE (pumpUntil ([&] { return !lost->isDrawing (); }));
	EXPECT_EQ (lost->getFailure (), X11::WindowFailure::kConnectionLost);
	lost->invalidRect (CRect (0, 0, 200, 100));
	lost->drawInvalidRect ();
	lost->processEvents ();
}

TEST (X11FrameDisplayTest, NoDisplayGivesAFrameWithoutAWindow)
{
	const char* saved = std::getenv ("DISPLAY");
	const std::string display = saved ? saved : "";
	setenv ("DISPLAY", ":9999", 1); // no server there
	auto* frame = new CFrame (CRect (0, 0, 100, 100), nullptr);
	X11::FrameConfig config;
	EXPECT_TRUE (frame->open (reinterpret_cast<void*> (uintptr_t {0x400001}),
	                          PlatformType::kX11EmbedWindowID, &config));
	auto* platform = dynamic_cast<X11::Frame*> (frame->getPlatformFrame ());
	ASSERT_TRUE (platform);
	EXPECT_EQ (platform->getFailure (), X11::WindowFailure::kNoDisplay);
	EXPECT_FALSE (platform->isDrawing ());
	EXPECT_EQ (X11::RunLoop::instance ().countTimers (), 0u); // nothing left ticking
	frame->close ();
	frame->forget ();
	if (saved)
		setenv ("DISPLAY", display.c_str (), 1);
	else
		unsetenv ("DISPLAY");
}

} // namespace
} // namespace Steinberg
