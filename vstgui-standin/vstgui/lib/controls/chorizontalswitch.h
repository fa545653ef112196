// A switch whose positions run from the left to the right.
#pragma once

#include "vstgui/lib/controls/cswitchbase.h"

namespace VSTGUI {

class CHorizontalSwitch : public CSwitchBase
{
public:
	CHorizontalSwitch (const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1)
	: CSwitchBase (size, listener, tag)
	{
	}

protected:
	bool isStyleHorizontal () const override { return true; }
	double fractionAlongAxis (const CPoint& where) const override
	{
		const CRect& size = getViewSize ();
		return size.getWidth () > 0. ? (where.x - size.left) / size.getWidth () : 0.;
	}
};

} // namespace VSTGUI
