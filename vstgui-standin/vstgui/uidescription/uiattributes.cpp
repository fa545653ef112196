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

} // namespace VSTGUI
