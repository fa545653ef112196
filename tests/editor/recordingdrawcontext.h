// A drawing context that records what views draw, with the state each
// primitive was drawn in and its coordinates on the surface.
#pragma once

#include "vstgui/lib/cdrawcontext.h"

#include <string>
#include <vector>

namespace VSTGUI {

class RecordingDrawContext : public CDrawContext
{
public:
	enum Kind
	{
		kLine,
		kRect,
		kRoundRect,
		kEllipse,
		kArc,
		kString
	};
	struct Call
	{
		Kind kind;
		CRect rect;  // on the surface
		CPoint from; // lines, on the surface
		CPoint to;
		double startAngle = 0.;
		double endAngle = 0.;
		CDrawStyle style = kDrawStroked;
		CColor fill;
		CColor frame;
		CColor fontColor;
		CCoord lineWidth = 0.;
		CFontDesc font;
		std::string text;
		CHoriTxtAlign align = kCenterText;
		CRect clip;
	};

	explicit RecordingDrawContext (const CRect& surface = CRect (0, 0, 1000, 1000))
	: CDrawContext (surface)
	{
	}

	void drawLine (const CPoint& start, const CPoint& end) override
	{
		Call call = make (kLine, CRect ());
		call.from = onSurface (start);
		call.to = onSurface (end);
		calls.push_back (call);
	}
	void drawRect (const CRect& rect, CDrawStyle style) override
	{
		Call call = make (kRect, rect);
		call.style = style;
		calls.push_back (call);
	}
	void drawRoundRect (const CRect& rect, CCoord, CDrawStyle style) override
	{
		Call call = make (kRoundRect, rect);
		call.style = style;
		calls.push_back (call);
	}
	void drawEllipse (const CRect& rect, CDrawStyle style) override
	{
		Call call = make (kEllipse, rect);
		call.style = style;
		calls.push_back (call);
	}
	void drawArc (const CRect& rect, double startAngle, double endAngle) override
	{
		Call call = make (kArc, rect);
		call.startAngle = startAngle;
		call.endAngle = endAngle;
		calls.push_back (call);
	}
	void drawString (const std::string& text, const CRect& rect, CHoriTxtAlign align) override
	{
		Call call = make (kString, rect);
		call.text = text;
		call.align = align;
		calls.push_back (call);
	}
	CCoord getStringWidth (const std::string& text) override { return 7. * text.size (); }

	std::vector<Call> of (Kind kind) const
	{
		std::vector<Call> found;
		for (const Call& c : calls)
			if (c.kind == kind)
				found.push_back (c);
		return found;
	}

	std::vector<Call> calls;

private:
	CPoint onSurface (const CPoint& p) const
	{
		return CPoint (p.x + getOrigin ().x, p.y + getOrigin ().y);
	}
	Call make (Kind kind, const CRect& rect) const
	{
		Call call;
		call.kind = kind;
		call.rect = CRect (rect).offset (getOrigin ().x, getOrigin ().y);
		call.fill = getFillColor ();
		call.frame = getFrameColor ();
		call.fontColor = getFontColor ();
		call.lineWidth = getLineWidth ();
		call.font = getFont ();
		call.clip = getSurfaceClipRect ();
		return call;
	}
};

} // namespace VSTGUI
