// What views draw through. The context keeps the drawing state (colours, line,
// font, origin and clip); a platform supplies the primitives. Coordinates are
// those of the view being drawn: the origin moves as containers hand the
// context down to their children.
#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/cfont.h"
#include "vstgui/lib/crect.h"

#include <string>
#include <vector>

namespace VSTGUI {

enum CDrawStyle : int32_t
{
	kDrawStroked = 0,
	kDrawFilled,
	kDrawFilledAndStroked,
};

enum CHoriTxtAlign : int32_t
{
	kLeftText = 0,
	kCenterText,
	kRightText,
};

enum CLineCap : int32_t
{
	kLineCapButt = 0,
	kLineCapRound,
};

class CDrawContext
{
public:
	// The clip starts as the surface's rectangle, in surface coordinates.
	explicit CDrawContext (const CRect& surfaceRect);
	virtual ~CDrawContext () noexcept = default;

	CDrawContext (const CDrawContext&) = delete;
	CDrawContext& operator= (const CDrawContext&) = delete;

	void setFillColor (const CColor& color) { state.fillColor = color; }
	const CColor& getFillColor () const { return state.fillColor; }
	void setFrameColor (const CColor& color) { state.frameColor = color; }
	const CColor& getFrameColor () const { return state.frameColor; }
	void setFontColor (const CColor& color) { state.fontColor = color; }
	const CColor& getFontColor () const { return state.fontColor; }
	// Widths below zero are taken as zero.
	void setLineWidth (CCoord width) { state.lineWidth = width > 0. ? width : 0.; }
	CCoord getLineWidth () const { return state.lineWidth; }
	void setLineCap (CLineCap cap) { state.lineCap = cap; }
	CLineCap getLineCap () const { return state.lineCap; }
	void setFont (const CFontDesc& font) { state.font = font; }
	const CFontDesc& getFont () const { return state.font; }

	// Moves the origin by the offset, in current coordinates.
	void moveOrigin (const CPoint& offset);
	// Where the current origin lies on the surface.
	const CPoint& getOrigin () const { return state.origin; }
	// Narrows the clip to the rectangle, given in current coordinates.
	void setClipRect (const CRect& rect);
	// The clip in current coordinates.
	CRect getClipRect () const;
	// The clip on the surface.
	const CRect& getSurfaceClipRect () const { return state.clip; }

	// Saved and restored together: colours, line, font, origin and clip.
	void saveGlobalState ();
	void restoreGlobalState ();

	// The primitives, in current coordinates and within the clip. Strokes use
	// the frame colour and line width and lie inside the rectangle they are
	// given; fills use the fill colour. Invisible colours draw nothing.
	virtual void drawLine (const CPoint& start, const CPoint& end) = 0;
	virtual void drawRect (const CRect& rect, CDrawStyle style = kDrawStroked) = 0;
	virtual void drawRoundRect (const CRect& rect, CCoord radius, CDrawStyle style = kDrawStroked) = 0;
	virtual void drawEllipse (const CRect& rect, CDrawStyle style = kDrawStroked) = 0;
	// A stroked arc of the circle centred in the rectangle and fitting it;
	// angles in radians, clockwise on screen from the positive x axis.
	virtual void drawArc (const CRect& rect, double startAngle, double endAngle) = 0;
	// One line of text in the font colour, centred vertically in the
	// rectangle; cut with an ellipsis where it is wider.
	virtual void drawString (const std::string& text, const CRect& rect,
	                         CHoriTxtAlign align = kCenterText) = 0;
	virtual CCoord getStringWidth (const std::string& text) = 0;

protected:
	struct State
	{
		CColor fillColor {kWhiteCColor};
		CColor frameColor {kBlackCColor};
		CColor fontColor {kBlackCColor};
		CCoord lineWidth {1.};
		CLineCap lineCap {kLineCapButt};
		CFontDesc font;
		CPoint origin;
		CRect clip;
	};
	const State& getState () const { return state; }

private:
	State state;
	std::vector<State> savedStates;
};

} // namespace VSTGUI
