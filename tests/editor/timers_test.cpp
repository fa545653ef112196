#include "fakehostframe.h"

#include "vstgui/lib/cvstguitimer.h"
#include "vstgui/lib/platform/linux/x11runloop.h"
#include "vstgui/lib/sharedpointer.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace VSTGUI;
using Steinberg::FakeHostFrame;

namespace {

X11::RunLoop& runLoop () { return X11::RunLoop::instance (); }

TEST (TimerTest, WithoutARunLoopTheHookFiresIt)
{
	int fired = 0;
	auto timer = makeOwned<CVSTGUITimer> ([&] (CVSTGUITimer*) { ++fired; }, 16, false);
	runLoop ().fireUnhostedTimers ();
	EXPECT_EQ (fired, 0); // not started
	EXPECT_TRUE (timer->start ());
	EXPECT_TRUE (timer->isRunning ());
	runLoop ().fireUnhostedTimers ();
	runLoop ().fireUnhostedTimers ();
	EXPECT_EQ (fired, 2);
	EXPECT_TRUE (timer->stop ());
	runLoop ().fireUnhostedTimers ();
	EXPECT_EQ (fired, 2);
	EXPECT_EQ (runLoop ().countTimers (), 0u);
}

TEST (TimerTest, StaysAliveWhileItsCallbackDropsTheLastReference)
{
	int fired = 0;
	SharedPointer<CVSTGUITimer> timer;
	timer = makeOwned<CVSTGUITimer> (
	    [&] (CVSTGUITimer* self) {
		    ++fired;
		    timer = nullptr; // the last outside reference
		    self->stop ();   // AddressSanitizer reports it if the timer is gone
	    },
	    16, true);
	runLoop ().fireUnhostedTimers ();
	runLoop ().fireUnhostedTimers ();
	EXPECT_EQ (fired, 1);
	EXPECT_EQ (runLoop ().countTimers (), 0u);
}

TEST (TimerTest, ExceptionsStayInsideTheTimer)
{
	int fired = 0;
	auto timer = makeOwned<CVSTGUITimer> (
	    [&] (CVSTGUITimer*) {
		    ++fired;
		    throw std::runtime_error ("from a callback");
	    },
	    16, true);
	FakeHostFrame host;
	runLoop ().attach (&host);
	EXPECT_NO_THROW (host.fire ());
	runLoop ().detach (&host);
	EXPECT_NO_THROW (runLoop ().fireUnhostedTimers ());
	EXPECT_EQ (fired, 2);
}

TEST (TimerTest, RunsOnTheAttachedRunLoopAndLeavesIt)
{
	FakeHostFrame host;
	int fired = 0;
	runLoop ().attach (&host);
	auto timer = makeOwned<CVSTGUITimer> ([&] (CVSTGUITimer*) { ++fired; }, 16, true);
	ASSERT_EQ (host.timers.size (), 1u);
	EXPECT_EQ (host.timers[0].interval, 16u);
	host.fire ();
	runLoop ().fireUnhostedTimers (); // hosted: not the hook's to fire
	EXPECT_EQ (fired, 1);
	EXPECT_TRUE (timer->setFireTime (40));
	ASSERT_EQ (host.timers.size (), 1u);
	EXPECT_EQ (host.timers[0].interval, 40u);
	timer = nullptr;
	EXPECT_TRUE (host.timers.empty ());
	runLoop ().detach (&host);
}

TEST (TimerTest, TimersMoveWhenTheirRunLoopLeaves)
{
	FakeHostFrame first;
	FakeHostFrame second;
	int fired = 0;
	runLoop ().attach (&first);
	runLoop ().attach (&first); // a second frame of the same host
	runLoop ().attach (&second);
	auto timer = makeOwned<CVSTGUITimer> ([&] (CVSTGUITimer*) { ++fired; }, 16, true);
	EXPECT_EQ (first.timers.size (), 1u);
	EXPECT_TRUE (second.timers.empty ());
	runLoop ().detach (&first);
	EXPECT_EQ (first.timers.size (), 1u); // still attached once
	runLoop ().detach (&first);
	EXPECT_TRUE (first.timers.empty ());
	ASSERT_EQ (second.timers.size (), 1u);
	second.fire ();
	EXPECT_EQ (fired, 1);
	runLoop ().detach (&second);
	EXPECT_TRUE (second.timers.empty ());
	runLoop ().fireUnhostedTimers ();
	EXPECT_EQ (fired, 2);
	// A timer that waited for a run loop joins the next one attached.
	runLoop ().attach (&first);
	EXPECT_EQ (first.timers.size (), 1u);
	runLoop ().detach (&first);
	runLoop ().detach (&first); // more than attached: ignored
	runLoop ().attach (nullptr);
}

TEST (TimerTest, HostHoldingAHandlerAfterTheTimerCallsNothing)
{
	FakeHostFrame host;
	int fired = 0;
	runLoop ().attach (&host);
	auto timer = makeOwned<CVSTGUITimer> ([&] (CVSTGUITimer*) { ++fired; }, 16, true);
	ASSERT_EQ (host.timers.size (), 1u);
	Steinberg::Linux::ITimerHandler* held = host.timers[0].handler;
	held->addRef ();
	timer = nullptr;
	held->onTimer (); // a late call from the host's loop
	held->release ();
	EXPECT_EQ (fired, 0);
	runLoop ().detach (&host);
}

} // namespace
