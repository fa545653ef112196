// The common part of the switches: a control with one position for each whole
// step of its range (two at least), laid out in equal parts along the view. A
// left press opens an edit and picks the position under the pointer, and the
// drag goes on picking until the release; the default-value click resets the
// switch instead. It draws one cell per position, the selected one in the
// "on" colour.
#pragma once

#include "vstgui/lib/ccolor.h"
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

	// The positions, the one the value selects, and each one's cell in view
	// coordinates.
	int32_t getPositionCount () const;
	int32_t getCurrentPosition () const;
	CRect getPositionRect (int32_t position) const;

	// Each setter asks for a redraw; an invisible colour leaves its part out.
	void setBackColor (const CColor& color);
	const CColor& getBackColor () const { return backColor; }
	void setOnColor (const CColor& color);
	const CColor& getOnColor () const { return onColor; }
	void setFrameColor (const CColor& color);
	const CColor& getFrameColor () const { return frameColor; }

	void draw (CDrawContext* context) override;

protected:
	// Whether the positions run along x rather than y.
	virtual bool isStyleHorizontal () const = 0;
	// Where the point lies along the switch, 0 at the first position's edge and
	// 1 at the last one's.
	virtual double fractionAlongAxis (const CPoint& where) const = 0;

private:
	void styleChanged ();

	float valueAtPress {0.f};
	CColor backColor {52, 58, 68};
	CColor onColor {79, 184, 230};
	CColor frameColor {kTransparentCColor};
};

} // namespace VSTGUI
