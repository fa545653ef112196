// Truncation toward zero to a 32-bit integer for values that may lie outside
// its range: converting such a value directly is undefined behaviour, so it
// is clamped to the nearest end of the range, and NaN gives 0.
#pragma once

#include "pluginterfaces/base/ftypes.h"

#include <cmath>
#include <limits>

namespace Steinberg {
namespace Vst {

inline int32 truncateToInt32 (double value)
{
	if (std::isnan (value))
		return 0;
	// Every value strictly between these two truncates into the range.
	if (value <= -2147483649.0)
		return std::numeric_limits<int32>::min ();
	if (value >= 2147483648.0)
		return std::numeric_limits<int32>::max ();
	return static_cast<int32> (value);
}

} // namespace Vst
} // namespace Steinberg
