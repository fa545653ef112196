// The modifier of the default-value click.
#include "vstgui/lib/controls/ccontrol.h"

namespace VSTGUI {

const int32_t CControl::kDefaultValueModifier = kControl;

} // namespace VSTGUI
