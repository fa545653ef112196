// UTF-16 texts of the SDK as std::string, for comparisons in tests.
#pragma once

#include "pluginterfaces/base/ftypes.h"

#include <string>

namespace Steinberg {

// The text as 8-bit characters; the texts compared here are ASCII.
inline std::string toAscii (const char16* text)
{
	std::string result;
	for (; text && *text; ++text)
		result.push_back (*text < 0x80 ? static_cast<char> (*text) : '?');
	return result;
}

} // namespace Steinberg
