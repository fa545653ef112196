#include "vstgui/lib/platform/linux/x11timer.h"

#include "vstgui/lib/platform/linux/x11runloop.h"

#include <new>

namespace VSTGUI {

std::unique_ptr<IPlatformTimer> IPlatformTimer::create (IPlatformTimerCallback* callback)
{
	return std::make_unique<X11::Timer> (callback);
}

namespace X11 {

class Timer::Handler : public Steinberg::Linux::ITimerHandler
{
public:
	explicit Handler (IPlatformTimerCallback* callback) : callback (callback) {}
	virtual ~Handler () noexcept = default;

	void disconnect () { callback = nullptr; }

	void PLUGIN_API onTimer () override
	{
		// Kept alive through the callback, which may destroy the timer.
		Steinberg::IPtr<Handler> self (this);
		if (!callback)
			return;
		try
		{
			callback->fire ();
		}
		catch (...)
		{
			// Nothing may reach the host's run loop.
		}
	}

	Steinberg::tresult PLUGIN_API queryInterface (const Steinberg::TUID iid, void** obj) override
	{
		if (!obj)
			return Steinberg::kInvalidArgument;
		if (Steinberg::FUnknownPrivate::iidEqual (iid, Steinberg::FUnknown::iid) ||
		    Steinberg::FUnknownPrivate::iidEqual (iid, Steinberg::Linux::ITimerHandler::iid))
		{
			addRef ();
			*obj = static_cast<Steinberg::Linux::ITimerHandler*> (this);
			return Steinberg::kResultOk;
		}
		*obj = nullptr;
		return Steinberg::kNoInterface;
	}
	Steinberg::uint32 PLUGIN_API addRef () override { return ++refCount; }
	Steinberg::uint32 PLUGIN_API release () override
	{
		Steinberg::uint32 count = --refCount;
		if (count == 0)
			delete this;
		return count;
	}

private:
	IPlatformTimerCallback* callback;
	std::atomic<Steinberg::uint32> refCount {1};
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
