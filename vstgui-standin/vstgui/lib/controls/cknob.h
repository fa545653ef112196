// The knob that UI descriptions create as "CKnob". It has no picture: it
// draws a track arc over its whole angle range, the corona arc from the
// start angle up to its value, a round body and a pointer towards the value.
#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/controls/cknobbase.h"

namespace VSTGUI {

class CKnob : public CKnobBase
{
public:
	CKnob (const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1);
	~CKnob () noexcept override;

	// Each setter asks for a redraw; an invisible colour leaves its part out.
	void setCoronaColor (const CColor& color);
	const CColor& getCoronaColor () const { return coronaColor; }
	void setFrameColor (const CColor& color);
	const CColor& getFrameColor () const { return frameColor; }
	void setBackColor (const CColor& color);
	const CColor& getBackColor () const { return backColor; }
	void setHandleColor (const CColor& color);
	const CColor& getHandleColor () const { return handleColor; }
	// Widths below zero are taken as zero.
	void setHandleLineWidth (CCoord width);
	CCoord getHandleLineWidth () const { return handleLineWidth; }

	// The square the arcs are drawn in, centred in the view, and the width of
	// their line.
	CRect getArcRect () const;
	CCoord getArcWidth () const;
	// The angle, on screen, that the pointer shows for a normalized value.
	double valueToAngle (float normValue) const;

	void draw (CDrawContext* context) override;

private:
	void styleChanged ();

	CColor coronaColor {79, 184, 230};
	CColor frameColor {52, 58, 68};
	CColor backColor {43, 48, 57};
	CColor handleColor {232, 235, 240};
	CCoord handleLineWidth {3.};
};

} // namespace VSTGUI
