#include "vstgui/lib/platform/linux/x11keyevent.h"

#include "vstgui/lib/platform/linux/x11mouseevent.h"

namespace VSTGUI {
namespace X11 {

namespace {

uint8_t virtualKeyOf (uint32_t keysym)
{
	switch (keysym)
	{
		case 0xff51: // Left
		case 0xff96: return VKEY_LEFT; // KP_Left
		case 0xff52: // Up
		case 0xff97: return VKEY_UP;
		case 0xff53: // Right
		case 0xff98: return VKEY_RIGHT;
		case 0xff54: // Down
		case 0xff99: return VKEY_DOWN;
		default: return 0;
	}
}

} // namespace

bool keyFromXKeysym (uint32_t keysym, uint16_t state, VstKeyCode& key)
{
	const uint8_t virt = virtualKeyOf (keysym);
	if (!virt)
		return false;
	key = VstKeyCode {};
	key.virt = virt;
	// As for the mouse: Control stands for the command key, Super for control.
	if (state & XState::kShift)
		key.modifier |= MODIFIER_SHIFT;
	if (state & XState::kMod1)
		key.modifier |= MODIFIER_ALTERNATE;
	if (state & XState::kControl)
		key.modifier |= MODIFIER_COMMAND;
	if (state & XState::kMod4)
		key.modifier |= MODIFIER_CONTROL;
	return true;
}

} // namespace X11
} // namespace VSTGUI
