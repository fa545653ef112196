// Which input samples enter the flanger as they are. A sample whose
// magnitude exceeds the largest float32 value (NaN, an infinity, or a
// float64 too large for the feedback sums to stay finite) would stay in the
// lines and the interpolator states for good and silence the channel, so it
// enters as silence instead. Either sample type admits the same values.
#pragma once

#include "pluginterfaces/base/ftypes.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace Steinberg {
namespace Vst {

constexpr double kLargestInput = 3.4028234663852886e38;

inline double admitted (double sample)
{
	return std::abs (sample) <= kLargestInput ? sample : 0.0;
}

// Whether a whole channel enters unchanged, so that a clean block, the
// common case, needs no test per sample. The tests work on the bit patterns,
// where they vectorize: without its sign, a float's bits order it by
// magnitude, with NaN above the infinities; adding the distance from the
// limit to the top of the range sets the sign bit exactly for the samples
// beyond the limit.
inline bool allAdmitted (const float* samples, int32 count)
{
	// For float32 the limit is the largest finite value: only an exponent of
	// all ones (NaN, infinity) carries into the sign bit.
	uint32_t beyond = 0;
	for (int32 i = 0; i < count; ++i)
	{
		uint32_t bits;
		std::memcpy (&bits, samples + i, sizeof bits);
		beyond |= (bits & 0x7F800000u) + 0x00800000u;
	}
	return (beyond & 0x80000000u) == 0;
}

inline bool allAdmitted (const double* samples, int32 count)
{
	// 0x47EFFFFFE0000000 is kLargestInput as float64 bits.
	constexpr uint64_t kToTop = 0x7FFFFFFFFFFFFFFFull - 0x47EFFFFFE0000000ull;
	uint64_t beyond = 0;
	for (int32 i = 0; i < count; ++i)
	{
		uint64_t bits;
		std::memcpy (&bits, samples + i, sizeof bits);
		beyond |= (bits & 0x7FFFFFFFFFFFFFFFull) + kToTop;
	}
	return (beyond & 0x8000000000000000ull) == 0;
}

} // namespace Vst
} // namespace Steinberg
