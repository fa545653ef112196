#include "processor/gainscaling.h"

#include "processor/truncatetoint32.h"

#include <cmath>
#include <limits>

namespace Steinberg {
namespace Vst {

// log2 (10) / 20, one unit in the last place above its nearest double: the
// gains must stay exactly those this constant gives.
static constexpr double kLog2Of10Over20 = 0.16609640474436813;

double dbToGain (double db)
{
	return std::exp2 (db * kLog2Of10Over20);
}

int32 scaleBy250 (double x)
{
	const int32 n = truncateToInt32 (x * 250);
	const int32 m = truncateToInt32 (n * 0.001);
	// n near either end of the range plus m would overflow 32 bits.
	const int64 sum = static_cast<int64> (n) + m;
	if (sum > std::numeric_limits<int32>::max ())
		return std::numeric_limits<int32>::max ();
	if (sum < std::numeric_limits<int32>::min ())
		return std::numeric_limits<int32>::min ();
	return static_cast<int32> (sum);
}

} // namespace Vst
} // namespace Steinberg
