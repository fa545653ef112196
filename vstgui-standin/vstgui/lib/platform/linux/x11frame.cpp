#include "vstgui/lib/platform/linux/x11frame.h"

#include "vstgui/lib/platform/linux/x11runloop.h"

namespace VSTGUI {

std::unique_ptr<IPlatformFrame> IPlatformFrame::create (void* parent, PlatformType type,
                                                        IPlatformFrameConfig* config)
{
	if (!parent || type != PlatformType::kX11EmbedWindowID)
		return nullptr;
	auto* x11Config = dynamic_cast<X11::FrameConfig*> (config);
	return std::make_unique<X11::Frame> (reinterpret_cast<uintptr_t> (parent),
	                                     x11Config ? x11Config->runLoop.get () : nullptr);
}

namespace X11 {

Frame::Frame (uintptr_t parentWindow, Steinberg::Linux::IRunLoop* runLoop)
: parentWindow (parentWindow), runLoop (runLoop)
{
	RunLoop::instance ().attach (runLoop);
}

Frame::~Frame () noexcept { RunLoop::instance ().detach (runLoop); }

} // namespace X11
} // namespace VSTGUI
