#include "vstgui/lib/platform/linux/x11frame.h"

#include "vstgui/lib/platform/linux/cairodrawcontext.h"
#include "vstgui/lib/platform/linux/x11keyevent.h"
#include "vstgui/lib/platform/linux/x11runloop.h"
#include "vstgui/lib/platform/linux/x11runloophandler.h"

#include <cairo.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace VSTGUI {

std::unique_ptr<IPlatformFrame> IPlatformFrame::create (IPlatformFrameCallback* frame,
                                                        const CRect& size, void* parent,
                                                        PlatformType type,
                                                        IPlatformFrameConfig* config)
{
	if (!frame || !parent || type != PlatformType::kX11EmbedWindowID)
		return nullptr;
	auto* x11Config = dynamic_cast<X11::FrameConfig*> (config);
	return std::make_unique<X11::Frame> (frame, size, reinterpret_cast<uintptr_t> (parent),
	                                     x11Config ? x11Config->runLoop.get () : nullptr);
}

namespace X11 {

namespace {

constexpr CCoord kMaxWindowSide = 16384.;

using Event = std::unique_ptr<xcb_generic_event_t, decltype (&std::free)>;

uint8_t eventType (const xcb_generic_event_t* event) { return event->response_type & 0x7f; }

// Whole pixels covering the rectangle, within the frame.
CRect pixelRect (const CRect& rect, const CRect& bounds)
{
	CRect r (std::floor (rect.left), std::floor (rect.top), std::ceil (rect.right),
	         std::ceil (rect.bottom));
	return r.bound (bounds);
}

} // namespace

// The connection's watcher for the host's run loop.
class Frame::EventHandler : public RunLoopHandler<Steinberg::Linux::IEventHandler>
{
public:
	explicit EventHandler (Frame* frame) : frame (frame) {}

	void disconnect () { frame = nullptr; }

	void PLUGIN_API onFDIsSet (Steinberg::Linux::FileDescriptor) override
	{
		invoke ([this] {
			if (frame)
				frame->processEvents ();
		});
	}

private:
	Frame* frame;
};

Frame::Frame (IPlatformFrameCallback* callback, const CRect& size, uintptr_t parentWindow,
              Steinberg::Linux::IRunLoop* runLoop)
: callback (callback),
  size (0., 0., std::min (kMaxWindowSide, std::max (1., std::round (size.getWidth ()))),
        std::min (kMaxWindowSide, std::max (1., std::round (size.getHeight ())))),
  parentWindow (parentWindow),
  runLoop (runLoop),
  alive (std::make_shared<bool> (true))
{
	RunLoop::instance ().attach (runLoop);
	if (parentWindow > UINT32_MAX)
	{
		keptFailure = WindowFailure::kParentNotAWindow;
		return;
	}
	window = std::make_unique<ChildWindow> (static_cast<uint32_t> (parentWindow),
	                                        static_cast<uint16_t> (this->size.getWidth ()),
	                                        static_cast<uint16_t> (this->size.getHeight ()));
	if (!window->isUsable ())
	{
		keptFailure = window->getFailure ();
		keptErrorCount = window->getErrorCount ();
		window.reset ();
		return;
	}
	windowId = window->getWindowId ();
	backBuffer = cairo_image_surface_create (CAIRO_FORMAT_RGB24,
	                                         static_cast<int> (this->size.getWidth ()),
	                                         static_cast<int> (this->size.getHeight ()));
	if (cairo_surface_status (backBuffer) != CAIRO_STATUS_SUCCESS)
	{
		cairo_surface_destroy (backBuffer);
		backBuffer = nullptr;
		window.reset ();
		return;
	}
	eventHandler = Steinberg::owned (new EventHandler (this));
	if (runLoop)
		eventHandlerRegistered =
		    runLoop->registerEventHandler (eventHandler, window->getFileDescriptor ()) ==
		    Steinberg::kResultTrue;
	tick = IPlatformTimer::create (this);
	if (tick)
		tick->start (kTickMs);
	invalid = this->size;
}

Frame::~Frame () noexcept
{
	*alive = false;
	if (tick)
		tick->stop ();
	tick.reset ();
	if (eventHandlerRegistered && runLoop)
		runLoop->unregisterEventHandler (eventHandler);
	eventHandlerRegistered = false;
	if (eventHandler)
		eventHandler->disconnect ();
	if (backBuffer)
		cairo_surface_destroy (backBuffer);
	window.reset ();
	RunLoop::instance ().detach (runLoop);
}

WindowFailure Frame::getFailure () const
{
	if (window && window->getFailure () != WindowFailure::kNone)
		return window->getFailure ();
	return keptFailure;
}

uint32_t Frame::getErrorCount () const
{
	return window ? window->getErrorCount () : keptErrorCount;
}

void Frame::invalidRect (const CRect& rect)
{
	if (!isDrawing ())
		return;
	invalid.unite (pixelRect (rect, size));
}

void Frame::fire ()
{
	const std::shared_ptr<bool> token = alive;
	processEvents ();
	if (*token && window && !window->isUsable ())
		releaseFailedWindow ();
}

void Frame::releaseFailedWindow ()
{
	keptFailure = window->getFailure ();
	keptErrorCount = window->getErrorCount ();
	// A lost connection's descriptor would keep waking the host's loop.
	if (eventHandlerRegistered && runLoop)
		runLoop->unregisterEventHandler (eventHandler);
	eventHandlerRegistered = false;
	window.reset ();
	invalid = CRect ();
}

void Frame::processEvents ()
{
	if (!window || !window->isConnected ())
		return;
	const std::shared_ptr<bool> token = alive;
	std::vector<Event> events;
	while (xcb_generic_event_t* event = window->pollEvent ())
		events.emplace_back (event, &std::free);
	for (size_t i = 0; i < events.size (); ++i)
	{
		// Only the last of a run of moves matters.
		if (eventType (events[i].get ()) == XCB_MOTION_NOTIFY && i + 1 < events.size () &&
		    eventType (events[i + 1].get ()) == XCB_MOTION_NOTIFY)
			continue;
		handleEvent (events[i].get ());
		if (!*token || !window)
			return;
	}
	drawInvalidRect ();
}

void Frame::handleEvent (const xcb_generic_event_t* event)
{
	switch (eventType (event))
	{
		case XCB_EXPOSE:
		{
			const auto* expose = reinterpret_cast<const xcb_expose_event_t*> (event);
			invalidRect (CRect (expose->x, expose->y, expose->x + expose->width,
			                    expose->y + expose->height));
			break;
		}
		case XCB_BUTTON_PRESS:
			onButtonPress (reinterpret_cast<const xcb_button_press_event_t*> (event));
			break;
		case XCB_BUTTON_RELEASE:
			onButtonRelease (reinterpret_cast<const xcb_button_press_event_t*> (event));
			break;
		case XCB_MOTION_NOTIFY:
			onMotion (reinterpret_cast<const xcb_motion_notify_event_t*> (event));
			break;
		case XCB_LEAVE_NOTIFY: callback->platformOnMouseExited (); break;
		case XCB_FOCUS_IN:
		case XCB_FOCUS_OUT:
			onFocus (reinterpret_cast<const xcb_focus_in_event_t*> (event),
			         eventType (event) == XCB_FOCUS_IN);
			break;
		case XCB_KEY_PRESS:
		case XCB_KEY_RELEASE:
			onKey (reinterpret_cast<const xcb_key_press_event_t*> (event),
			       eventType (event) == XCB_KEY_PRESS);
			break;
		case XCB_MAPPING_NOTIFY: window->forgetKeyboardMapping (); break;
		default: break;
	}
}

void Frame::onButtonPress (const xcb_button_press_event_t* event)
{
	CPoint where (event->event_x, event->event_y);
	const int32_t held = buttonStateFromXState (event->state);
	Wheel wheel {};
	if (wheelFromXButton (event->detail, wheel))
	{
		callback->platformOnMouseWheel (where, wheel.axis, wheel.distance,
		                                CButtonState (held & CButtonState::kModifierMask));
		return;
	}
	const int32_t button = buttonFromXButton (event->detail);
	if (!button)
		return;
	if (button & (kButton4 | kButton5))
		sideButtons |= button;
	CButtonState state (held | sideButtons | button);
	if (doubleClick.press (button, where, event->time))
		state |= kDoubleClick;
	const std::shared_ptr<bool> token = alive;
	const CMouseEventResult result = callback->platformOnMouseDown (where, state);
	// A drag follows: the release must come here even outside the window.
	if (*token && window && result == kMouseEventHandled)
		window->grabPointer (event->time);
}

void Frame::onButtonRelease (const xcb_button_press_event_t* event)
{
	const int32_t button = buttonFromXButton (event->detail);
	if (!button)
		return;
	CPoint where (event->event_x, event->event_y);
	// The state still holds the button going up.
	const CButtonState state (buttonStateFromXState (event->state) | sideButtons | button);
	sideButtons &= ~button;
	const std::shared_ptr<bool> token = alive;
	callback->platformOnMouseUp (where, state);
	if (*token && window && (state.getButtonState () & ~button) == 0)
		window->ungrabPointer (event->time);
}

void Frame::onMotion (const xcb_motion_notify_event_t* event)
{
	CPoint where (event->event_x, event->event_y);
	callback->platformOnMouseMoved (where,
	                                CButtonState (buttonStateFromXState (event->state) | sideButtons));
}

void Frame::onFocus (const xcb_focus_in_event_t* event, bool focused)
{
	// With the focus on an ancestor, the keys reach the window under the
	// pointer that asks for them: those belong to the host.
	if (event->detail == XCB_NOTIFY_DETAIL_POINTER || event->detail == XCB_NOTIFY_DETAIL_POINTER_ROOT ||
	    event->detail == XCB_NOTIFY_DETAIL_NONE)
		return;
	window->selectKeys (focused);
}

void Frame::onKey (const xcb_key_press_event_t* event, bool pressed)
{
	VstKeyCode key;
	if (!keyFromXKeysym (window->keysymOf (event->detail), event->state, key))
		return;
	if (pressed)
		callback->platformOnKeyDown (key);
	else
		callback->platformOnKeyUp (key);
}

void Frame::drawInvalidRect ()
{
	if (!isDrawing () || !backBuffer || invalid.isEmpty ())
		return;
	const CRect rect = invalid;
	invalid = CRect ();
	const std::shared_ptr<bool> token = alive;
	cairo_t* cairo = cairo_create (backBuffer);
	{
		// Whatever no view covers is black, not what was there before.
		cairo_rectangle (cairo, rect.left, rect.top, rect.getWidth (), rect.getHeight ());
		cairo_set_source_rgb (cairo, 0., 0., 0.);
		cairo_fill (cairo);
		CairoDrawContext context (cairo, rect);
		callback->platformDrawRect (&context, rect);
	}
	cairo_destroy (cairo);
	if (!*token || !isDrawing ())
		return;
	cairo_surface_flush (backBuffer);
	window->putImage (cairo_image_surface_get_data (backBuffer),
	                  static_cast<size_t> (cairo_image_surface_get_stride (backBuffer)), rect);
	window->flush ();
}

} // namespace X11
} // namespace VSTGUI
