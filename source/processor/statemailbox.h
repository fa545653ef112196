// Carries parameter records between the host's control thread (setState,
// getState) and its audio thread (process) without a lock, and without any
// allocation or waiting on the audio side.
//
// Inbound, every restored record is queued in order; the audio thread takes
// the whole queue at the start of a block, so a run of setState calls is
// applied exactly as if each had run on its own. Outbound, the audio thread
// publishes its current record after each block; getState answers the newest
// record, which is a restored one still waiting in the queue if there is one.
#pragma once

#include "processor/plugparamblock.h"

#include <atomic>
#include <cstdint>

namespace Steinberg {
namespace Vst {

class StateMailbox
{
public:
	struct Delivery
	{
		PlugParamBlock block;
		bool readOk;
		uint64_t generation;
		Delivery* next;
	};

	explicit StateMailbox (const PlugParamBlock& initial);
	~StateMailbox ();

	StateMailbox (const StateMailbox&) = delete;
	StateMailbox& operator= (const StateMailbox&) = delete;

	//--- control thread ---
	// Queues the outcome of one setState read: the record when readOk, else
	// only the request to recompute. Returns false when no memory was left.
	bool post (const PlugParamBlock& block, bool readOk);
	// The record that getState must write.
	PlugParamBlock current ();

	//--- audio thread (or the control thread while no block runs) ---
	// Calls apply (delivery) for every queued delivery, oldest first.
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

	Delivery* newDelivery ();
	static void deleteChain (Delivery* chain);
	void giveBack (Delivery* first, Delivery* last);

	// Queue of deliveries, newest first (a lock-free stack).
	std::atomic<Delivery*> inbox {nullptr};
	// Deliveries the audio side is done with, for reuse by the control side.
	std::atomic<Delivery*> returned {nullptr};
	Delivery* pool = nullptr;

	// Triple buffer of the published record: the writer and the reader each
	// own one slot and swap it with the middle one.
	static constexpr uint8_t kFresh = 4;
	static constexpr uint8_t kIndexMask = 3;
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
	Delivery* newestFirst = inbox.exchange (nullptr, std::memory_order_acquire);
	if (!newestFirst)
		return;

	Delivery* oldestFirst = nullptr;
	Delivery* last = newestFirst;
	while (newestFirst)
	{
		Delivery* next = newestFirst->next;
		newestFirst->next = oldestFirst;
		oldestFirst = newestFirst;
		newestFirst = next;
	}
	for (Delivery* delivery = oldestFirst; delivery; delivery = delivery->next)
	{
		apply (*delivery);
		takenGeneration = delivery->generation;
	}
	giveBack (oldestFirst, last);
}

} // namespace Vst
} // namespace Steinberg
