// A frame embedded in an X11 window of the host: a child window of its own,
// on a connection of its own, drawn with cairo from a back buffer and fed
// with the mouse, and with the keys while it has the keyboard focus. The connection's file descriptor is an event handler of
// the host frame's run loop; a tick timer of the toolkit draws what became
// invalid and reads events a host did not hand over. No thread is started.
// When X fails (no display, a parent that is no window, an error, a lost
// connection, the parent destroyed first) the frame stops drawing and the
// views go on without it.
#pragma once

#include "vstgui/lib/platform/iplatformframe.h"
#include "vstgui/lib/platform/iplatformtimer.h"
#include "vstgui/lib/platform/linux/x11childwindow.h"
#include "vstgui/lib/platform/linux/x11frameconfig.h"
#include "vstgui/lib/platform/linux/x11mouseevent.h"

#include "pluginterfaces/base/smartpointer.h"
#include "pluginterfaces/gui/iplugview.h"

#include <cstdint>
#include <memory>

typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI {
namespace X11 {

class Frame : public IPlatformFrame, private IPlatformTimerCallback
{
public:
	static constexpr uint32_t kTickMs = 16;

	Frame (IPlatformFrameCallback* callback, const CRect& size, uintptr_t parentWindow,
	       Steinberg::Linux::IRunLoop* runLoop);
	~Frame () noexcept override;

	uintptr_t getParentWindow () const { return parentWindow; }
	Steinberg::Linux::IRunLoop* getRunLoop () const { return runLoop; }

	// True while the window can be drawn.
	bool isDrawing () const { return window && window->isUsable (); }
	// Why it cannot, if so; kNone while it can.
	WindowFailure getFailure () const;
	// Errors the server reported for the frame's requests.
	uint32_t getErrorCount () const;
	uint32_t getWindowId () const { return windowId; }
	// Whether the host's run loop watches the connection.
	bool isEventHandlerRegistered () const { return eventHandlerRegistered; }

	void invalidRect (const CRect& rect) override;

	// Handles the events that arrived, then draws what is invalid.
	void processEvents ();
	void drawInvalidRect ();

private:
	class EventHandler;

	void fire () override;
	void handleEvent (const xcb_generic_event_t* event);
	void onButtonPress (const xcb_button_press_event_t* event);
	void onButtonRelease (const xcb_button_press_event_t* event);
	void onMotion (const xcb_motion_notify_event_t* event);
	void onFocus (const xcb_focus_in_event_t* event, bool focused);
	void onKey (const xcb_key_press_event_t* event, bool pressed);
	// Lets the window go once it failed; its failure is kept.
	void releaseFailedWindow ();

	IPlatformFrameCallback* callback;
	CRect size;
	uintptr_t parentWindow;
	Steinberg::IPtr<Steinberg::Linux::IRunLoop> runLoop;
	std::unique_ptr<ChildWindow> window;
	uint32_t windowId {0};
	WindowFailure keptFailure {WindowFailure::kNone};
	uint32_t keptErrorCount {0};
	Steinberg::IPtr<EventHandler> eventHandler;
	bool eventHandlerRegistered {false};
	std::unique_ptr<IPlatformTimer> tick;
	cairo_surface_t* backBuffer {nullptr};
	CRect invalid;
	DoubleClickDetector doubleClick;
	int32_t sideButtons {0};
	// Cleared when the frame goes, which a callback into the views may cause.
	std::shared_ptr<bool> alive;
};

} // namespace X11
} // namespace VSTGUI
