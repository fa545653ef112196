// A host's plug frame with the Linux run loop that embedding hosts offer: it
// records the timers registered with it and fires them on demand.
#pragma once

#include "pluginterfaces/gui/iplugview.h"

#include <algorithm>
#include <vector>

namespace Steinberg {

class FakeHostFrame : public IPlugFrame, public Linux::IRunLoop
{
public:
	struct Registration
	{
		Linux::ITimerHandler* handler;
		Linux::TimerInterval interval;
	};

	~FakeHostFrame ()
	{
		for (auto& r : timers)
			r.handler->release ();
	}

	tresult PLUGIN_API resizeView (IPlugView*, ViewRect*) override { return kResultTrue; }

	tresult PLUGIN_API registerEventHandler (Linux::IEventHandler*, Linux::FileDescriptor) override
	{
		return kNotImplemented;
	}
	tresult PLUGIN_API unregisterEventHandler (Linux::IEventHandler*) override
	{
		return kNotImplemented;
	}
	tresult PLUGIN_API registerTimer (Linux::ITimerHandler* handler,
	                                  Linux::TimerInterval milliseconds) override
	{
		if (!handler)
			return kInvalidArgument;
		handler->addRef ();
		timers.push_back ({handler, milliseconds});
		++registrations;
		return kResultTrue;
	}
	tresult PLUGIN_API unregisterTimer (Linux::ITimerHandler* handler) override
	{
		auto it = std::find_if (timers.begin (), timers.end (),
		                        [&] (const Registration& r) { return r.handler == handler; });
		if (it == timers.end ())
			return kResultFalse;
		timers.erase (it);
		handler->release ();
		return kResultTrue;
	}

	// Fires every registered timer once, as the host's loop would.
	void fire ()
	{
		std::vector<Linux::ITimerHandler*> due;
		for (auto& r : timers)
		{
			r.handler->addRef ();
			due.push_back (r.handler);
		}
		for (auto* handler : due)
		{
			handler->onTimer ();
			handler->release ();
		}
	}

	tresult PLUGIN_API queryInterface (const TUID iid, void** obj) override
	{
		QUERY_INTERFACE (iid, obj, FUnknown::iid, IPlugFrame)
		QUERY_INTERFACE (iid, obj, IPlugFrame::iid, IPlugFrame)
		if (offersRunLoop)
		{
			QUERY_INTERFACE (iid, obj, Linux::IRunLoop::iid, Linux::IRunLoop)
		}
		*obj = nullptr;
		return kNoInterface;
	}
	// Lives on the test's stack.
	uint32 PLUGIN_API addRef () override { return 1000; }
	uint32 PLUGIN_API release () override { return 1000; }

	std::vector<Registration> timers;
	int registrations = 0;
	bool offersRunLoop = true;
};

} // namespace Steinberg
