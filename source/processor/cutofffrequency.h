// The cutoff frequency to use at a sample rate.
#pragma once

namespace Steinberg {
namespace Vst {

// 16000 Hz above 32000 Hz; below, a whole number of kilohertz safely under
// half the sample rate. fs in hertz.
double cutoffForSampleRate (double fs);

} // namespace Vst
} // namespace Steinberg
