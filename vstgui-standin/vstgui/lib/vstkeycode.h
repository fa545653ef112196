// A key as the views get it: the character it types, or a virtual key for
// the keys that type none, and the modifier keys held. The virtual keys and
// modifier bits are numbered as VST3 hosts number them.
#pragma once

#include <cstdint>

namespace VSTGUI {

enum VirtualKey : uint8_t
{
	VKEY_BACK = 1,
	VKEY_TAB,
	VKEY_CLEAR,
	VKEY_RETURN,
	VKEY_PAUSE,
	VKEY_ESCAPE,
	VKEY_SPACE,
	VKEY_NEXT,
	VKEY_END,
	VKEY_HOME,
	VKEY_LEFT,
	VKEY_UP,
	VKEY_RIGHT,
	VKEY_DOWN,
	VKEY_PAGEUP,
	VKEY_PAGEDOWN,
};

enum ModifierKey : uint8_t
{
	MODIFIER_SHIFT = 1 << 0,
	MODIFIER_ALTERNATE = 1 << 1,
	MODIFIER_COMMAND = 1 << 2,
	MODIFIER_CONTROL = 1 << 3,
};

struct VstKeyCode
{
	int32_t character {0};
	uint8_t virt {0};
	uint8_t modifier {0};
};

} // namespace VSTGUI
