#include "allocationprobe.h"
#include "processorrig.h"

#include "common/plugparamids.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Steinberg;
using namespace Steinberg::Vst;

TEST (ProcessorAllocation, ActivationWithoutMemoryFailsAndStaysSafe)
{
	ProcessorRef processor;
	ASSERT_EQ (processor->initialize (nullptr), kResultOk);
	ProcessSetup setup {kRealtime, kSample32, 256, 48000.0};
	ASSERT_EQ (processor->setupProcessing (setup), kResultOk);

	// The four lines are the only allocations of an activation.
	AllocationProbe::startCounting ();
	ASSERT_EQ (processor->setActive (true), kResultOk);
	ASSERT_EQ (AllocationProbe::stopCounting (), 4u);
	processor->setActive (false);

	for (int linesThatFit = 0; linesThatFit < 4; ++linesThatFit)
	{
		AllocationProbe::failNext (1, linesThatFit);
		EXPECT_EQ (processor->setActive (true), kOutOfMemory) << linesThatFit;
		AllocationProbe::failNext (0);
		EXPECT_FALSE (processor->inputLineL);
		EXPECT_FALSE (processor->inputLineR);
		EXPECT_FALSE (processor->feedbackLineL);
		EXPECT_FALSE (processor->feedbackLineR);
		EXPECT_EQ (processor->bufferLength, 0);
		ProcessData empty {};
		EXPECT_EQ (processor->process (empty), kResultOk);
		EXPECT_EQ (processor->setActive (false), kResultOk);
	}

	EXPECT_EQ (processor->setActive (true), kResultOk);
	EXPECT_TRUE (processor->hasLines ());
	processor->setActive (false);
	processor->terminate ();
}

TEST (ProcessorAllocation, ProcessAllocatesNothingOnAnyPath)
{
	{
		// The probe sees what it is meant to see, or the zeros below say
		// nothing.
		AllocationProbe::Counter probeCheck;
		int* volatile object = new int (1);
		delete object;
#if DERAZID_COUNT_MALLOC
		void* volatile memory = std::malloc (16);
		std::free (memory);
		EXPECT_EQ (probeCheck.stop (), 2u);
#else
		EXPECT_EQ (probeCheck.stop (), 1u);
#endif
	}

	ProcessorRig rig (48000.0, kSample32);
	// Everything the blocks need is made before counting starts.
	StereoBlock<float> single (512);
	StereoBlock<double> twice (512);
	StereoBlock<float> inPlace (512, true);
	StereoBlock<float> silent (512);
	silent.inputBus.silenceFlags = 3;
	StereoBlock<float> empty (0);
	StereoBlock<float> mono (512);
	mono.outputBus.numChannels = 1;
	ProcessData noAudio {};
	for (auto* block : {&single, &inPlace, &silent})
		std::fill (block->in[0].begin (), block->in[0].end (), 0.25f);
	std::fill (twice.in[1].begin (), twice.in[1].end (), -0.25);

	HostParameterChanges automation;
	for (ParamID id = kLevelId; id <= kMixId; ++id)
		automation.add (id, {{0, 0.2}, {100, 0.9}});
	automation.set (kThruNullId, 1.0);
	automation.set (99, 0.5);
	automation.addMissingQueue ();
	HostParameterChanges bypassOn;
	bypassOn.set (kBypassId, 1.0);
	HostParameterChanges bypassOff;
	bypassOff.set (kBypassId, 0.0);
	HostParameterChanges farDelay;
	farDelay.set (kDelayId, 1.0);
	PlugParamBlock far = PlugProcessor::kBuiltInDefaults;
	far.delay = 1.0;
	const IPtr<MemoryStream> records[] = {streamOf (recordOf (PlugProcessor::kBuiltInDefaults)),
	                                      streamOf (recordOf (far))};
	const IPtr<MemoryStream> cut = streamOf (Bytes (71, 0));

	auto run = [&] (ProcessData& data, HostParameterChanges* changes) {
		data.inputParameterChanges = changes;
		AllocationProbe::Counter counter;
		rig->process (data);
		return counter.stop ();
	};
	for (int round = 0; round < 3; ++round)
	{
		EXPECT_EQ (run (single.data, &automation), 0u);
		EXPECT_EQ (run (twice.data, nullptr), 0u);
		EXPECT_EQ (run (inPlace.data, &farDelay), 0u); // a delay jump starts
		for (int block = 0; block < 20; ++block) // and runs to its end
			EXPECT_EQ (run (single.data, nullptr), 0u);
		EXPECT_EQ (run (silent.data, &automation), 0u);
		EXPECT_EQ (run (empty.data, &automation), 0u);
		EXPECT_EQ (run (noAudio, &automation), 0u);
		EXPECT_EQ (run (mono.data, nullptr), 0u);
		EXPECT_EQ (run (single.data, &bypassOn), 0u);
		EXPECT_EQ (run (twice.data, nullptr), 0u);
		EXPECT_EQ (run (single.data, &bypassOff), 0u);

		// Records restored on the control side are taken without allocating.
		rig->setState (streamOf (recordOf (PlugProcessor::kBuiltInDefaults)));
		rig->setState (streamOf (Bytes (10, 0)));
		EXPECT_EQ (run (twice.data, &automation), 0u);

		// However many wait, neither side allocates for them.
		AllocationProbe::Counter restoring;
		for (int call = 0; call < 1000; ++call)
		{
			IBStream* stream = call % 3 == 2 ? cut.get () : records[call % 2].get ();
			stream->seek (0, IBStream::kIBSeekSet, nullptr);
			rig->setState (stream);
		}
		EXPECT_EQ (restoring.stop (), 0u);
		EXPECT_EQ (run (single.data, nullptr), 0u);
	}

	// Without lines the audio is copied through, still without allocating.
	rig->setActive (false);
	EXPECT_EQ (run (single.data, &automation), 0u);
	EXPECT_EQ (run (twice.data, nullptr), 0u);
}
