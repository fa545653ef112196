#include "processor/restoredrun.h"

#include "processor/signalvalues.h"

namespace Steinberg {
namespace Vst {

void RestoredRun::add (const PlugParamBlock& block, bool readOk)
{
	if (!hasRecord)
	{
		if (!readOk)
		{
			if (leadingFailures < 2)
				++leadingFailures;
			return;
		}
		hasRecord = true;
		first = last = block;
		lastDelayMs = delayMsOf (signalValuesOf (block));
		return;
	}
	// A failed read recomputes from the parameters as they are.
	const double delayMs = readOk ? delayMsOf (signalValuesOf (block)) : lastDelayMs;
	const DelayMove move = DelayMove::between (lastDelayMs, delayMs);
	laterMoves = hasLaterCalls ? laterMoves.then (move) : move;
	hasLaterCalls = true;
	lastDelayMs = delayMs;
	if (readOk)
		last = block;
}

} // namespace Vst
} // namespace Steinberg
