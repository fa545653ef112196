// A Linux VST3 host's side of an embedded editor, on a real X display: the
// top-level windows it gives editors, a plug frame whose run loop polls the
// file descriptors and fires the timers registered with it, screenshots read
// back from the server, and synthetic input through the XTest extension.
#pragma once

#include "picture.h"

#include "pluginterfaces/gui/iplugview.h"

#include <cstdint>
#include <functional>
#include <vector>

struct _XDisplay;

namespace Steinberg {

using XWindowId = unsigned long;

class X11TestHost : public IPlugFrame, public Linux::IRunLoop
{
public:
	// Connects to the display of the environment; ok () tells.
	X11TestHost ();
	~X11TestHost ();

	X11TestHost (const X11TestHost&) = delete;
	X11TestHost& operator= (const X11TestHost&) = delete;

	bool ok () const { return display != nullptr; }
	// Skips the calling test on a machine without a display, unless the
	// environment says one is required (as CI does), then it fails.
	static bool displayRequired ();

	// Closes the host's connection, leaving its windows to the server, and
	// goes on as a run loop only: what a test does before it kills the
	// server, whose loss Xlib would end the process for.
	void disconnectLeavingWindows ();

	// A mapped top-level window at the position, viewable on return.
	XWindowId createParent (int x, int y, int width, int height);
	void destroyWindow (XWindowId window);
	// An id that names no window: a pixmap's.
	XWindowId createPixmap ();
	void freePixmap (XWindowId pixmap);
	std::vector<XWindowId> childrenOf (XWindowId window);
	struct Geometry
	{
		int width = 0;
		int height = 0;
		bool viewable = false;
		bool exists = false;
	};
	Geometry geometryOf (XWindowId window);
	// Closes the connection of the client that made the window.
	void killClientOf (XWindowId window);
	Picture screenshot (XWindowId window);

	// Polls the registered descriptors and fires the due timers for the time.
	void runFor (int milliseconds);
	// Runs until done answers true or the time is up; done's last answer.
	bool runUntil (const std::function<bool ()>& done, int timeoutMs);

	// Input at a point of a window, through the server as a user's would be.
	bool hasXTest () const { return xtest; }
	void moveTo (XWindowId window, int x, int y);
	void pressButton (int button);
	void releaseButton (int button);
	void pressKey (unsigned long keysym);
	void releaseKey (unsigned long keysym);
	// Gives the window the keyboard focus.
	void focus (XWindowId window);
	// Whether the host could take the pointer now; it lets it go again.
	bool canGrabPointer ();

	// IPlugFrame
	tresult PLUGIN_API resizeView (IPlugView*, ViewRect*) override { return kResultTrue; }
	// IRunLoop
	tresult PLUGIN_API registerEventHandler (Linux::IEventHandler* handler,
	                                         Linux::FileDescriptor fd) override;
	tresult PLUGIN_API unregisterEventHandler (Linux::IEventHandler* handler) override;
	tresult PLUGIN_API registerTimer (Linux::ITimerHandler* handler,
	                                  Linux::TimerInterval milliseconds) override;
	tresult PLUGIN_API unregisterTimer (Linux::ITimerHandler* handler) override;

	tresult PLUGIN_API queryInterface (const TUID iid, void** obj) override;
	// Lives on the test's stack.
	uint32 PLUGIN_API addRef () override { return 1000; }
	uint32 PLUGIN_API release () override { return 1000; }

	size_t eventHandlerCount () const { return eventHandlers.size (); }
	size_t timerCount () const { return timers.size (); }
	int eventHandlerRegistrations = 0;
	int timerRegistrations = 0;
	// Without, the plug-in finds no run loop on the frame.
	bool offersRunLoop = true;

private:
	struct EventRegistration
	{
		Linux::IEventHandler* handler;
		Linux::FileDescriptor fd;
	};
	struct TimerRegistration
	{
		Linux::ITimerHandler* handler;
		Linux::TimerInterval interval;
		int64_t due;
	};

	void step (int64_t deadline);
	void drainOwnEvents ();
	void sync ();

	_XDisplay* display = nullptr;
	bool xtest = false;
	std::vector<XWindowId> windows;
	std::vector<EventRegistration> eventHandlers;
	std::vector<TimerRegistration> timers;
};

} // namespace Steinberg
