// The slider that UI descriptions create as "CSlider". It has no handle
// picture yet, so its handle is one pixel square.
#pragma once

#include "vstgui/lib/controls/csliderbase.h"

namespace VSTGUI {

class CSlider : public CSliderBase
{
public:
	CSlider (const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1,
	         int32_t style = kLeft | kHorizontal);
	~CSlider () noexcept override;
};

} // namespace VSTGUI
