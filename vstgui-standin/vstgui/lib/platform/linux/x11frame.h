// A frame embedded in an X11 window of the host. It records the parent window
// and brings the host's run loop to the module's timers; it opens no X
// connection of its own.
#pragma once

#include "vstgui/lib/platform/iplatformframe.h"

#include "pluginterfaces/base/smartpointer.h"
#include "pluginterfaces/gui/iplugview.h"

#include <cstdint>

namespace VSTGUI {
namespace X11 {

struct FrameConfig : IPlatformFrameConfig
{
	// The host frame's run loop; may be absent.
	Steinberg::IPtr<Steinberg::Linux::IRunLoop> runLoop;
};

class Frame : public IPlatformFrame
{
public:
	Frame (uintptr_t parentWindow, Steinberg::Linux::IRunLoop* runLoop);
	~Frame () noexcept override;

	uintptr_t getParentWindow () const { return parentWindow; }
	Steinberg::Linux::IRunLoop* getRunLoop () const { return runLoop; }

	void invalidRect (const CRect&) override {}

private:
	uintptr_t parentWindow;
	Steinberg::IPtr<Steinberg::Linux::IRunLoop> runLoop;
};

} // namespace X11
} // namespace VSTGUI
