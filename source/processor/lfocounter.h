// The LFO phase is lfoIncrement × lfoCounter, plus a remainder that is 0.0
// until the int32 count runs out of room. The count is rescaled when the
// rate changes, so that the phase goes on from where the old step took it,
// and advanced by one per frame. Where the count stays in range both are the
// plain formulas; beyond that the phase is carried, reduced to one turn, in
// the remainder, so it stays defined and continuous however long the
// processor runs and however the rate moves.
#pragma once

#include "pluginterfaces/base/ftypes.h"

#include <cmath>
#include <limits>

namespace Steinberg {
namespace Vst {

namespace LfoCounter {

constexpr double kTurn = 6.283185307179586;
// One past the largest int32, and one below the smallest.
constexpr double kCountAbove = 2147483648.0;
constexpr double kCountBelow = -2147483649.0;

// Moves count from the step applied to the step increment, keeping the phase
// to within half a new step.
inline void rescale (int32& count, double& remainder, double applied, double increment)
{
	if (increment == 0.0)
	{
		// A stopped LFO stands at phase 0 whatever the count holds, and the
		// count starts again from 0 when the rate rises.
		remainder = 0.0;
		return;
	}
	const double phase = applied * static_cast<double> (count) + remainder;
	const double scaled = phase / increment + 0.5;
	if (scaled > kCountBelow && scaled < kCountAbove)
	{
		count = static_cast<int32> (scaled);
		remainder = 0.0;
		return;
	}
	// The new step is too small for the count to reach this phase.
	count = 0;
	remainder = std::fmod (phase, kTurn);
}

// One frame on.
inline void advance (int32& count, double& remainder, double increment)
{
	if (count < std::numeric_limits<int32>::max ())
	{
		++count;
		return;
	}
	remainder = std::fmod (increment * kCountAbove + remainder, kTurn);
	count = 0;
}

} // namespace LfoCounter

} // namespace Vst
} // namespace Steinberg
