// Text handed to and read from the toolkit: UTF-8.
#pragma once

#include "vstgui/lib/vstguifwd.h"

#include <string>

namespace VSTGUI {

class UTF8String
{
public:
	UTF8String () = default;
	UTF8String (UTF8StringPtr text) : string (text ? text : "") {}
	UTF8String (std::string text) : string (std::move (text)) {}

	const std::string& getString () const { return string; }
	UTF8StringPtr data () const { return string.c_str (); }
	bool empty () const { return string.empty (); }

	bool operator== (const UTF8String& other) const { return string == other.string; }
	bool operator!= (const UTF8String& other) const { return string != other.string; }
	bool operator== (UTF8StringPtr other) const { return string == (other ? other : ""); }
	bool operator!= (UTF8StringPtr other) const { return !(*this == other); }

private:
	std::string string;
};

} // namespace VSTGUI
