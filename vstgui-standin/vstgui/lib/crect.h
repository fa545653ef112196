// A rectangle in view coordinates; left and top belong to it, right and
// bottom do not.
#pragma once

#include "vstgui/lib/cpoint.h"

namespace VSTGUI {

struct CRect
{
	constexpr CRect () = default;
	constexpr CRect (CCoord left, CCoord top, CCoord right, CCoord bottom)
	: left (left), top (top), right (right), bottom (bottom)
	{
	}
	constexpr CRect (const CPoint& origin, const CPoint& size)
	: left (origin.x), top (origin.y), right (origin.x + size.x), bottom (origin.y + size.y)
	{
	}

	CCoord getWidth () const { return right - left; }
	CCoord getHeight () const { return bottom - top; }
	CPoint getTopLeft () const { return {left, top}; }
	CPoint getSize () const { return {getWidth (), getHeight ()}; }
	CPoint getCenter () const { return {left + getWidth () / 2., top + getHeight () / 2.}; }

	CRect& offset (CCoord dx, CCoord dy)
	{
		left += dx;
		right += dx;
		top += dy;
		bottom += dy;
		return *this;
	}
	bool pointInside (const CPoint& p) const
	{
		return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
	}
	bool isEmpty () const { return right <= left || bottom <= top; }
	// True when the two share at least one point.
	bool rectOverlap (const CRect& other) const
	{
		return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
	}
	// Keeps the part that lies inside the other; none left gives an empty
	// rectangle at the nearer corner.
	CRect& bound (const CRect& other)
	{
		left = left < other.left ? other.left : left;
		top = top < other.top ? other.top : top;
		right = right > other.right ? other.right : right;
		bottom = bottom > other.bottom ? other.bottom : bottom;
		if (right < left)
			right = left;
		if (bottom < top)
			bottom = top;
		return *this;
	}
	// Grows to hold the other too; an empty one adds nothing.
	CRect& unite (const CRect& other)
	{
		if (other.isEmpty ())
			return *this;
		if (isEmpty ())
			return *this = other;
		left = other.left < left ? other.left : left;
		top = other.top < top ? other.top : top;
		right = other.right > right ? other.right : right;
		bottom = other.bottom > bottom ? other.bottom : bottom;
		return *this;
	}
	// Moves every edge inwards; negative values move them outwards.
	CRect& inset (CCoord dx, CCoord dy)
	{
		left += dx;
		right -= dx;
		top += dy;
		bottom -= dy;
		return *this;
	}
	bool operator== (const CRect& other) const
	{
		return left == other.left && top == other.top && right == other.right &&
		       bottom == other.bottom;
	}
	bool operator!= (const CRect& other) const { return !(*this == other); }

	CCoord left {0.};
	CCoord top {0.};
	CCoord right {0.};
	CCoord bottom {0.};
};

} // namespace VSTGUI
