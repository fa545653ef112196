// The common part of the switches: a control with one position for each whole
// step of its range (two at least), laid out in equal parts along the view. A
// left press opens an edit and picks the position under the pointer, and the
// drag goes on picking until the release; the default-value click resets the
// switch instead.
#pragma once

#include "vstgui/lib/controls/ccontrol.h"

namespace VSTGUI {

class CSwitchBase : public CControl
{
public:
	CSwitchBase (const CRect& size, IControlListener* listener, int32_t tag);
	~CSwitchBase () noexcept override;

	// The value of the position under the point; the ends hold beyond the view.
	float valueFromPoint (const CPoint& where) const;

	CMouseEventResult onMouseDown (CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseUp (CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseMoved (CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseCancel () override;

protected:
	// Where the point lies along the switch, 0 at the first position's edge and
	// 1 at the last one's.
	virtual double fractionAlongAxis (const CPoint& where) const = 0;

private:
	float valueAtPress {0.f};
};

} // namespace VSTGUI
