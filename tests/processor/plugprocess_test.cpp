// The block operation: how parameter changes are taken, and the blocks that
// never reach the flanger (no buses, no samples, silent input, bypass, no
// lines, buses the flanger cannot run on).
#include "processorrig.h"

#include "common/plugparamids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN ();
const double kInf = std::numeric_limits<double>::infinity ();

// Every update re-arms the Thru Null ramp; clearing the flag first shows
// whether an update ran.
void forgetUpdates (ProbedProcessor& processor) { processor.thruRampActive = false; }
bool updated (const ProbedProcessor& processor) { return processor.thruRampActive; }

template <typename Sample>
void fillRamp (StereoBlock<Sample>& block)
{
	for (int channel = 0; channel < 2; ++channel)
		for (size_t i = 0; i < block.in[channel].size (); ++i)
			block.in[channel][i] = static_cast<Sample> (0.001 * (i + 1) * (channel ? -1 : 1));
}

template <typename Sample>
void fillOutput (StereoBlock<Sample>& block, Sample value)
{
	for (int channel = 0; channel < 2; ++channel)
		std::fill (block.out[channel].begin (), block.out[channel].end (), value);
}

// The parts of the signal state that a skipped block must leave alone.
struct SignalState
{
	int32 writeIndex, lfoCounter;
	double levelSmoother, smoothedDelayL, feedbackInterpL, writeGain, thruGain, line0;

	explicit SignalState (const ProbedProcessor& p)
	: writeIndex (p.writeIndex)
	, lfoCounter (p.lfoCounter)
	, levelSmoother (p.levelSmoother)
	, smoothedDelayL (p.smoothedDelayL)
	, feedbackInterpL (p.feedbackInterpL)
	, writeGain (p.writeGain)
	, thruGain (p.thruGain)
	, line0 (p.inputLineL[0])
	{
	}
	bool operator== (const SignalState& o) const
	{
		return writeIndex == o.writeIndex && lfoCounter == o.lfoCounter &&
		       levelSmoother == o.levelSmoother && smoothedDelayL == o.smoothedDelayL &&
		       feedbackInterpL == o.feedbackInterpL && writeGain == o.writeGain &&
		       thruGain == o.thruGain && line0 == o.line0;
	}
};

} // namespace

//------------------------------------------------------------------------
// Parameter intake

TEST (ParameterIntake, OnlyTheLastPointOfAQueueCounts)
{
	ProcessorRig rig;
	rig.changes.add (kLevelId, {{0, 0.1}, {17, 0.2}, {3, 0.9}});
	rig.changes.add (kRateId, {{511, 0.05}});
	ProcessData noAudio {};
	noAudio.inputParameterChanges = &rig.changes;
	rig->process (noAudio);
	EXPECT_EQ (rig->params.level, 0.9);
	EXPECT_EQ (rig->params.rate, 0.05);
	EXPECT_EQ (rig->rateHz, 0.1);
}

TEST (ParameterIntake, ValuesAreStoredAsTheyCameAndLimitedOnlyForTheSignal)
{
	ProcessorRig rig;
	for (double value : {1.5, -3.0, 1e9, -1e9, kInf, -kInf, kNaN})
	{
		for (ParamID id = kLevelId; id <= kMixId; ++id)
			rig.changes.set (id, value);
		StereoBlock<double> block (64);
		fillRamp (block);
		rig.process (block);
		const double stored[] = {rig->params.level,    rig->params.delay, rig->params.depth,
		                         rig->params.degree,   rig->params.rate,  rig->params.feedback,
		                         rig->params.mix};
		for (double s : stored)
			EXPECT_TRUE (std::isnan (value) ? std::isnan (s) : s == value) << value;
		EXPECT_LE (rig->feedbackGain, 0.9);
		EXPECT_LE (rig->delayMs, 8.0);
		EXPECT_GE (rig->delayMs, 0.5);
		for (int channel = 0; channel < 2; ++channel)
			for (double sample : block.out[channel])
				ASSERT_TRUE (std::isfinite (sample)) << value;
	}
}

TEST (ParameterIntake, SwitchesAreOnOnlyAboveOneHalf)
{
	ProcessorRig rig;
	struct Case
	{
		double value;
		bool on;
	} cases[] = {{0.5, false}, {0.5000001, true}, {0.0, false}, {1.0, true},
	             {kNaN, false}, {-kInf, false},  {2.0, true}};
	for (const auto& c : cases)
	{
		rig.changes.set (kThruNullId, c.value);
		rig.changes.set (kBypassId, c.value);
		ProcessData noAudio {};
		noAudio.inputParameterChanges = &rig.changes;
		rig->process (noAudio);
		rig.changes.clear ();
		EXPECT_EQ (rig->params.thruNull, c.on) << c.value;
		EXPECT_EQ (rig->params.bypass, c.on) << c.value;
		EXPECT_EQ (rig->thruRampDown, c.on) << c.value;
	}
}

TEST (ParameterIntake, EveryQueueRecomputesInTheQueuesOrder)
{
	ProcessorRig rig (44100.0, kSample64, PlugProcessor::kBuiltInDefaults);
	ASSERT_FALSE (rig->jumpPending);
	ProcessData noAudio {};
	noAudio.inputParameterChanges = &rig.changes;

	// 3 ms to 0.5 ms, then to 4.25 ms: the second queue is 3.75 ms from the
	// first, though only 1.25 ms from where the block began.
	rig.changes.set (kDelayId, 0.0);
	rig.changes.set (kDelayId, 0.5);
	rig->process (noAudio);
	EXPECT_TRUE (rig->jumpPending);
	EXPECT_EQ (rig->centreDelayMs, 0.5);
	rig.changes.clear ();

	// A queue of an unknown tag, one without points and one whose point
	// cannot be read: each recomputes, none stores anything.
	const PlugParamBlock before = rig->params;
	for (int kind = 0; kind < 3; ++kind)
	{
		if (kind == 0)
			rig.changes.set (kNumPlugParams, 0.9);
		else if (kind == 1)
			rig.changes.add (kLevelId, {});
		else
			rig.changes.set (kLevelId, 0.1).failGetPoint = true;
		forgetUpdates (*rig);
		rig->process (noAudio);
		rig.changes.clear ();
		EXPECT_TRUE (updated (*rig)) << kind;
		EXPECT_EQ (recordOf (rig->params), recordOf (before)) << kind;
	}
}

TEST (ParameterIntake, NoQueueNoRecomputation)
{
	ProcessorRig rig;
	ProcessData noAudio {};
	forgetUpdates (*rig);
	rig->process (noAudio); // no changes at all
	EXPECT_FALSE (updated (*rig));

	noAudio.inputParameterChanges = &rig.changes; // a count of 0
	rig->process (noAudio);
	EXPECT_FALSE (updated (*rig));

	rig.changes.addMissingQueue (); // an index without a queue is skipped
	rig->process (noAudio);
	EXPECT_FALSE (updated (*rig));

	// A value changed behind the intake's back stays underived.
	rig->params.delay = 0.9;
	rig.changes.clear ();
	rig->process (noAudio);
	EXPECT_NE (rig->delayMs, 0.9 * 7.5 + 0.5);
}

//------------------------------------------------------------------------
// Blocks without processing

TEST (BlockPaths, ParameterOnlyAndEmptyBlocksTouchNoAudio)
{
	ProcessorRig rig;
	StereoBlock<float> block (32);
	fillRamp (block);
	fillOutput (block, 7.0f);
	block.outputBus.silenceFlags = 0xABCD;
	const SignalState state (*rig);

	for (int kind = 0; kind < 3; ++kind)
	{
		block.data.numInputs = kind == 0 ? 0 : 1;
		block.data.numOutputs = kind == 1 ? 0 : 1;
		block.data.numSamples = kind == 2 ? 0 : 32;
		rig.changes.set (kMixId, 0.1 * kind);
		EXPECT_EQ (rig.process (block), kResultOk);
		EXPECT_EQ (rig->params.mix, 0.1 * kind); // the intake stands
		EXPECT_EQ (block.outputBus.silenceFlags, 0xABCDu) << kind;
		EXPECT_EQ (block.out[0], std::vector<float> (32, 7.0f)) << kind;
		EXPECT_EQ (block.out[1], std::vector<float> (32, 7.0f)) << kind;
		EXPECT_TRUE (SignalState (*rig) == state) << kind;
	}
	block.data.numSamples = -5;
	block.data.numInputs = block.data.numOutputs = 1;
	EXPECT_EQ (rig.process (block), kResultOk);
	EXPECT_EQ (block.out[0], std::vector<float> (32, 7.0f));
}

TEST (BlockPaths, SilentInputZeroesOutOfPlaceChannelsAndCopiesTheFlags)
{
	for (bool bypass : {false, true})
	{
		ProcessorRig rig;
		rig.changes.set (kBypassId, bypass ? 1.0 : 0.0);
		StereoBlock<double> block (48);
		fillRamp (block);
		fillOutput (block, 5.0);
		const SignalState state (*rig);
		block.inputBus.silenceFlags = 0x8000000000000002ull;
		rig.process (block);
		EXPECT_EQ (block.outputBus.silenceFlags, 0x8000000000000002ull);
		EXPECT_EQ (block.out[0], std::vector<double> (48, 0.0));
		EXPECT_EQ (block.out[1], std::vector<double> (48, 0.0));
		EXPECT_TRUE (SignalState (*rig) == state);

		// In place, the input is left as it is.
		StereoBlock<double> inPlace (48, true);
		fillRamp (inPlace);
		const std::vector<double> original = inPlace.in[0];
		inPlace.inputBus.silenceFlags = 1;
		rig.process (inPlace);
		EXPECT_EQ (inPlace.in[0], original);
		EXPECT_EQ (inPlace.outputBus.silenceFlags, 1u);
		EXPECT_TRUE (SignalState (*rig) == state);
	}
}

TEST (BlockPaths, BypassCopiesBytesByTheSetUpSampleSize)
{
	// Set up for 64-bit: every sample of a 64-bit block is copied.
	{
		ProcessorRig rig (48000.0, kSample64);
		rig.changes.set (kBypassId, 1.0);
		StereoBlock<double> block (40);
		fillRamp (block);
		block.outputBus.silenceFlags = 3;
		const SignalState state (*rig);
		rig.process (block);
		EXPECT_EQ (block.out[0], block.in[0]);
		EXPECT_EQ (block.out[1], block.in[1]);
		EXPECT_EQ (block.outputBus.silenceFlags, 0u);
		EXPECT_TRUE (SignalState (*rig) == state);
	}
	// Set up for 32-bit: 4 bytes a sample, half of a 64-bit block.
	{
		ProcessorRig rig (48000.0, kSample32);
		rig.changes.set (kBypassId, 1.0);
		StereoBlock<double> block (40);
		fillRamp (block);
		rig.process (block);
		EXPECT_EQ (std::memcmp (block.out[0].data (), block.in[0].data (), 20 * sizeof (double)), 0);
		EXPECT_EQ (block.out[0][20], 0.0);
		EXPECT_EQ (block.out[1][39], 0.0);
	}
	// Set up for 64-bit but handed 32-bit buffers: no byte beyond them.
	{
		ProcessorRig rig (48000.0, kSample64);
		rig.changes.set (kBypassId, 1.0);
		StereoBlock<float> block (40);
		fillRamp (block);
		rig.process (block);
		EXPECT_EQ (block.out[0], block.in[0]);
		EXPECT_EQ (block.out[1], block.in[1]);
	}
	// In place nothing is copied and the input stays.
	{
		ProcessorRig rig (48000.0, kSample32);
		rig.changes.set (kBypassId, 1.0);
		StereoBlock<float> block (40, true);
		fillRamp (block);
		const std::vector<float> original = block.in[1];
		rig.process (block);
		EXPECT_EQ (block.in[1], original);
	}
}

TEST (BlockPaths, BypassActsInTheBlockThatCarriesIt)
{
	ProcessorRig rig (44100.0, kSample32);
	StereoBlock<float> block (256);
	fillRamp (block);
	rig.process (block);
	EXPECT_NE (block.out[0], block.in[0]); // the flanger ran

	rig.changes.set (kBypassId, 1.0);
	const SignalState state (*rig);
	rig.process (block);
	EXPECT_EQ (block.out[0], block.in[0]);
	EXPECT_EQ (block.out[1], block.in[1]);
	EXPECT_TRUE (SignalState (*rig) == state);

	rig.changes.set (kBypassId, 0.0);
	rig.process (block);
	EXPECT_NE (block.out[0], block.in[0]);
	EXPECT_FALSE (SignalState (*rig) == state);
}

TEST (BlockPaths, WithoutLinesTheAudioPassesThrough)
{
	ProcessorRef processor;
	ASSERT_EQ (processor->initialize (nullptr), kResultOk);
	ProcessSetup setup {kRealtime, kSample64, 64, 48000.0};
	ASSERT_EQ (processor->setupProcessing (setup), kResultOk);
	HostParameterChanges changes;
	changes.set (kMixId, 0.3);
	for (int round = 0; round < 2; ++round)
	{
		StereoBlock<double> block (64);
		fillRamp (block);
		block.data.inputParameterChanges = &changes;
		EXPECT_EQ (processor->process (block.data), kResultOk);
		EXPECT_EQ (block.out[0], block.in[0]);
		EXPECT_EQ (block.out[1], block.in[1]);
		EXPECT_EQ (processor->params.mix, 0.3);
		// Activated and deactivated again: the lines are gone once more.
		processor->setActive (true);
		processor->setActive (false);
	}
	processor->terminate ();
}

TEST (BlockPaths, BusesTheFlangerCannotRunOnAreHandledSafely)
{
	ProcessorRig rig;
	// Channel arrays of exactly the given size, so that a sanitizer build
	// reports any access past them.
	std::vector<double> in0 (64, 0.25), in1 (64, -0.25), out0 (64, 9.0);
	double* inputs[] = {in0.data (), in1.data ()};
	auto oneOutput = std::make_unique<double*[]> (1);
	oneOutput[0] = out0.data ();
	AudioBusBuffers input {};
	input.numChannels = 2;
	input.channelBuffers64 = inputs;
	AudioBusBuffers output {};
	output.numChannels = 1;
	output.channelBuffers64 = oneOutput.get ();
	ProcessData data {};
	data.symbolicSampleSize = kSample64;
	data.numSamples = 64;
	data.numInputs = data.numOutputs = 1;
	data.inputs = &input;
	data.outputs = &output;

	// A mono output: the shared channel passes through, in every path.
	rig->process (data);
	EXPECT_EQ (out0, in0);
	std::fill (out0.begin (), out0.end (), 9.0);
	input.silenceFlags = 1;
	rig->process (data);
	EXPECT_EQ (out0, std::vector<double> (64, 0.0));
	input.silenceFlags = 0;

	// Null channel pointers and null channel arrays.
	double* withHole[] = {out0.data (), nullptr};
	output.numChannels = 2;
	output.channelBuffers64 = withHole;
	std::fill (out0.begin (), out0.end (), 9.0);
	rig->process (data);
	EXPECT_EQ (out0, in0);
	output.channelBuffers64 = nullptr;
	rig->process (data);
	input.silenceFlags = 1;
	rig->process (data);
	input.channelBuffers64 = nullptr;
	input.silenceFlags = 0;
	output.channelBuffers64 = withHole;
	rig->process (data);

	// Null bus arrays despite a count of 1.
	data.inputs = nullptr;
	EXPECT_EQ (rig->process (data), kResultOk);
	data.inputs = &input;
	data.outputs = nullptr;
	EXPECT_EQ (rig->process (data), kResultOk);
}
