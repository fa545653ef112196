#include "controller/nearlyequal.h"

#include <cmath>

namespace Steinberg {
namespace Vst {

bool isNearlyEqual (double a, double b)
{
	return !(std::abs (b - a) >= kPlainValueTolerance);
}

} // namespace Vst
} // namespace Steinberg
