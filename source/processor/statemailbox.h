// Carries parameter records between the host's control thread (setState,
// getState) and its audio thread (process) without a lock, without waiting
// and without any allocation on either side: all of it lives in this object.
//
// Inbound, the calls of setState that the audio side has not taken yet form
// one RestoredRun, which folds every further call in, exactly, in a fixed
// size. Each call takes that run back from the audio side if it is still
// unseen, adds itself and hands it over again; the audio side takes the run
// at the start of a block and applies it as a whole, so records restored in
// a row act exactly as if each had been applied on its own. Outbound, the
// audio side publishes its current record after each block; getState
// answers the newest record, which is a restored one still waiting if there
// is one.
#pragma once

#include "processor/plugparamblock.h"
#include "processor/restoredrun.h"

#include <atomic>
#include <cstdint>

namespace Steinberg {
namespace Vst {

class StateMailbox
{
public:
	explicit StateMailbox (const PlugParamBlock& initial);

	StateMailbox (const StateMailbox&) = delete;
	StateMailbox& operator= (const StateMailbox&) = delete;

	//--- control thread ---
	// Hands over the outcome of one setState read: the record when readOk,
	// else only the request to recompute.
	void post (const PlugParamBlock& block, bool readOk);
	// The record that getState must write.
	PlugParamBlock current ();

	//--- audio thread (or the control thread while no block runs) ---
	// Calls apply (run) when a run of setState calls waits.
	template <typename Apply>
	void take (Apply&& apply);
	// Makes the record the audio side holds visible to current ().
	void publish (const PlugParamBlock& block);

private:
	struct Snapshot
	{
		PlugParamBlock block;
		uint64_t generation;
	};

	// Both directions are triple buffers: each side owns one slot and swaps
	// it with the one in the middle; kFresh marks a middle slot that the
	// other side has not taken yet.
	static constexpr uint8_t kFresh = 4;
	static constexpr uint8_t kIndexMask = 3;

	RestoredRun runs[3];
	std::atomic<uint8_t> middleRun {1};
	uint8_t controlRun = 0;
	uint8_t audioRun = 2;

	Snapshot slots[3];
	std::atomic<uint8_t> middle {1};
	uint8_t writerSlot = 0;
	uint8_t readerSlot = 2;

	uint64_t takenGeneration = 0; // audio side
	uint64_t postedGeneration = 0; // control side
	uint64_t lastGoodGeneration = 0; // control side
	PlugParamBlock lastGoodBlock; // control side
};

template <typename Apply>
void StateMailbox::take (Apply&& apply)
{
	if (!(middleRun.load (std::memory_order_relaxed) & kFresh))
		return;
	const uint8_t taken = middleRun.exchange (audioRun, std::memory_order_acq_rel);
	audioRun = taken & kIndexMask;
	// The control side may have taken the run back in the meantime, to add
	// to it; then this slot holds nothing, and the run comes with a later
	// block.
	if (!(taken & kFresh))
		return;
	const RestoredRun& run = runs[audioRun];
	apply (run);
	takenGeneration = run.generation;
}

} // namespace Vst
} // namespace Steinberg
