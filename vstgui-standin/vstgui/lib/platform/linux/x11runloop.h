// The module's timers and the host run loops that drive them. Every attached
// frame brings the run loop of its host frame; timers run as timer handlers
// of the oldest run loop still attached. When that one leaves, its timers move
// to the next one, or, with none left, wait for fireUnhostedTimers.
#pragma once

#include "pluginterfaces/base/smartpointer.h"
#include "pluginterfaces/gui/iplugview.h"

#include <cstdint>
#include <vector>

namespace VSTGUI {
namespace X11 {

class RunLoop
{
public:
	using IRunLoop = Steinberg::Linux::IRunLoop;
	using ITimerHandler = Steinberg::Linux::ITimerHandler;

	static RunLoop& instance ();

	// Counted: a run loop stays until it has been detached as often as attached.
	void attach (IRunLoop* runLoop);
	void detach (IRunLoop* runLoop);

	// Starting a started handler restarts it with the new period.
	bool startTimer (ITimerHandler* handler, uint32_t periodMs);
	void stopTimer (ITimerHandler* handler);

	// Fires, once each, the timers that no host run loop drives: what a test
	// without a run loop calls in place of one.
	void fireUnhostedTimers ();

	size_t countTimers () const { return timers.size (); }

private:
	struct HostLoop
	{
		Steinberg::IPtr<IRunLoop> runLoop;
		int32_t uses;
	};
	struct Timer
	{
		Steinberg::IPtr<ITimerHandler> handler;
		uint32_t periodMs;
		IRunLoop* hostedBy;
	};

	IRunLoop* current () const;
	void host (Timer& timer);

	std::vector<HostLoop> loops;
	std::vector<Timer> timers;
};

} // namespace X11
} // namespace VSTGUI
