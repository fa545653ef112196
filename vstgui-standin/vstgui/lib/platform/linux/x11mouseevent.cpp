#include "vstgui/lib/platform/linux/x11mouseevent.h"

#include <cmath>

namespace VSTGUI {
namespace X11 {

int32_t buttonStateFromXState (uint16_t state)
{
	int32_t buttons = 0;
	if (state & XState::kButton1)
		buttons |= kLButton;
	if (state & XState::kButton2)
		buttons |= kMButton;
	if (state & XState::kButton3)
		buttons |= kRButton;
	if (state & XState::kShift)
		buttons |= kShift;
	if (state & XState::kControl)
		buttons |= kControl;
	if (state & XState::kMod1)
		buttons |= kAlt;
	if (state & XState::kMod4)
		buttons |= kApple;
	return buttons;
}

int32_t buttonFromXButton (uint8_t button)
{
	switch (button)
	{
		case 1: return kLButton;
		case 2: return kMButton;
		case 3: return kRButton;
		case 8: return kButton4;
		case 9: return kButton5;
		default: return 0;
	}
}

bool wheelFromXButton (uint8_t button, Wheel& wheel)
{
	switch (button)
	{
		case 4: wheel = {kMouseWheelAxisY, 1.f}; return true;
		case 5: wheel = {kMouseWheelAxisY, -1.f}; return true;
		case 6: wheel = {kMouseWheelAxisX, -1.f}; return true;
		case 7: wheel = {kMouseWheelAxisX, 1.f}; return true;
		default: return false;
	}
}

bool DoubleClickDetector::press (int32_t button, const CPoint& where, uint32_t time)
{
	// Unsigned difference: right across the wrap of the server's clock.
	const bool isDouble = hasFirst && button == firstButton &&
	                      time - firstTime <= kDoubleClickTimeMs &&
	                      std::fabs (where.x - firstWhere.x) <= kDoubleClickDistance &&
	                      std::fabs (where.y - firstWhere.y) <= kDoubleClickDistance;
	if (isDouble)
	{
		hasFirst = false;
		return true;
	}
	hasFirst = true;
	firstButton = button;
	firstWhere = where;
	firstTime = time;
	return false;
}

} // namespace X11
} // namespace VSTGUI
