// A timer of the Linux platform: a timer handler of the host's run loop,
// reference counted on its own so that a host holding it after the timer is
// gone calls nothing.
#pragma once

#include "vstgui/lib/platform/iplatformtimer.h"

#include "pluginterfaces/base/smartpointer.h"
#include "pluginterfaces/gui/iplugview.h"

#include <atomic>

namespace VSTGUI {
namespace X11 {

class Timer : public IPlatformTimer
{
public:
	explicit Timer (IPlatformTimerCallback* callback);
	~Timer () noexcept override;

	bool start (uint32_t periodMs) override;
	bool stop () override;

private:
	class Handler;

	Steinberg::IPtr<Handler> handler;
};

} // namespace X11
} // namespace VSTGUI
