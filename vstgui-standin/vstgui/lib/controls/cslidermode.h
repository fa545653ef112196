// What a press on a slider does. The value is the index of the mode's name in
// UI descriptions; UseGlobal is always the last.
#pragma once

#include <cstdint>

namespace VSTGUI {

enum class SliderMode : int32_t
{
	// Drags the handle where it was grabbed; a press beside it is refused.
	Touch = 0,
	// Drags relatively wherever the press lands.
	RelativeTouch = 1,
	// The handle jumps to the pointer, centred.
	FreeClick = 2,
	// Beside the handle the value glides toward the pointer, then follows it.
	Ramp = 3,
	// Whatever the global mode is.
	UseGlobal = 4,
};

} // namespace VSTGUI
