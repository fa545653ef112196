// What an X11 frame is opened with beside the parent window.
#pragma once

#include "vstgui/lib/platform/iplatformframe.h"

#include "pluginterfaces/base/smartpointer.h"
#include "pluginterfaces/gui/iplugview.h"

namespace VSTGUI {
namespace X11 {

struct FrameConfig : IPlatformFrameConfig
{
	// The host frame's run loop; may be absent.
	Steinberg::IPtr<Steinberg::Linux::IRunLoop> runLoop;
};

} // namespace X11
} // namespace VSTGUI
