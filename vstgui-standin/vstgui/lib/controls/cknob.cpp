#include "vstgui/lib/controls/cknob.h"

namespace VSTGUI {

CKnob::CKnob (const CRect& size, IControlListener* listener, int32_t tag)
: CKnobBase (size, listener, tag)
{
}

CKnob::~CKnob () noexcept = default;

} // namespace VSTGUI
