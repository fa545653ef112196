// The native side of a timer: it calls its callback every period until it is
// stopped or destroyed.
#pragma once

#include <cstdint>
#include <memory>

namespace VSTGUI {

class IPlatformTimerCallback
{
public:
	virtual ~IPlatformTimerCallback () noexcept = default;
	virtual void fire () = 0;
};

class IPlatformTimer
{
public:
	virtual ~IPlatformTimer () noexcept = default;

	static std::unique_ptr<IPlatformTimer> create (IPlatformTimerCallback* callback);

	virtual bool start (uint32_t periodMs) = 0;
	virtual bool stop () = 0;
};

} // namespace VSTGUI
