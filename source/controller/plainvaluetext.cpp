#include "controller/plainvaluetext.h"

#include "pluginterfaces/base/ustring.h"

#include <cstdio>

namespace Steinberg {
namespace Vst {

void printPlainValue (ParamValue plain, int32 precision, String128 text)
{
	constexpr int32 kTextSize = str16BufferSize (String128);
	// The SDK's formatter writes past the end of the text when the number
	// needs more room than it has (a host asking for the text of a wildly
	// out-of-range value, or a large precision), so such a number is
	// measured first and given no text.
	const int needed = std::snprintf (nullptr, 0, "%.*lf", static_cast<int> (precision), plain);
	if (needed <= 0 || needed >= kTextSize)
	{
		text[0] = 0;
		return;
	}
	if (!UString (text, kTextSize).printFloat (plain, precision))
		text[0] = 0;
}

} // namespace Vst
} // namespace Steinberg
