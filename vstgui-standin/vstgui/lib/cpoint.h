// A point in view coordinates: x grows to the right, y downwards.
#pragma once

#include "vstgui/lib/vstguifwd.h"

namespace VSTGUI {

struct CPoint
{
	constexpr CPoint () = default;
	constexpr CPoint (CCoord x, CCoord y) : x (x), y (y) {}

	CPoint& offset (CCoord dx, CCoord dy)
	{
		x += dx;
		y += dy;
		return *this;
	}
	bool operator== (const CPoint& other) const { return x == other.x && y == other.y; }
	bool operator!= (const CPoint& other) const { return !(*this == other); }

	CCoord x {0.};
	CCoord y {0.};
};

} // namespace VSTGUI
