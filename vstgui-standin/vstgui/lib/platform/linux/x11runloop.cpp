#include "vstgui/lib/platform/linux/x11runloop.h"

#include <algorithm>

namespace VSTGUI {
namespace X11 {

RunLoop& RunLoop::instance ()
{
	static RunLoop runLoop;
	return runLoop;
}

RunLoop::IRunLoop* RunLoop::current () const
{
	return loops.empty () ? nullptr : loops.front ().runLoop.get ();
}

void RunLoop::host (Timer& timer)
{
	timer.hostedBy = nullptr;
	if (IRunLoop* loop = current ())
	{
		if (loop->registerTimer (timer.handler, timer.periodMs) == Steinberg::kResultTrue)
			timer.hostedBy = loop;
	}
}

void RunLoop::attach (IRunLoop* runLoop)
{
	if (!runLoop)
		return;
	auto it = std::find_if (loops.begin (), loops.end (),
	                        [&] (const HostLoop& l) { return l.runLoop == runLoop; });
	if (it != loops.end ())
	{
		++it->uses;
		return;
	}
	loops.push_back ({runLoop, 1});
	for (auto& timer : timers)
	{
		if (!timer.hostedBy)
			host (timer);
	}
}

void RunLoop::detach (IRunLoop* runLoop)
{
	auto it = std::find_if (loops.begin (), loops.end (),
	                        [&] (const HostLoop& l) { return l.runLoop == runLoop; });
	if (it == loops.end () || --it->uses > 0)
		return;
	// Kept alive until its timers have left it.
	Steinberg::IPtr<IRunLoop> leaving = it->runLoop;
	loops.erase (it);
	for (auto& timer : timers)
	{
		if (timer.hostedBy != leaving)
			continue;
		leaving->unregisterTimer (timer.handler);
		host (timer);
	}
}

bool RunLoop::startTimer (ITimerHandler* handler, uint32_t periodMs)
{
	if (!handler)
		return false;
	stopTimer (handler);
	timers.push_back ({handler, periodMs, nullptr});
	host (timers.back ());
	return true;
}

void RunLoop::stopTimer (ITimerHandler* handler)
{
	auto it = std::find_if (timers.begin (), timers.end (),
	                        [&] (const Timer& t) { return t.handler == handler; });
	if (it == timers.end ())
		return;
	Timer timer = *it;
	timers.erase (it);
	if (timer.hostedBy)
		timer.hostedBy->unregisterTimer (timer.handler);
}

void RunLoop::fireUnhostedTimers ()
{
	std::vector<Steinberg::IPtr<ITimerHandler>> due;
	for (auto& timer : timers)
	{
		if (!timer.hostedBy)
			due.push_back (timer.handler);
	}
	for (auto& handler : due)
	{
		// A callback may stop or start timers; only those still unhosted fire.
		auto it = std::find_if (timers.begin (), timers.end (),
		                        [&] (const Timer& t) { return t.handler == handler; });
		if (it != timers.end () && !it->hostedBy)
			handler->onTimer ();
	}
}

} // namespace X11
} // namespace VSTGUI
