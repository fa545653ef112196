// The editor's own X connection and its child window in the host's window.
// Nothing X does ends the process: errors, the window's destruction and a
// lost connection, found while reading or while writing, are recorded as
// the window's failure, after which it shows nothing more.
#pragma once

#include "vstgui/lib/crect.h"

#include <xcb/xcb.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace VSTGUI {
namespace X11 {

enum class WindowFailure : int32_t
{
	kNone = 0,
	kNoDisplay,          // no X server to connect to
	kParentNotAWindow,   // the host's id names no window of that server
	kUnsupportedVisual,  // the screen has no 24-bit true colour visual
	kXError,             // the server reported an error for a request of ours
	kConnectionLost,     // the server closed the connection
	kWindowDestroyed,    // the host destroyed its window, and ours with it
};

class ChildWindow
{
public:
	// Connects to the display of the environment and creates a mapped child
	// window of the parent; on failure leaves no connection.
	ChildWindow (uint32_t parent, uint16_t width, uint16_t height);
	// Destroys the window, unless it is gone, and closes the connection.
	~ChildWindow () noexcept;

	ChildWindow (const ChildWindow&) = delete;
	ChildWindow& operator= (const ChildWindow&) = delete;

	// Connected, with the window and no failure.
	bool isUsable () const { return connection && window && failure == WindowFailure::kNone; }
	bool isConnected () const { return connection != nullptr; }
	// The first failure, kNone while there is none.
	WindowFailure getFailure () const { return failure; }
	uint32_t getErrorCount () const { return errorCount; }
	uint8_t getLastErrorCode () const { return lastErrorCode; }

	uint32_t getWindowId () const { return window; }
	// The connection's file descriptor; -1 without one.
	int getFileDescriptor () const;

	// The next event of interest, read or waiting, without blocking; none
	// when there is none. Errors and the window's destruction are taken in
	// here. The caller frees the event with free.
	xcb_generic_event_t* pollEvent ();

	// Copies a rectangle of a 32-bit 0x00RRGGBB image to the same place in
	// the window, in requests the server accepts.
	void putImage (const uint8_t* pixels, size_t stride, const CRect& rect);
	// Keeps the pointer's events coming to the window until the ungrab.
	void grabPointer (uint32_t time);
	void ungrabPointer (uint32_t time);
	void flush ();

	// Key events come to the window only while it has the keyboard focus:
	// while the pointer merely rests on it, the host's keys pass it by.
	void selectKeys (bool selected);
	// The key symbol in a key code's first column; 0 for none. The keyboard
	// mapping is read on first use and again after it changed.
	uint32_t keysymOf (uint8_t keycode);
	void forgetKeyboardMapping () { keysyms.clear (); }

private:
	void fail (WindowFailure reason);
	// A request the server could not take leaves the connection in error.
	void noteLostConnection ();
	void disconnect ();
	bool findVisual (uint32_t root);

	xcb_connection_t* connection {nullptr};
	uint32_t window {0};
	uint32_t gc {0};
	uint32_t visual {0};
	uint32_t colormap {0};
	uint8_t depth {0};
	size_t maxRequestBytes {0};
	bool grabbed {false};
	bool windowGone {false};
	WindowFailure failure {WindowFailure::kNone};
	uint32_t errorCount {0};
	uint8_t lastErrorCode {0};
	std::vector<uint32_t> keysyms;
	uint8_t minKeycode {0};
	uint8_t keysymsPerKeycode {0};
};

} // namespace X11
} // namespace VSTGUI
