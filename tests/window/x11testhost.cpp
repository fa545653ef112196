#include "x11testhost.h"

#include "vstgui/lib/platform/linux/x11sigpipeguard.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace Steinberg {

namespace {

int64_t nowMs ()
{
	using namespace std::chrono;
	return duration_cast<milliseconds> (steady_clock::now ().time_since_epoch ()).count ();
}

// The host's own errors (a query for a window that is gone) are expected.
int ignoreErrors (Display*, XErrorEvent*) { return 0; }

} // namespace

X11TestHost::X11TestHost ()
{
	// A server started without -noreset resets when its last client leaves
	// (another test's, or an editor's), and drops the clients that connected
	// but were not yet set up: the connection fails, or its first write
	// raises SIGPIPE. Such a connection is tried again; one that was set up
	// keeps the server from resetting until it closes.
	const char* name = std::getenv ("DISPLAY");
	const int64_t deadline = nowMs () + 3000;
	do
	{
		{
			const VSTGUI::X11::SigpipeGuard guard;
			display = XOpenDisplay (nullptr);
		}
		if (!display && name && *name)
			usleep (20000);
	} while (!display && name && *name && nowMs () < deadline);
	if (!display)
		return;
	XSetErrorHandler (&ignoreErrors);
	int event = 0, error = 0, major = 0, minor = 0;
	xtest = XTestQueryExtension (display, &event, &error, &major, &minor);
}

X11TestHost::~X11TestHost ()
{
	for (auto& r : eventHandlers)
		r.handler->release ();
	for (auto& r : timers)
		r.handler->release ();
	if (!display)
		return;
	for (XWindowId window : windows)
		XDestroyWindow (display, window);
	XCloseDisplay (display);
}

void X11TestHost::disconnectLeavingWindows ()
{
	if (!display)
		return;
	XSetCloseDownMode (display, RetainPermanent);
	XCloseDisplay (display);
	display = nullptr;
	xtest = false;
	windows.clear ();
}

bool X11TestHost::displayRequired ()
{
	const char* required = std::getenv ("DERAZID_REQUIRE_DISPLAY");
	return required && *required && std::strcmp (required, "0") != 0;
}

void X11TestHost::sync ()
{
	if (display)
		XSync (display, False);
}

XWindowId X11TestHost::createParent (int x, int y, int width, int height)
{
	if (!display)
		return 0;
	const int screen = DefaultScreen (display);
	XSetWindowAttributes attributes {};
	attributes.background_pixel = BlackPixel (display, screen);
	attributes.event_mask = StructureNotifyMask;
	attributes.override_redirect = True;
	Window window = XCreateWindow (display, RootWindow (display, screen), x, y,
	                               static_cast<unsigned> (width), static_cast<unsigned> (height), 0,
	                               CopyFromParent, InputOutput, CopyFromParent,
	                               CWBackPixel | CWEventMask | CWOverrideRedirect, &attributes);
	windows.push_back (window);
	XMapRaised (display, window);
	XEvent event;
	do
		XWindowEvent (display, window, StructureNotifyMask, &event);
	while (event.type != MapNotify);
	sync ();
	return window;
}

void X11TestHost::destroyWindow (XWindowId window)
{
	if (!display)
		return;
	windows.erase (std::remove (windows.begin (), windows.end (), window), windows.end ());
	XDestroyWindow (display, window);
	sync ();
}

XWindowId X11TestHost::createPixmap ()
{
	if (!display)
		return 0;
	const int screen = DefaultScreen (display);
	Pixmap pixmap = XCreatePixmap (display, RootWindow (display, screen), 8, 8,
	                               static_cast<unsigned> (DefaultDepth (display, screen)));
	sync ();
	return pixmap;
}

void X11TestHost::freePixmap (XWindowId pixmap)
{
	if (display)
		XFreePixmap (display, pixmap);
	sync ();
}

std::vector<XWindowId> X11TestHost::childrenOf (XWindowId window)
{
	std::vector<XWindowId> result;
	if (!display)
		return result;
	Window root = 0, parent = 0;
	Window* children = nullptr;
	unsigned count = 0;
	if (XQueryTree (display, window, &root, &parent, &children, &count))
	{
		result.assign (children, children + count);
		if (children)
			XFree (children);
	}
	return result;
}

X11TestHost::Geometry X11TestHost::geometryOf (XWindowId window)
{
	Geometry geometry;
	XWindowAttributes attributes {};
	if (display && XGetWindowAttributes (display, window, &attributes))
	{
		geometry.exists = true;
		geometry.width = attributes.width;
		geometry.height = attributes.height;
		geometry.viewable = attributes.map_state == IsViewable;
	}
	return geometry;
}

void X11TestHost::killClientOf (XWindowId window)
{
	if (!display)
		return;
	XKillClient (display, window);
	sync ();
}

Picture X11TestHost::screenshot (XWindowId window)
{
	Picture picture;
	const Geometry geometry = geometryOf (window);
	if (!geometry.exists || !geometry.viewable)
		return picture;
	sync ();
	XImage* image = XGetImage (display, window, 0, 0, static_cast<unsigned> (geometry.width),
	                           static_cast<unsigned> (geometry.height), AllPlanes, ZPixmap);
	if (!image)
		return picture;
	picture.width = geometry.width;
	picture.height = geometry.height;
	picture.pixels.resize (static_cast<size_t> (picture.width) * picture.height);
	for (int y = 0; y < picture.height; ++y)
		for (int x = 0; x < picture.width; ++x)
			picture.pixels[static_cast<size_t> (y) * picture.width + x] =
			    static_cast<uint32_t> (XGetPixel (image, x, y)) & 0xffffff;
	XDestroyImage (image);
	return picture;
}

void X11TestHost::drainOwnEvents ()
{
	while (display && XPending (display) > 0)
	{
		XEvent event;
		XNextEvent (display, &event);
	}
}

void X11TestHost::step (int64_t deadline)
{
	int64_t wake = deadline;
	for (auto& t : timers)
		wake = std::min (wake, t.due);
	std::vector<pollfd> fds;
	for (auto& r : eventHandlers)
		fds.push_back ({r.fd, POLLIN, 0});
	const int timeout = static_cast<int> (std::max<int64_t> (0, wake - nowMs ()));
	if (poll (fds.data (), fds.size (), timeout) > 0)
	{
		for (auto& fd : fds)
		{
			if (!(fd.revents & (POLLIN | POLLHUP | POLLERR)))
				continue;
			// A handler may unregister itself or others while called.
			auto it = std::find_if (eventHandlers.begin (), eventHandlers.end (),
			                        [&] (const EventRegistration& r) { return r.fd == fd.fd; });
			if (it == eventHandlers.end ())
				continue;
			Linux::IEventHandler* handler = it->handler;
			handler->addRef ();
			handler->onFDIsSet (fd.fd);
			handler->release ();
		}
	}
	const int64_t now = nowMs ();
	std::vector<Linux::ITimerHandler*> due;
	for (auto& t : timers)
	{
		if (t.due <= now)
		{
			t.due = now + t.interval;
			t.handler->addRef ();
			due.push_back (t.handler);
		}
	}
	for (auto* handler : due)
	{
		if (std::any_of (timers.begin (), timers.end (),
		                 [&] (const TimerRegistration& t) { return t.handler == handler; }))
			handler->onTimer ();
		handler->release ();
	}
	drainOwnEvents ();
}

void X11TestHost::runFor (int milliseconds)
{
	const int64_t deadline = nowMs () + milliseconds;
	do
		step (deadline);
	while (nowMs () < deadline);
}

bool X11TestHost::runUntil (const std::function<bool ()>& done, int timeoutMs)
{
	const int64_t deadline = nowMs () + timeoutMs;
	while (!done ())
	{
		if (nowMs () >= deadline)
			return done ();
		step (std::min (deadline, nowMs () + 10));
	}
	return true;
}

void X11TestHost::moveTo (XWindowId window, int x, int y)
{
	if (!display || !xtest)
		return;
	Window child = 0;
	int rootX = 0, rootY = 0;
	const int screen = DefaultScreen (display);
	XTranslateCoordinates (display, window, RootWindow (display, screen), x, y, &rootX, &rootY,
	                       &child);
	XTestFakeMotionEvent (display, screen, rootX, rootY, CurrentTime);
	sync ();
}

void X11TestHost::pressButton (int button)
{
	if (display && xtest)
		XTestFakeButtonEvent (display, static_cast<unsigned> (button), True, CurrentTime);
	sync ();
}

void X11TestHost::releaseButton (int button)
{
	if (display && xtest)
		XTestFakeButtonEvent (display, static_cast<unsigned> (button), False, CurrentTime);
	sync ();
}

void X11TestHost::pressKey (unsigned long keysym)
{
	if (display && xtest)
		XTestFakeKeyEvent (display, XKeysymToKeycode (display, keysym), True, CurrentTime);
	sync ();
}

void X11TestHost::releaseKey (unsigned long keysym)
{
	if (display && xtest)
		XTestFakeKeyEvent (display, XKeysymToKeycode (display, keysym), False, CurrentTime);
	sync ();
}

void X11TestHost::focus (XWindowId window)
{
	if (display)
		XSetInputFocus (display, window, RevertToParent, CurrentTime);
	sync ();
}

bool X11TestHost::canGrabPointer ()
{
	if (!display)
		return false;
	const int result = XGrabPointer (display, DefaultRootWindow (display), False, ButtonPressMask,
	                                 GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
	if (result == GrabSuccess)
		XUngrabPointer (display, CurrentTime);
	sync ();
	return result == GrabSuccess;
}

tresult PLUGIN_API X11TestHost::registerEventHandler (Linux::IEventHandler* handler,
                                                     Linux::FileDescriptor fd)
{
	if (!handler || fd < 0)
		return kInvalidArgument;
	handler->addRef ();
	eventHandlers.push_back ({handler, fd});
	++eventHandlerRegistrations;
	return kResultTrue;
}

tresult PLUGIN_API X11TestHost::unregisterEventHandler (Linux::IEventHandler* handler)
{
	auto it = std::find_if (eventHandlers.begin (), eventHandlers.end (),
	                        [&] (const EventRegistration& r) { return r.handler == handler; });
	if (it == eventHandlers.end ())
		return kResultFalse;
	eventHandlers.erase (it);
	handler->release ();
	return kResultTrue;
}

tresult PLUGIN_API X11TestHost::registerTimer (Linux::ITimerHandler* handler,
                                              Linux::TimerInterval milliseconds)
{
	if (!handler)
		return kInvalidArgument;
	handler->addRef ();
	timers.push_back ({handler, milliseconds, nowMs () + static_cast<int64_t> (milliseconds)});
	++timerRegistrations;
	return kResultTrue;
}

tresult PLUGIN_API X11TestHost::unregisterTimer (Linux::ITimerHandler* handler)
{
	auto it = std::find_if (timers.begin (), timers.end (),
	                        [&] (const TimerRegistration& t) { return t.handler == handler; });
	if (it == timers.end ())
		return kResultFalse;
	timers.erase (it);
	handler->release ();
	return kResultTrue;
}

tresult PLUGIN_API X11TestHost::queryInterface (const TUID iid, void** obj)
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

} // namespace Steinberg
