// A two-state button: a left press switches it between its minimum and its
// maximum, within one edit.
#pragma once

#include "vstgui/lib/controls/ccontrol.h"

namespace VSTGUI {

class COnOffButton : public CControl
{
public:
	COnOffButton (const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1);
	~COnOffButton () noexcept override;

	CMouseEventResult onMouseDown (CPoint& where, const CButtonState& buttons) override;
};

} // namespace VSTGUI
