// The toolkit's slider modes with one added: BRFreeClick, at 3, drags the
// handle where it is pressed and makes it jump to the pointer, centred, when
// the press lands beside it. Ramp and UseGlobal move up to 4 and 5.
#pragma once

#include <cstdint>

namespace VSTGUI {

enum class SliderMode : int32_t
{
	Touch = 0,
	RelativeTouch = 1,
	FreeClick = 2,
	BRFreeClick = 3,
	Ramp = 4,
	UseGlobal = 5,
};

} // namespace VSTGUI
