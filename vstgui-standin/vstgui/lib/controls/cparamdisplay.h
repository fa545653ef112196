// A control that shows its value as text. The text comes from the
// value-to-string function when one is set and gives one, else from the
// value with the display's precision.
#pragma once

#include "vstgui/lib/controls/ccontrol.h"

#include <functional>
#include <string>

namespace VSTGUI {

class CParamDisplay : public CControl
{
public:
	using ValueToStringFunction =
	    std::function<bool (float value, std::string& result, CParamDisplay* display)>;

	CParamDisplay (const CRect& size);
	~CParamDisplay () noexcept override;

	void setValueToStringFunction (const ValueToStringFunction& function);
	void setPrecision (uint8_t digits) { precision = digits; }
	uint8_t getPrecision () const { return precision; }

	// The text the display shows for its current value.
	virtual std::string getDisplayText ();

private:
	ValueToStringFunction valueToString;
	uint8_t precision {2};
};

} // namespace VSTGUI
