// The slider modes' settings: the mode that sliders left at UseGlobal run,
// and which modes jump beside the handle. FreeClick jumps wherever the press
// lands and is decided before; no other mode jumps.
#include "vstgui/lib/controls/csliderbase.h"

namespace VSTGUI {

SliderMode CSliderBase::globalSliderMode = SliderMode::FreeClick;

bool CSliderBase::jumpsBesideHandle (SliderMode) { return false; }

} // namespace VSTGUI
