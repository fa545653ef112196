// The native side of a frame, and what it calls back into the frame for: the
// drawing of a region, the mouse and the keyboard. A platform's frame config carries what
// that platform needs beyond the parent handle.
#pragma once

#include "vstgui/lib/crect.h"
#include "vstgui/lib/cview.h"

#include <memory>

namespace VSTGUI {

class IPlatformFrameCallback
{
public:
	virtual ~IPlatformFrameCallback () noexcept = default;

	// Draws what lies in the rectangle, in frame coordinates.
	virtual void platformDrawRect (CDrawContext* context, const CRect& rect) = 0;
	virtual CMouseEventResult platformOnMouseDown (CPoint& where, const CButtonState& buttons) = 0;
	virtual CMouseEventResult platformOnMouseMoved (CPoint& where, const CButtonState& buttons) = 0;
	virtual CMouseEventResult platformOnMouseUp (CPoint& where, const CButtonState& buttons) = 0;
	virtual bool platformOnMouseWheel (const CPoint& where, const CMouseWheelAxis& axis,
	                                   const float& distance, const CButtonState& buttons) = 0;
	// The pointer left the window.
	virtual void platformOnMouseExited () = 0;
	// True when a view used the key.
	virtual bool platformOnKeyDown (VstKeyCode& keyCode) = 0;
	virtual bool platformOnKeyUp (VstKeyCode& keyCode) = 0;
};

class IPlatformFrameConfig
{
public:
	virtual ~IPlatformFrameConfig () noexcept = default;
};

class IPlatformFrame
{
public:
	virtual ~IPlatformFrame () noexcept = default;

	// The native frame of the given size in the parent, or none when the
	// platform type or the parent cannot be served. The frame calls back into
	// the callback, which must outlive it.
	static std::unique_ptr<IPlatformFrame> create (IPlatformFrameCallback* frame, const CRect& size,
	                                               void* parent, PlatformType type,
	                                               IPlatformFrameConfig* config);

	// Asks for the rectangle, in frame coordinates, to be drawn soon.
	virtual void invalidRect (const CRect& rect) = 0;
};

} // namespace VSTGUI
