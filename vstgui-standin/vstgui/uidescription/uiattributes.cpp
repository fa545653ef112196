#include "vstgui/uidescription/uiattributes.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale>
#include <sstream>

namespace VSTGUI {

namespace {

bool onlyBlanksFrom (const char* p)
{
	while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r')
		++p;
	return *p == 0;
}

int hexDigit (char c)
{
	if (c >= '0' && c <= '9')
		return c - '0';
	if (c >= 'a' && c <= 'f')
		return c - 'a' + 10;
	if (c >= 'A' && c <= 'F')
		return c - 'A' + 10;
	return -1;
}

std::string trimmed (const std::string& text)
{
	const char* blanks = " \t\n\r";
	auto first = text.find_first_not_of (blanks);
	if (first == std::string::npos)
		return {};
	auto last = text.find_last_not_of (blanks);
	return text.substr (first, last - first + 1);
}

} // namespace

bool UIAttributes::hasAttribute (const std::string& name) const
{
	return getAttributeValue (name) != nullptr;
}

const std::string* UIAttributes::getAttributeValue (const std::string& name) const
{
	for (const auto& attribute : attributes)
	{
		if (attribute.first == name)
			return &attribute.second;
	}
	return nullptr;
}

void UIAttributes::setAttribute (const std::string& name, const std::string& value)
{
	for (auto& attribute : attributes)
	{
		if (attribute.first == name)
		{
			attribute.second = value;
			return;
		}
	}
	attributes.emplace_back (name, value);
}

void UIAttributes::removeAttribute (const std::string& name)
{
	attributes.erase (std::remove_if (attributes.begin (), attributes.end (),
	                                  [&] (const auto& a) { return a.first == name; }),
	                  attributes.end ());
}

bool UIAttributes::getPointAttribute (const std::string& name, CPoint& point) const
{
	const std::string* value = getAttributeValue (name);
	return value && stringToPoint (*value, point);
}

bool UIAttributes::getDoubleAttribute (const std::string& name, double& result) const
{
	const std::string* value = getAttributeValue (name);
	return value && stringToDouble (*value, result);
}

bool UIAttributes::getIntegerAttribute (const std::string& name, int32_t& result) const
{
	const std::string* value = getAttributeValue (name);
	return value && stringToInteger (*value, result);
}

bool UIAttributes::getBooleanAttribute (const std::string& name, bool& result) const
{
	const std::string* value = getAttributeValue (name);
	if (!value || (*value != "true" && *value != "false"))
		return false;
	result = *value == "true";
	return true;
}

bool UIAttributes::getColorAttribute (const std::string& name, CColor& color) const
{
	const std::string* value = getAttributeValue (name);
	return value && stringToColor (*value, color);
}

bool UIAttributes::getFontAttribute (const std::string& name, CFontDesc& font) const
{
	const std::string* value = getAttributeValue (name);
	return value && stringToFont (*value, font);
}

bool UIAttributes::stringToPoint (const std::string& text, CPoint& point)
{
	auto comma = text.find (',');
	if (comma == std::string::npos)
		return false;
	double x = 0.;
	double y = 0.;
	if (!stringToDouble (text.substr (0, comma), x) || !stringToDouble (text.substr (comma + 1), y))
		return false;
	point = CPoint (x, y);
	return true;
}

std::string UIAttributes::pointToString (const CPoint& point)
{
	return doubleToString (point.x) + ", " + doubleToString (point.y);
}

// Descriptions are read and written in the classic locale, whatever the host
// set for its own numbers.
bool UIAttributes::stringToDouble (const std::string& text, double& value)
{
	std::istringstream stream (text);
	stream.imbue (std::locale::classic ());
	double result = 0.;
	stream >> result;
	if (stream.fail () || !std::isfinite (result))
		return false;
	stream >> std::ws;
	if (!stream.eof ())
		return false;
	value = result;
	return true;
}

std::string UIAttributes::doubleToString (double value, int precision)
{
	std::ostringstream stream;
	stream.imbue (std::locale::classic ());
	stream.precision (precision);
	stream << value;
	return stream.str ();
}

bool UIAttributes::stringToInteger (const std::string& text, int32_t& value)
{
	const char* begin = text.c_str ();
	char* end = nullptr;
	errno = 0;
	long result = std::strtol (begin, &end, 10);
	if (end == begin || errno == ERANGE || result < INT32_MIN || result > INT32_MAX ||
	    !onlyBlanksFrom (end))
		return false;
	value = static_cast<int32_t> (result);
	return true;
}

bool UIAttributes::stringToColor (const std::string& text, CColor& color)
{
	if ((text.size () != 7 && text.size () != 9) || text[0] != '#')
		return false;
	uint8_t channels[4] = {0, 0, 0, 255};
	for (size_t i = 1, channel = 0; i < text.size (); i += 2, ++channel)
	{
		int high = hexDigit (text[i]);
		int low = hexDigit (text[i + 1]);
		if (high < 0 || low < 0)
			return false;
		channels[channel] = static_cast<uint8_t> (high * 16 + low);
	}
	color = CColor (channels[0], channels[1], channels[2], channels[3]);
	return true;
}

std::string UIAttributes::colorToString (const CColor& color)
{
	static const char digits[] = "0123456789abcdef";
	std::string text ("#");
	for (uint8_t channel : {color.red, color.green, color.blue, color.alpha})
	{
		text += digits[channel >> 4];
		text += digits[channel & 0xf];
	}
	return text;
}

bool UIAttributes::stringToFont (const std::string& text, CFontDesc& font)
{
	std::vector<std::string> parts;
	size_t start = 0;
	while (true)
	{
		auto comma = text.find (',', start);
		parts.push_back (trimmed (text.substr (start, comma == std::string::npos ? std::string::npos
		                                                                         : comma - start)));
		if (comma == std::string::npos)
			break;
		start = comma + 1;
	}
	double size = 0.;
	if (parts.size () < 2 || parts[0].empty () || !stringToDouble (parts[1], size) || !(size > 0.) ||
	    size > kMaxFontSize)
		return false;
	int32_t style = kNormalFace;
	for (size_t i = 2; i < parts.size (); ++i)
	{
		if (parts[i] == "bold")
			style |= kBoldFace;
		else if (parts[i] == "italic")
			style |= kItalicFace;
		else
			return false;
	}
	font = CFontDesc (parts[0], size, style);
	return true;
}

std::string UIAttributes::fontToString (const CFontDesc& font)
{
	std::string text = font.getName () + ", " + doubleToString (font.getSize ());
	if (font.getStyle () & kBoldFace)
		text += ", bold";
	if (font.getStyle () & kItalicFace)
		text += ", italic";
	return text;
}

} // namespace VSTGUI
