// The effect of a run of setState calls that the audio side has not taken
// yet, kept in a fixed size however long the run grows.
//
// Each call reads a record, or fails to and keeps the parameters, and then
// recomputes the derived values. A recomputation depends on the ones before
// it only through the Delay setting (DelayMove); everything else follows
// from the parameters alone. So a run keeps:
// - the failed reads before its first record, at most two: the first can
//   start a jump against the audio side's own last delay, the second then
//   takes the centre there, and any further one repeats the second;
// - its first record, whose move is judged against the audio side's delay;
// - the moves of all later calls, judged here, one call's delay against the
//   call's before, and folded into one;
// - its last record, which the derived values come from.
// Applied in that order, these leave every field of the processor exactly
// as the calls applied one by one would.
#pragma once

#include "processor/delaymove.h"
#include "processor/plugparamblock.h"

#include <cstdint>

namespace Steinberg {
namespace Vst {

struct RestoredRun
{
	// Adds the outcome of one setState read: the record when readOk.
	void add (const PlugParamBlock& block, bool readOk);

	int32 leadingFailures = 0;
	bool hasRecord = false;
	PlugParamBlock first {};
	PlugParamBlock last {};
	bool hasLaterCalls = false;
	DelayMove laterMoves {false, false, 0.0};
	double lastDelayMs = 0.0; // of the run's newest call
	uint64_t generation = 0; // of the run's newest call
};

} // namespace Vst
} // namespace Steinberg
