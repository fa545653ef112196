// Coefficient pairs of first-order filters: the all-pass style tangent pair,
// a one-pole low-pass, a parameter smoother and the loss filter of a
// feedback delay. Each writes its two results first, then takes its inputs.
#pragma once

namespace Steinberg {
namespace Vst {

// With K = tan (pi f / fs): second = (1 - K) / (1 + K), first = K / (1 + K).
// f and fs in one unit, 0 < f < fs / 2.
void calcTanCoefsMinus (double& first, double& second, double f, double fs);

// As calcTanCoefsMinus, but first = 1 / (1 + K).
void calcTanCoefsPlus (double& first, double& second, double f, double fs);

// One-pole low-pass with its pole as second and 1 - pole as first, for the
// frequency f at the sample rate fs (0 <= f < fs / 2).
void calcOnePoleCoefs (double& first, double& second, double f, double fs);

// Smoother y = first * x + second * y that settles in about ms milliseconds
// at fs hertz.
void calcSmoothingCoefs (double& first, double& second, double ms, double fs);

// Loss of a delay of length c in a loop whose level falls by 60 dB in time a
// at low and in time b at high frequencies, as the one-pole low-pass
// y = first * x + second * y. a, b and c in one unit, a and b positive.
void calcDecayCoefs (double& first, double& second, double a, double b, double c);

} // namespace Vst
} // namespace Steinberg
