// The default-value click: a left click with the default-value modifier held.
#include "vstgui/lib/controls/ccontrol.h"

namespace VSTGUI {

const int32_t CControl::kDefaultValueModifier = kControl;

bool isDefaultValueClick (CControl*, const CButtonState& buttons)
{
	return buttons.isLeftButton () && (buttons & CControl::kDefaultValueModifier) != 0;
}

const CControl::DefaultValueTest CControl::defaultValueTest = isDefaultValueClick;

} // namespace VSTGUI
