// The tolerance below which two plain values count as the same, and below
// which a displayed plain value counts as zero.
#pragma once

namespace Steinberg {
namespace Vst {

constexpr double kPlainValueTolerance = 5e-5;

// True unless a and b lie at least kPlainValueTolerance apart; a NaN
// difference counts as equal.
bool isNearlyEqual (double a, double b);

} // namespace Vst
} // namespace Steinberg
