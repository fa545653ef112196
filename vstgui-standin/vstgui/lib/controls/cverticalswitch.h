// A switch whose positions run from the top down.
#pragma once

#include "vstgui/lib/controls/cswitchbase.h"

namespace VSTGUI {

class CVerticalSwitch : public CSwitchBase
{
public:
	CVerticalSwitch (const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1)
	: CSwitchBase (size, listener, tag)
	{
	}

protected:
	bool isStyleHorizontal () const override { return false; }
	double fractionAlongAxis (const CPoint& where) const override
	{
		const CRect& size = getViewSize ();
		return size.getHeight () > 0. ? (where.y - size.top) / size.getHeight () : 0.;
	}
};

} // namespace VSTGUI
