// A slider along x with its minimum at the left.
#pragma once

#include "vstgui/lib/controls/cslider.h"

namespace VSTGUI {

class CHorizontalSlider : public CSlider
{
public:
	CHorizontalSlider (const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1)
	: CSlider (size, listener, tag, kLeft | kHorizontal)
	{
	}
};

} // namespace VSTGUI
