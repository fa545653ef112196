// What one recomputation of the derived values does to the delay: a move of
// the Delay setting by more than 3 ms from the previous recomputation starts
// a delay jump and leaves the centre delay where it is, for the signal path
// to move once it has muted; a smaller move takes the centre there at once.
// The moves of several recomputations in a row fold into one.
#pragma once

#include <cmath>

namespace Steinberg {
namespace Vst {

struct DelayMove
{
	bool jump;
	bool adopt;
	double centreMs; // where adopt takes the centre

	static DelayMove between (double lastMs, double newMs)
	{
		if (std::abs (lastMs - newMs) > 3.0)
			return {true, false, 0.0};
		return {false, true, newMs};
	}

	// This move, then next: a jump if either started one, and the centre
	// of the later one that moved it.
	DelayMove then (const DelayMove& next) const
	{
		return {jump || next.jump, adopt || next.adopt, next.adopt ? next.centreMs : centreMs};
	}
};

} // namespace Vst
} // namespace Steinberg
