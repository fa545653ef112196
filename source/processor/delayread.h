// Reads from a circular delay line whose write position is shared by all
// lines: the slot at writeIndex still holds the sample written bufferLength
// frames ago, and the slot w places before it the one written w frames ago.
#pragma once

#include "pluginterfaces/base/ftypes.h"

namespace Steinberg {
namespace Vst {

// The sample written `delay` frames ago (0 <= delay <= bufferLength).
inline double readDelay (int32 delay, const double* line, int32 writeIndex, int32 bufferLength)
{
	int32 index = writeIndex - delay;
	if (index < 0)
		index += bufferLength;
	return line[index];
}

// First-order allpass interpolation at a fractional delay
// (0 <= delay < bufferLength), between the samples written w and w + 1 frames
// ago. state holds the previous result and receives this one.
inline double readDelayInterpolated (const double* line, double& state, int32 writeIndex,
                                     int32 bufferLength, double delay)
{
	const int32 whole = static_cast<int32> (delay);
	const double eta = static_cast<double> (whole + 1) - delay;
	int32 newer = writeIndex - whole;
	if (newer < 0)
		newer += bufferLength;
	const int32 older = newer == 0 ? bufferLength - 1 : newer - 1;
	const double result = (line[newer] - state) * eta + line[older];
	state = result;
	return result;
}

} // namespace Vst
} // namespace Steinberg
