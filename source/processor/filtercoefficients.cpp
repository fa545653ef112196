#include "processor/filtercoefficients.h"

#include <cmath>

namespace Steinberg {
namespace Vst {

static constexpr double kTwoPi = 6.283185307179586;

// (1 - sin w) / cos w equals (1 - K) / (1 + K) with K = tan (w / 2).
static double tanRatio (double f, double fs)
{
	const double w = (f * kTwoPi) / fs;
	return (1 - std::sin (w)) / std::cos (w);
}

void calcTanCoefsMinus (double& first, double& second, double f, double fs)
{
	const double t = tanRatio (f, fs);
	second = t;
	first = 0.5 - t * 0.5;
}

void calcTanCoefsPlus (double& first, double& second, double f, double fs)
{
	const double t = tanRatio (f, fs);
	second = t;
	first = t * 0.5 + 0.5;
}

void calcOnePoleCoefs (double& first, double& second, double f, double fs)
{
	const double w = (f * kTwoPi) / fs;
	const double a = 2 - std::cos (w);
	// s = -(a - sqrt (a^2 - 1)), minus the pole.
	const double s = std::sqrt (a * a + (-1)) - a;
	first = s + 1;
	second = -s;
}

void calcSmoothingCoefs (double& first, double& second, double ms, double fs)
{
	const double k = std::exp (-2.2 / ((ms * 0.001) * fs));
	first = 1 - k;
	second = k;
}

void calcDecayCoefs (double& first, double& second, double a, double b, double c)
{
	// g is the loop's loss at 0 Hz; h is chosen so that the loss at the
	// Nyquist frequency, g / h, is the one of the decay time b.
	const double g = std::pow (10.0, (c * -3) / a);
	const double h = std::pow (g, 1 - a / b);
	const double q = 2 / (h + 1);
	first = q * g;
	second = 1 - q;
}

} // namespace Vst
} // namespace Steinberg
