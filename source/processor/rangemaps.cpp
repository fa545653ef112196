#include "processor/rangemaps.h"

#include <cmath>

namespace Steinberg {
namespace Vst {

// log2 (10): turns a power of ten into a power of two.
static constexpr double kLog2Of10 = 3.321928094887362;

double mapLinear (double x, double inMin, double inMax, double outMin, double outMax)
{
	return ((x - inMin) * (outMax - outMin)) / (inMax - inMin) + outMin;
}

double mapExponential (double x, double lo, double hi)
{
	// lo * (hi / lo)^x
	return lo * std::exp2 ((x * kLog2Of10) * std::log10 (hi / lo));
}

double unmapExponential (double y, double lo, double hi)
{
	const double r = 1 / lo;
	return std::log10 (y * r) / std::log10 (hi * r);
}

} // namespace Vst
} // namespace Steinberg
