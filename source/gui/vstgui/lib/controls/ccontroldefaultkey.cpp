// Alt (Option on macOS) with a left click puts a knob, slider or switch back
// to its default value.
#include "vstgui/lib/controls/ccontrol.h"

namespace VSTGUI {

const int32_t CControl::kDefaultValueModifier = kAlt;

} // namespace VSTGUI
