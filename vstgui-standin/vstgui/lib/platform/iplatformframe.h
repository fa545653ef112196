// The native side of a frame. A platform's frame config carries what that
// platform needs beyond the parent handle.
#pragma once

#include "vstgui/lib/crect.h"

#include <memory>

namespace VSTGUI {

class IPlatformFrameConfig
{
public:
	virtual ~IPlatformFrameConfig () noexcept = default;
};

class IPlatformFrame
{
public:
	virtual ~IPlatformFrame () noexcept = default;

	// The native frame for the parent, or none when the platform type or the
	// parent cannot be served.
	static std::unique_ptr<IPlatformFrame> create (void* parent, PlatformType type,
	                                               IPlatformFrameConfig* config);

	virtual void invalidRect (const CRect& rect) = 0;
};

} // namespace VSTGUI
