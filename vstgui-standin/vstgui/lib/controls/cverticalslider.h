// A slider along y with its minimum at the bottom.
#pragma once

#include "vstgui/lib/controls/cslider.h"

namespace VSTGUI {

class CVerticalSlider : public CSlider
{
public:
	CVerticalSlider (const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1)
	: CSlider (size, listener, tag, kBottom | kVertical)
	{
	}
};

} // namespace VSTGUI
