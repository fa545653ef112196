#include "vstgui/lib/controls/cparamdisplay.h"

#include <cstdio>

namespace VSTGUI {

CParamDisplay::CParamDisplay (const CRect& size) : CControl (size) {}

CParamDisplay::~CParamDisplay () noexcept = default;

void CParamDisplay::setValueToStringFunction (const ValueToStringFunction& function)
{
	valueToString = function;
}

std::string CParamDisplay::getDisplayText ()
{
	std::string text;
	if (valueToString && valueToString (getValue (), text, this))
		return text;
	char buffer[64];
	std::snprintf (buffer, sizeof (buffer), "%.*f", precision, static_cast<double> (getValue ()));
	return buffer;
}

} // namespace VSTGUI
