#include "vstgui/lib/controls/cslider.h"

namespace VSTGUI {

CSlider::CSlider (const CRect& size, IControlListener* listener, int32_t tag, int32_t style)
: CSliderBase (size, listener, tag, style)
{
}

CSlider::~CSlider () noexcept = default;

} // namespace VSTGUI
