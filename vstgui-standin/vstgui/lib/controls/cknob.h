// The knob that UI descriptions create as "CKnob".
#pragma once

#include "vstgui/lib/controls/cknobbase.h"

namespace VSTGUI {

class CKnob : public CKnobBase
{
public:
	CKnob (const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1);
	~CKnob () noexcept override;
};

} // namespace VSTGUI
