// The slider that UI descriptions create as "CSlider". It has no handle
// picture: it draws a track along its axis, filled from the minimum's end up
// to the handle, and a rounded handle of the size it is given (one pixel
// square until then).
#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/controls/csliderbase.h"

namespace VSTGUI {

class CSlider : public CSliderBase
{
public:
	CSlider (const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1,
	         int32_t style = kLeft | kHorizontal);
	~CSlider () noexcept override;

	// Sizes below one pixel are taken as one.
	void setHandleSize (const CPoint& size);
	CPoint getHandleSize () const { return {getHandleWidth (), getHandleHeight ()}; }

	// The track, the track's filled part, the handle and the handle's outline;
	// each setter asks for a redraw.
	void setBackColor (const CColor& color);
	const CColor& getBackColor () const { return backColor; }
	void setValueColor (const CColor& color);
	const CColor& getValueColor () const { return valueColor; }
	void setHandleColor (const CColor& color);
	const CColor& getHandleColor () const { return handleColor; }
	void setFrameColor (const CColor& color);
	const CColor& getFrameColor () const { return frameColor; }

	// The track's rectangle, centred on the handle's path, in view coordinates.
	CRect getTrackRect () const;

	void draw (CDrawContext* context) override;

private:
	void styleChanged ();

	CColor backColor {52, 58, 68};
	CColor valueColor {79, 184, 230};
	CColor handleColor {232, 235, 240};
	CColor frameColor {kTransparentCColor};
};

} // namespace VSTGUI
