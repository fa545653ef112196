// The attributes of one element of a UI description, in document order, with
// the readers of the value forms the view creators use.
#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/cfont.h"
#include "vstgui/lib/cpoint.h"

#include <string>
#include <utility>
#include <vector>

namespace VSTGUI {

class UIAttributes
{
public:
	UIAttributes () = default;

	bool hasAttribute (const std::string& name) const;
	// None when the element has no such attribute.
	const std::string* getAttributeValue (const std::string& name) const;
	void setAttribute (const std::string& name, const std::string& value);
	void removeAttribute (const std::string& name);

	// Each gives false and leaves the result alone when the attribute is
	// missing or does not read as its form.
	bool getPointAttribute (const std::string& name, CPoint& point) const;
	bool getDoubleAttribute (const std::string& name, double& value) const;
	bool getIntegerAttribute (const std::string& name, int32_t& value) const;
	bool getBooleanAttribute (const std::string& name, bool& value) const;
	bool getColorAttribute (const std::string& name, CColor& color) const;
	bool getFontAttribute (const std::string& name, CFontDesc& font) const;

	// "x, y"
	static bool stringToPoint (const std::string& text, CPoint& point);
	static std::string pointToString (const CPoint& point);
	// The whole text one decimal number, with blanks around it allowed.
	static bool stringToDouble (const std::string& text, double& value);
	static std::string doubleToString (double value, int precision = 6);
	static bool stringToInteger (const std::string& text, int32_t& value);
	// "#rrggbb" or "#rrggbbaa" in hexadecimal digits of either case; written
	// as "#rrggbbaa" in small letters.
	static bool stringToColor (const std::string& text, CColor& color);
	static std::string colorToString (const CColor& color);
	// "family, size" and then ", bold" and ", italic" as wanted, the size in
	// pixels above 0 and at most kMaxFontSize.
	static constexpr double kMaxFontSize = 512.;
	static bool stringToFont (const std::string& text, CFontDesc& font);
	static std::string fontToString (const CFontDesc& font);

	size_t size () const { return attributes.size (); }
	const std::pair<std::string, std::string>& at (size_t index) const { return attributes[index]; }

private:
	std::vector<std::pair<std::string, std::string>> attributes;
};

} // namespace VSTGUI
