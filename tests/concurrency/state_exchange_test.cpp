// setState and getState on the host's control thread may overlap process on
// its audio thread. Run under ThreadSanitizer, these tests show the exchange
// is free of data races, with the whole signal path running on the audio
// side; in every build they show no record is ever torn.
#include "audioblock.h"
#include "hostparameterchanges.h"
#include "processorprobe.h"
#include "streams.h"

#include "common/plugparamids.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

PlugParamBlock uniformBlock (double value, bool switches)
{
	return {value, value, value, value, value, value, value, switches, switches};
}

Bytes recordOf (const PlugParamBlock& block)
{
	auto stream = owned (new MemoryStream);
	block.write (stream);
	return bytesOf (*stream);
}

// A record is whole when its seven values came from one writer.
bool isWhole (const PlugParamBlock& block)
{
	for (double value : {block.delay, block.depth, block.degree, block.rate, block.feedback,
	                     block.mix})
		if (value != block.level)
			return false;
	return block.thruNull == block.bypass;
}

} // namespace

TEST (StateExchange, ControlAndAudioThreadsOverlapWithoutTearing)
{
	ProcessorRef processor;
	ASSERT_EQ (processor->initialize (nullptr), kResultOk);
	ProcessSetup setup {kRealtime, kSample32, 64, 48000.0};
	ASSERT_EQ (processor->setupProcessing (setup), kResultOk);
	ASSERT_EQ (processor->setActive (true), kResultOk);
	{
		// Make the processor's state whole before the threads start.
		ProcessData empty {};
		processor->process (empty);
	}

	std::atomic<bool> stop {false};
	std::atomic<int> tornRecords {0};
	std::atomic<int> flangedBlocks {0};
	std::atomic<int> nonFiniteSamples {0};

	// The audio thread runs the whole signal path, in both sample types.
	std::thread audio ([&] {
		StereoBlock<float> single (64);
		StereoBlock<double> twice (64);
		HostParameterChanges changes;
		single.data.inputParameterChanges = &changes;
		twice.data.inputParameterChanges = &changes;
		for (int round = 0; !stop.load (); ++round)
		{
			changes.clear ();
			// Automation moves all seven values together, so a whole record
			// stays whole.
			const double value = 0.5 + (round % 1000) * 1e-6;
			for (ParamID id = kLevelId; id <= kMixId; ++id)
				changes.set (id, value);
			changes.set (kThruNullId, 0.0);
			changes.set (kBypassId, 0.0);
			for (size_t i = 0; i < 64; ++i)
			{
				single.in[0][i] = single.in[1][i] = 0.25f * static_cast<float> (i % 8);
				twice.in[0][i] = twice.in[1][i] = -0.125 * static_cast<double> (i % 5);
			}
			const bool useDouble = round % 2 == 1;
			processor->process (useDouble ? twice.data : single.data);
			bool flanged = false;
			for (int channel = 0; channel < 2; ++channel)
				for (size_t i = 0; i < 64; ++i)
				{
					const double in = useDouble ? twice.in[channel][i] : single.in[channel][i];
					const double out = useDouble ? twice.out[channel][i] : single.out[channel][i];
					if (!std::isfinite (out))
						++nonFiniteSamples;
					flanged = flanged || out != in;
				}
			if (flanged)
				++flangedBlocks;
		}
	});

	for (int round = 0; round < 20000; ++round)
	{
		const PlugParamBlock restored = uniformBlock ((round % 997) / 1000.0, round % 2);
		processor->setState (streamOf (recordOf (restored)));
		auto out = owned (new MemoryStream);
		ASSERT_EQ (processor->getState (out), kResultOk);
		out->seek (0, IBStream::kIBSeekSet, nullptr);
		PlugParamBlock current {};
		ASSERT_EQ (current.read (out), kResultOk);
		if (!isWhole (current))
			++tornRecords;
	}
	stop = true;
	audio.join ();
	EXPECT_EQ (tornRecords.load (), 0);
	EXPECT_GT (flangedBlocks.load (), 0);
	EXPECT_EQ (nonFiniteSamples.load (), 0);

	// Once the threads are done, the last restored record is the state.
	const PlugParamBlock last = uniformBlock (0.125, true);
	ASSERT_EQ (processor->setState (streamOf (recordOf (last))), kResultOk);
	ProcessData empty {};
	processor->process (empty);
	auto out = owned (new MemoryStream);
	ASSERT_EQ (processor->getState (out), kResultOk);
	EXPECT_EQ (bytesOf (*out), recordOf (last));

	processor->setActive (false);
	processor->terminate ();
}

TEST (StateExchange, RestoredRecordsApplyInOrderWhenTakenTogether)
{
	// Two delay moves queued before one block must run as two updates: the
	// first starts a delay jump, the second (a small move) then moves the
	// centre at once, exactly as two separate setState calls would.
	ProcessorRef processor;
	ASSERT_EQ (processor->initialize (nullptr), kResultOk);
	ASSERT_EQ (processor->setActive (true), kResultOk);
	processor->jumpPending = false;

	PlugParamBlock far = PlugProcessor::kBuiltInDefaults;
	far.delay = 0.9;
	PlugParamBlock near = far;
	near.delay = 0.95;
	processor->setState (streamOf (recordOf (far)));
	processor->setState (streamOf (recordOf (near)));
	ProcessData empty {};
	processor->process (empty);

	EXPECT_TRUE (processor->jumpPending);
	EXPECT_EQ (processor->centreDelayMs, 0.95 * 7.5 + 0.5);
	EXPECT_EQ (processor->params.delay, 0.95);
	processor->setActive (false);
	processor->terminate ();
}

TEST (StateExchange, RestoredRecordsArriveInTheirOrderWhileBlocksRun)
{
	ProcessorRef processor;
	ASSERT_EQ (processor->initialize (nullptr), kResultOk);
	ASSERT_EQ (processor->setActive (true), kResultOk);

	// Each record restores a larger value than the one before, so a block
	// that saw an older record after a newer one would see a value fall.
	constexpr int kRecords = 20000;
	processor->setState (streamOf (recordOf (uniformBlock (0.0, false))));
	ProcessData empty {};
	processor->process (empty);
	std::atomic<bool> stop {false};
	std::atomic<int> fallingValues {0};
	std::thread audio ([&] {
		StereoBlock<double> block (32);
		double seen = -1.0;
		while (!stop.load ())
		{
			processor->process (block.data);
			const double value = processor->params.level;
			if (value < seen)
				++fallingValues;
			seen = value;
		}
	});
	for (int record = 0; record < kRecords; ++record)
	{
		const double value = record / double (kRecords);
		processor->setState (streamOf (recordOf (uniformBlock (value, false))));
		if (record % 7 == 0) // a failed read now and then
			processor->setState (streamOf (Bytes (3, 0)));
	}
	stop = true;
	audio.join ();
	EXPECT_EQ (fallingValues.load (), 0);

	processor->process (empty);
	EXPECT_EQ (processor->params.level, (kRecords - 1) / double (kRecords));
	processor->setActive (false);
	processor->terminate ();
}
