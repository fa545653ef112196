// How X button events become the toolkit's mouse events: the button and
// modifier bits of an X event's state and button number, the wheel buttons,
// and double clicks told apart by time and place.
#pragma once

#include "vstgui/lib/cbuttonstate.h"
#include "vstgui/lib/cpoint.h"
#include "vstgui/lib/cview.h"

#include <cstdint>

namespace VSTGUI {
namespace X11 {

// The modifier and button bits of an X event's state field.
namespace XState {
constexpr uint16_t kShift = 1 << 0;
constexpr uint16_t kLock = 1 << 1;
constexpr uint16_t kControl = 1 << 2;
constexpr uint16_t kMod1 = 1 << 3; // Alt
constexpr uint16_t kMod2 = 1 << 4; // Num Lock
constexpr uint16_t kMod4 = 1 << 6; // Super
constexpr uint16_t kButton1 = 1 << 8;
constexpr uint16_t kButton2 = 1 << 9;
constexpr uint16_t kButton3 = 1 << 10;
} // namespace XState

// The toolkit's bits for the keys and buttons held in an X state; Caps Lock,
// Num Lock and the wheel buttons are left out.
int32_t buttonStateFromXState (uint16_t state);

// The toolkit's bit for an X button number: 1 left, 2 middle, 3 right, 8 and
// 9 the side buttons; 0 for the wheel (4 to 7) and others.
int32_t buttonFromXButton (uint8_t button);

struct Wheel
{
	CMouseWheelAxis axis;
	float distance;
};

// X buttons 4 and 5 turn the wheel up and down, 6 and 7 left and right.
bool wheelFromXButton (uint8_t button, Wheel& wheel);

// Tells a second press of the same button, within the double-click time and
// near the first, from a new click. A double click starts no new pair.
class DoubleClickDetector
{
public:
	static constexpr uint32_t kDoubleClickTimeMs = 400;
	static constexpr CCoord kDoubleClickDistance = 4.;

	// True when this press completes a double click. Times are the server's
	// milliseconds, which wrap around.
	bool press (int32_t button, const CPoint& where, uint32_t time);
	void reset () { hasFirst = false; }

private:
	bool hasFirst {false};
	int32_t firstButton {0};
	CPoint firstWhere;
	uint32_t firstTime {0};
};

} // namespace X11
} // namespace VSTGUI
