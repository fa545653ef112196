// Level and integer scaling.
#pragma once

#include "pluginterfaces/base/ftypes.h"

namespace Steinberg {
namespace Vst {

// The linear gain of a level in decibels, 10^(db / 20).
double dbToGain (double db);

// n = x * 250 truncated toward zero, plus n / 1000 truncated toward zero.
// Results beyond the 32-bit range are clamped to it.
int32 scaleBy250 (double x);

} // namespace Vst
} // namespace Steinberg
