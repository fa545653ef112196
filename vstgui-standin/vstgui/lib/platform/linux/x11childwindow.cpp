#include "vstgui/lib/platform/linux/x11childwindow.h"

#include "vstgui/lib/platform/linux/x11sigpipeguard.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace VSTGUI {
namespace X11 {

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype (&std::free)>;

template <typename T>
Reply<T> reply (T* value)
{
	return Reply<T> (value, &std::free);
}

constexpr uint32_t kEventMask = XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_BUTTON_PRESS |
                                XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION |
                                XCB_EVENT_MASK_LEAVE_WINDOW | XCB_EVENT_MASK_STRUCTURE_NOTIFY |
                                XCB_EVENT_MASK_FOCUS_CHANGE;

} // namespace

// Every member that may make the X library write holds a SigpipeGuard: a
// server that closes the connection (it died, killed this client, or reset
// while this client was connecting) must not take the host with it.
ChildWindow::ChildWindow (uint32_t parent, uint16_t width, uint16_t height)
{
	const SigpipeGuard guard;
	connection = xcb_connect (nullptr, nullptr);
	if (!connection || xcb_connection_has_error (connection))
	{
		fail (WindowFailure::kNoDisplay);
		disconnect ();
		return;
	}

	// The parent's screen gives the visual; an id that is no drawable fails.
	xcb_generic_error_t* error = nullptr;
	auto geometry = reply (
	    xcb_get_geometry_reply (connection, xcb_get_geometry (connection, parent), &error));
	std::free (error);
	if (!geometry)
	{
		noteLostConnection ();
		fail (WindowFailure::kParentNotAWindow);
		disconnect ();
		return;
	}
	if (!findVisual (geometry->root))
	{
		fail (WindowFailure::kUnsupportedVisual);
		disconnect ();
		return;
	}

	// No background: the server clears nothing, so an expose never flickers.
	const uint32_t id = xcb_generate_id (connection);
	const uint32_t values[] = {XCB_BACK_PIXMAP_NONE, 0, kEventMask, colormap};
	const xcb_void_cookie_t created = xcb_create_window_checked (
	    connection, depth, id, parent, 0, 0, std::max<uint16_t> (width, 1),
	    std::max<uint16_t> (height, 1), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, visual,
	    XCB_CW_BACK_PIXMAP | XCB_CW_BORDER_PIXEL | XCB_CW_EVENT_MASK | XCB_CW_COLORMAP, values);
	if (auto createError = reply (xcb_request_check (connection, created)))
	{
		// A pixmap's id passes the geometry query but takes no children.
		lastErrorCode = createError->error_code;
		++errorCount;
		fail (WindowFailure::kParentNotAWindow);
		disconnect ();
		return;
	}
	window = id;
	gc = xcb_generate_id (connection);
	xcb_create_gc (connection, gc, window, 0, nullptr);
	xcb_map_window (connection, window);
	maxRequestBytes = static_cast<size_t> (xcb_get_maximum_request_length (connection)) * 4u;
	xcb_flush (connection);
	noteLostConnection ();
}

ChildWindow::~ChildWindow () noexcept { disconnect (); }

bool ChildWindow::findVisual (uint32_t root)
{
	const xcb_setup_t* setup = xcb_get_setup (connection);
	if (!setup || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
		return false;
	for (auto screens = xcb_setup_roots_iterator (setup); screens.rem; xcb_screen_next (&screens))
	{
		const xcb_screen_t* screen = screens.data;
		if (screen->root != root)
			continue;
		// The image rows are 32 bits a pixel, red in the third byte.
		bool thirtyTwoBits = false;
		for (auto formats = xcb_setup_pixmap_formats_iterator (setup); formats.rem;
		     xcb_format_next (&formats))
		{
			if (formats.data->depth == screen->root_depth && formats.data->bits_per_pixel == 32)
				thirtyTwoBits = true;
		}
		if (!thirtyTwoBits || (screen->root_depth != 24 && screen->root_depth != 32))
			return false;
		for (auto depths = xcb_screen_allowed_depths_iterator (screen); depths.rem;
		     xcb_depth_next (&depths))
		{
			if (depths.data->depth != screen->root_depth)
				continue;
			for (auto visuals = xcb_depth_visuals_iterator (depths.data); visuals.rem;
			     xcb_visualtype_next (&visuals))
			{
				const xcb_visualtype_t* type = visuals.data;
				if (type->visual_id == screen->root_visual &&
				    type->_class == XCB_VISUAL_CLASS_TRUE_COLOR && type->red_mask == 0xff0000 &&
				    type->green_mask == 0xff00 && type->blue_mask == 0xff)
				{
					visual = type->visual_id;
					depth = screen->root_depth;
					colormap = screen->default_colormap;
					return true;
				}
			}
		}
		return false;
	}
	return false;
}

void ChildWindow::fail (WindowFailure reason)
{
	if (failure == WindowFailure::kNone)
		failure = reason;
}

void ChildWindow::noteLostConnection ()
{
	if (connection && xcb_connection_has_error (connection))
		fail (WindowFailure::kConnectionLost);
}

void ChildWindow::disconnect ()
{
	if (!connection)
		return;
	const SigpipeGuard guard;
	if (!xcb_connection_has_error (connection))
	{
		if (grabbed)
			xcb_ungrab_pointer (connection, XCB_CURRENT_TIME);
		if (gc)
			xcb_free_gc (connection, gc);
		if (window && !windowGone)
			xcb_destroy_window (connection, window);
		// A round trip: the host finds the window gone once removed returns.
		std::free (xcb_get_input_focus_reply (connection, xcb_get_input_focus (connection), nullptr));
	}
	xcb_disconnect (connection);
	connection = nullptr;
	grabbed = false;
	gc = 0;
}

int ChildWindow::getFileDescriptor () const
{
	return connection ? xcb_get_file_descriptor (connection) : -1;
}

xcb_generic_event_t* ChildWindow::pollEvent ()
{
	while (connection)
	{
		xcb_generic_event_t* event = xcb_poll_for_event (connection);
		if (!event)
		{
			if (xcb_connection_has_error (connection))
				fail (WindowFailure::kConnectionLost);
			return nullptr;
		}
		const uint8_t type = event->response_type & 0x7f;
		if (type == 0)
		{
			// The error handler: it records, and the window draws no more.
			lastErrorCode = reinterpret_cast<xcb_generic_error_t*> (event)->error_code;
			++errorCount;
			fail (WindowFailure::kXError);
			std::free (event);
			continue;
		}
		if (type == XCB_DESTROY_NOTIFY &&
		    reinterpret_cast<xcb_destroy_notify_event_t*> (event)->window == window)
		{
			windowGone = true;
			grabbed = false;
			fail (WindowFailure::kWindowDestroyed);
			std::free (event);
			continue;
		}
		return event;
	}
	return nullptr;
}

void ChildWindow::putImage (const uint8_t* pixels, size_t stride, const CRect& rect)
{
	if (!isUsable () || !pixels || rect.isEmpty ())
		return;
	const SigpipeGuard guard;
	const auto x = static_cast<int16_t> (rect.left);
	const auto y = static_cast<int16_t> (rect.top);
	const auto width = static_cast<uint16_t> (rect.getWidth ());
	const auto height = static_cast<uint16_t> (rect.getHeight ());
	const size_t rowBytes = static_cast<size_t> (width) * 4u;
	constexpr size_t kRequestHeader = 24;
	const size_t rowsPerRequest = std::max<size_t> (
	    1, maxRequestBytes > kRequestHeader + rowBytes ? (maxRequestBytes - kRequestHeader) / rowBytes
	                                                   : 1);
	std::vector<uint8_t> strip;
	for (uint16_t row = 0; row < height;)
	{
		const auto rows = static_cast<uint16_t> (std::min<size_t> (rowsPerRequest, height - row));
		strip.resize (rowBytes * rows);
		for (uint16_t i = 0; i < rows; ++i)
		{
			const uint8_t* source = pixels + (static_cast<size_t> (y) + row + i) * stride +
			                        static_cast<size_t> (x) * 4u;
			uint8_t* target = strip.data () + rowBytes * i;
			std::memcpy (target, source, rowBytes);
			// Opaque where the window has an alpha channel.
			for (size_t p = 3; p < rowBytes; p += 4)
				target[p] = 0xff;
		}
		xcb_put_image (connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, gc, width, rows, x,
		               static_cast<int16_t> (y + row), 0, depth, static_cast<uint32_t> (strip.size ()),
		               strip.data ());
		row = static_cast<uint16_t> (row + rows);
	}
	noteLostConnection ();
}

void ChildWindow::grabPointer (uint32_t time)
{
	if (!isUsable ())
		return;
	const SigpipeGuard guard;
	const uint16_t mask = XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
	                      XCB_EVENT_MASK_POINTER_MOTION;
	const xcb_grab_pointer_cookie_t cookie =
	    xcb_grab_pointer (connection, 0, window, mask, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
	                      XCB_NONE, XCB_NONE, time);
	// Waiting for the answer would stall the host's loop; the grab either
	// holds or the implicit one of the press does the same.
	xcb_discard_reply (connection, cookie.sequence);
	grabbed = true;
	xcb_flush (connection);
	noteLostConnection ();
}

void ChildWindow::ungrabPointer (uint32_t time)
{
	if (!grabbed || !connection || xcb_connection_has_error (connection))
		return;
	const SigpipeGuard guard;
	xcb_ungrab_pointer (connection, time);
	grabbed = false;
	xcb_flush (connection);
	noteLostConnection ();
}

void ChildWindow::flush ()
{
	if (!connection || xcb_connection_has_error (connection))
		return;
	const SigpipeGuard guard;
	xcb_flush (connection);
	noteLostConnection ();
}

void ChildWindow::selectKeys (bool selected)
{
	if (!isUsable ())
		return;
	const SigpipeGuard guard;
	const uint32_t mask =
	    kEventMask | (selected ? XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE : 0u);
	xcb_change_window_attributes (connection, window, XCB_CW_EVENT_MASK, &mask);
	xcb_flush (connection);
	noteLostConnection ();
}

uint32_t ChildWindow::keysymOf (uint8_t keycode)
{
	if (!isUsable ())
		return 0;
	if (keysyms.empty ())
	{
		const SigpipeGuard guard;
		const xcb_setup_t* setup = xcb_get_setup (connection);
		const uint8_t count = static_cast<uint8_t> (setup->max_keycode - setup->min_keycode + 1);
		auto mapping = reply (xcb_get_keyboard_mapping_reply (
		    connection, xcb_get_keyboard_mapping (connection, setup->min_keycode, count), nullptr));
		if (!mapping)
		{
			noteLostConnection ();
			return 0;
		}
		const xcb_keysym_t* first = xcb_get_keyboard_mapping_keysyms (mapping.get ());
		keysyms.assign (first, first + xcb_get_keyboard_mapping_keysyms_length (mapping.get ()));
		minKeycode = setup->min_keycode;
		keysymsPerKeycode = mapping->keysyms_per_keycode;
	}
	const size_t index = static_cast<size_t> (keycode - minKeycode) * keysymsPerKeycode;
	return keycode >= minKeycode && index < keysyms.size () ? keysyms[index] : 0;
}

} // namespace X11
} // namespace VSTGUI
