#include "processor/statemailbox.h"

#include <new>

namespace Steinberg {
namespace Vst {

StateMailbox::StateMailbox (const PlugParamBlock& initial) : lastGoodBlock (initial)
{
	for (auto& slot : slots)
		slot = {initial, 0};
}

StateMailbox::~StateMailbox ()
{
	deleteChain (inbox.exchange (nullptr));
	deleteChain (returned.exchange (nullptr));
	deleteChain (pool);
}

void StateMailbox::deleteChain (Delivery* chain)
{
	while (chain)
	{
		Delivery* next = chain->next;
		delete chain;
		chain = next;
	}
}

StateMailbox::Delivery* StateMailbox::newDelivery ()
{
	if (!pool)
		pool = returned.exchange (nullptr, std::memory_order_acquire);
	if (pool)
	{
		Delivery* delivery = pool;
		pool = pool->next;
		return delivery;
	}
	return new (std::nothrow) Delivery;
}

void StateMailbox::giveBack (Delivery* first, Delivery* last)
{
	last->next = returned.load (std::memory_order_relaxed);
	while (!returned.compare_exchange_weak (last->next, first, std::memory_order_release,
	                                        std::memory_order_relaxed))
	{
	}
}

bool StateMailbox::post (const PlugParamBlock& block, bool readOk)
{
	Delivery* delivery = newDelivery ();
	if (!delivery)
		return false;
	delivery->block = block;
	delivery->readOk = readOk;
	delivery->generation = ++postedGeneration;
	if (readOk)
	{
		lastGoodGeneration = delivery->generation;
		lastGoodBlock = block;
	}
	delivery->next = inbox.load (std::memory_order_relaxed);
	while (!inbox.compare_exchange_weak (delivery->next, delivery, std::memory_order_release,
	                                     std::memory_order_relaxed))
	{
	}
	return true;
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
