// Every slider that names no mode runs BRFreeClick, the one mode that jumps
// only beside the handle.
#include "vstgui/lib/controls/csliderbase.h"

namespace VSTGUI {

SliderMode CSliderBase::globalSliderMode = SliderMode::BRFreeClick;

bool CSliderBase::jumpsBesideHandle (SliderMode mode) { return mode == SliderMode::BRFreeClick; }

} // namespace VSTGUI
