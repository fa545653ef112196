// Alt (Option on macOS) with a left click puts a knob, slider or switch back
// to its default value. The test is exact, so that Alt with Shift or Command
// stays free for the knob's own gestures and a click with a second button
// held never resets.
#include "vstgui/lib/controls/ccontrol.h"

namespace VSTGUI {

const int32_t CControl::kDefaultValueModifier = kAlt;

bool isDefaultValueClick (CControl*, const CButtonState& buttons)
{
	return (buttons & CButtonState::kButtonMask) == kLButton &&
	       (buttons & CButtonState::kModifierMask) == CControl::kDefaultValueModifier;
}

const CControl::DefaultValueTest CControl::defaultValueTest = isDefaultValueClick;

} // namespace VSTGUI
