// How X key events become the toolkit's keys: the keys the views take,
// found by their key symbols, and the modifiers held.
#pragma once

#include "vstgui/lib/vstkeycode.h"

#include <cstdint>

namespace VSTGUI {
namespace X11 {

// The arrow keys, on the main block or the keypad, with Shift, Control, Alt
// and Super as the modifiers; false for every other key symbol.
bool keyFromXKeysym (uint32_t keysym, uint16_t state, VstKeyCode& key);

} // namespace X11
} // namespace VSTGUI
