#include "vstgui/lib/platform/linux/x11timer.h"

#include "vstgui/lib/platform/linux/x11runloop.h"
#include "vstgui/lib/platform/linux/x11runloophandler.h"

#include <new>

namespace VSTGUI {

std::unique_ptr<IPlatformTimer> IPlatformTimer::create (IPlatformTimerCallback* callback)
{
	return std::make_unique<X11::Timer> (callback);
}

namespace X11 {

class Timer::Handler : public RunLoopHandler<Steinberg::Linux::ITimerHandler>
{
public:
	explicit Handler (IPlatformTimerCallback* callback) : callback (callback) {}

	void disconnect () { callback = nullptr; }

	// Kept alive through the callback, which may destroy the timer.
	void PLUGIN_API onTimer () override
	{
		invoke ([this] {
			if (callback)
				callback->fire ();
		});
	}

private:
	IPlatformTimerCallback* callback;
};

Timer::Timer (IPlatformTimerCallback* callback)
: handler (Steinberg::owned (new Handler (callback)))
{
}

Timer::~Timer () noexcept
{
	stop ();
	handler->disconnect ();
}

bool Timer::start (uint32_t periodMs) { return RunLoop::instance ().startTimer (handler, periodMs); }

bool Timer::stop ()
{
	RunLoop::instance ().stopTimer (handler);
	return true;
}

} // namespace X11
} // namespace VSTGUI
