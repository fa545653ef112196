// A two-state button: a left press switches it between its minimum and its
// maximum, within one edit. It draws a rounded switch whose thumb sits at
// the left when off and at the right, on the "on" colour, when on.
#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/controls/ccontrol.h"

namespace VSTGUI {

class COnOffButton : public CControl
{
public:
	COnOffButton (const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1);
	~COnOffButton () noexcept override;

	CMouseEventResult onMouseDown (CPoint& where, const CButtonState& buttons) override;

	// On exactly at the maximum.
	bool isOn () const { return getValue () == getMax (); }

	// Each setter asks for a redraw; an invisible colour leaves its part out.
	void setBackColor (const CColor& color);
	const CColor& getBackColor () const { return backColor; }
	void setOnColor (const CColor& color);
	const CColor& getOnColor () const { return onColor; }
	void setFrameColor (const CColor& color);
	const CColor& getFrameColor () const { return frameColor; }
	void setHandleColor (const CColor& color);
	const CColor& getHandleColor () const { return handleColor; }

	// The thumb's circle for the current state, in view coordinates.
	CRect getThumbRect () const;

	void draw (CDrawContext* context) override;

private:
	void styleChanged ();

	CColor backColor {52, 58, 68};
	CColor onColor {79, 184, 230};
	CColor frameColor {kTransparentCColor};
	CColor handleColor {232, 235, 240};
};

} // namespace VSTGUI
