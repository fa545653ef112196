#include "processor/statemailbox.h"

namespace Steinberg {
namespace Vst {

StateMailbox::StateMailbox (const PlugParamBlock& initial) : lastGoodBlock (initial)
{
	for (auto& slot : slots)
		slot = {initial, 0};
}

void StateMailbox::post (const PlugParamBlock& block, bool readOk)
{
	// Takes the run in the middle back, leaving an empty slot there that
	// the audio side will not take. Unless the audio side has taken it, the
	// run is still unseen and this call adds to it.
	const uint8_t previous = middleRun.exchange (controlRun, std::memory_order_acq_rel);
	controlRun = previous & kIndexMask;
	RestoredRun& run = runs[controlRun];
	if (!(previous & kFresh))
		run = RestoredRun {};
	run.add (block, readOk);
	run.generation = ++postedGeneration;
	if (readOk)
	{
		lastGoodGeneration = run.generation;
		lastGoodBlock = block;
	}
	controlRun = middleRun.exchange (controlRun | kFresh, std::memory_order_acq_rel) & kIndexMask;
}

void StateMailbox::publish (const PlugParamBlock& block)
{
	slots[writerSlot] = {block, takenGeneration};
	writerSlot = middle.exchange (writerSlot | kFresh, std::memory_order_acq_rel) & kIndexMask;
}

PlugParamBlock StateMailbox::current ()
{
	if (middle.load (std::memory_order_relaxed) & kFresh)
		readerSlot = middle.exchange (readerSlot, std::memory_order_acq_rel) & kIndexMask;
	const Snapshot& published = slots[readerSlot];
	// A restored record the audio side has not taken yet is newer than
	// anything it has published.
	if (lastGoodGeneration > published.generation)
		return lastGoodBlock;
	return published.block;
}

} // namespace Vst
} // namespace Steinberg
