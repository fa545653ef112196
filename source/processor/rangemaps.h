// Maps between a value and a range, straight or on an exponential curve.
#pragma once

namespace Steinberg {
namespace Vst {

// x from inMin..inMax onto outMin..outMax; needs inMax != inMin.
double mapLinear (double x, double inMin, double inMax, double outMin, double outMax);

// x in 0..1 onto lo..hi so that equal steps of x multiply the result by equal
// factors: lo at 0, hi at 1. lo and hi positive.
double mapExponential (double x, double lo, double hi);

// The inverse of mapExponential: y in lo..hi back to 0..1. y, lo, hi positive.
double unmapExponential (double y, double lo, double hi);

} // namespace Vst
} // namespace Steinberg
