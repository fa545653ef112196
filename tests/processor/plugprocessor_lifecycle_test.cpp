#include "processorprobe.h"
#include "streams.h"
#include "texts.h"

#include "factory/plugids.h"

#include "public.sdk/source/vst/hosting/hostclasses.h"
#include "pluginterfaces/vst/vstspeaker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

Bytes recordOf (const PlugParamBlock& block)
{
	auto stream = owned (new MemoryStream);
	EXPECT_EQ (block.write (stream), kResultOk);
	return bytesOf (*stream);
}

PlugParamBlock withDelay (double delay)
{
	PlugParamBlock block = PlugProcessor::kBuiltInDefaults;
	block.delay = delay;
	return block;
}

tresult setupAt (PlugProcessor& processor, double rate, int32 sampleSize = kSample32)
{
	ProcessSetup setup {kRealtime, sampleSize, 512, rate};
	return processor.setupProcessing (setup);
}

class ProcessorTest : public ::testing::Test
{
protected:
	void SetUp () override { ASSERT_EQ (processor->initialize (nullptr), kResultOk); }
	void TearDown () override
	{
		processor->setActive (false);
		processor->terminate ();
	}

	void activateAt (double rate)
	{
		ASSERT_EQ (setupAt (*processor, rate), kResultOk);
		ASSERT_EQ (processor->setActive (true), kResultOk);
	}

	HostApplication host; // not reference counted; outlives the processor's use
	ProcessorRef processor;
};

} // namespace

TEST_F (ProcessorTest, DefaultsGiveTheDocumentedDerivedValues)
{
	activateAt (44100.0);
	EXPECT_DOUBLE_EQ (processor->delayMs, 2.9999975);
	EXPECT_DOUBLE_EQ (processor->sweepMs, 0.9449992125);
	EXPECT_DOUBLE_EQ (processor->sweepMs, 0.315 * processor->delayMs);
	EXPECT_DOUBLE_EQ (processor->stereoPhase, M_PI / 4.0);
	EXPECT_DOUBLE_EQ (processor->rateHz, 0.4);
	EXPECT_DOUBLE_EQ (processor->feedbackGain, 0.45);
	EXPECT_DOUBLE_EQ (processor->mixTarget, 0.5);
	EXPECT_DOUBLE_EQ (processor->levelGain, 1.0);
	EXPECT_EQ (processor->smoothedLevel, processor->levelGain);
	EXPECT_EQ (processor->smoothedMix, processor->mixTarget);
	EXPECT_EQ (processor->appliedLfoIncrement, processor->lfoIncrement);
	EXPECT_EQ (processor->baseDelayTarget, processor->centreDelayMs * processor->samplesPerMs);
	// Seeded so that the next smoothing step lands on the target.
	EXPECT_NEAR (processor->smoothCoef * processor->levelSmoother +
	                 processor->smoothCoefComplement * processor->levelGain,
	             processor->levelGain, 1e-15);
}

TEST_F (ProcessorTest, LevelCoversMinus36ToPlus12Decibels)
{
	activateAt (48000.0);
	for (auto [level, decibels] : {std::pair {0.0, -36.0}, {0.75, 0.0}, {1.0, 12.0}, {0.5, -12.0}})
	{
		processor->params.level = level;
		processor->updateParameters (false);
		EXPECT_NEAR (20.0 * std::log10 (processor->levelGain), decibels, 1e-12) << level;
	}
}

TEST_F (ProcessorTest, LineAndHoldLengthsFollowTheSampleRate)
{
	struct Case
	{
		double rate;
		int32 line;
		int32 hold;
	} cases[] = {{44100.0, 950, 2205}, {48000.0, 1034, 2400}, {96000.0, 2068, 4800},
	             {192000.0, 4136, 9600}};
	for (const auto& c : cases)
	{
		activateAt (c.rate);
		EXPECT_EQ (processor->bufferLength, c.line) << c.rate;
		EXPECT_EQ (processor->holdLength, c.hold) << c.rate;
		EXPECT_EQ (processor->holdCounter, c.hold) << c.rate;
		EXPECT_TRUE (processor->hasLines ());
		processor->setActive (false);
	}
	activateAt (44100.0);
	EXPECT_NEAR (processor->thruStep, 0.0022676, 1e-7);
	EXPECT_NEAR (processor->fadeOutStep, 0.0022676, 1e-7);
	EXPECT_NEAR (processor->fadeInStep, 0.00045351, 1e-8);
}

TEST_F (ProcessorTest, ActivationWithoutSetupRunsAt44100)
{
	ASSERT_EQ (processor->setActive (true), kResultOk);
	EXPECT_EQ (processor->sampleRate, 44100.0);
	EXPECT_EQ (processor->bufferLength, 950);
	EXPECT_EQ (processor->radiansPerSample, 6.283185307179586 / 44100.0);
}

TEST_F (ProcessorTest, DelayMovesOfUpToThreeMillisecondsApplyAtOnce)
{
	activateAt (44100.0);
	processor->params.delay = 0.0;
	processor->updateParameters (false);
	processor->jumpPending = false;

	processor->params.delay = 0.4; // 0.5 ms to 3.5 ms: exactly 3.0 ms
	processor->updateParameters (false);
	EXPECT_FALSE (processor->jumpPending);
	EXPECT_EQ (processor->centreDelayMs, 3.5);
	EXPECT_EQ (processor->baseDelayTarget, 3.5 * processor->samplesPerMs);

	processor->params.delay = 0.0;
	processor->updateParameters (false);
	processor->params.delay = 0.4000001;
	processor->updateParameters (false);
	EXPECT_TRUE (processor->jumpPending);
	EXPECT_EQ (processor->centreDelayMs, 0.5);
	EXPECT_EQ (processor->baseDelayTarget, 0.5 * processor->samplesPerMs);
	EXPECT_EQ (processor->lastDelayMs, processor->delayMs);
}

TEST_F (ProcessorTest, DegreeMovesOnlyTheStereoPhase)
{
	activateAt (44100.0);
	processor->params.degree = 0.0;
	processor->updateParameters (false);
	EXPECT_EQ (processor->stereoPhase, 0.0);
	const double delay = processor->delayMs, sweep = processor->sweepMs,
	             increment = processor->lfoIncrement, level = processor->levelGain;
	processor->params.degree = 1.0;
	processor->updateParameters (false);
	EXPECT_EQ (processor->stereoPhase, 3.141592653589793);
	EXPECT_EQ (processor->delayMs, delay);
	EXPECT_EQ (processor->sweepMs, sweep);
	EXPECT_EQ (processor->lfoIncrement, increment);
	EXPECT_EQ (processor->levelGain, level);
}

TEST_F (ProcessorTest, FirstActivationStartsWithAJumpUnlessAStateCameFirst)
{
	activateAt (44100.0);
	EXPECT_TRUE (processor->jumpPending); // the sentinel delay is far from any setting
	EXPECT_TRUE (processor->firstRun);

	ProcessorRef restored;
	ASSERT_EQ (restored->initialize (nullptr), kResultOk);
	ASSERT_EQ (restored->setState (streamOf (recordOf (withDelay (0.9)))), kResultOk);
	ASSERT_EQ (restored->setActive (true), kResultOk);
	EXPECT_FALSE (restored->jumpPending);
	EXPECT_EQ (restored->params.delay, 0.9);
	EXPECT_EQ (restored->centreDelayMs, 0.9 * 7.5 + 0.5);
	restored->setActive (false);
	restored->terminate ();
}

TEST_F (ProcessorTest, StateRoundTripsAndFailedReadsKeepTheParameters)
{
	activateAt (48000.0);
	const PlugParamBlock stored {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, true, false};
	ASSERT_EQ (processor->setState (streamOf (recordOf (stored))), kResultOk);

	// getState answers the restored record even before a block has run.
	auto out = owned (new MemoryStream);
	ASSERT_EQ (processor->getState (out), kResultOk);
	EXPECT_EQ (bytesOf (*out), recordOf (stored));

	processor->jumpPending = false;
	Bytes cut = recordOf (withDelay (0.95));
	cut.pop_back ();
	EXPECT_EQ (processor->setState (streamOf (cut)), kResultFalse);
	EXPECT_EQ (processor->setState (nullptr), kResultFalse);
	auto again = owned (new MemoryStream);
	ASSERT_EQ (processor->getState (again), kResultOk);
	EXPECT_EQ (bytesOf (*again), recordOf (stored));

	processor->setActive (false);
	EXPECT_EQ (processor->params.delay, 0.2);
	EXPECT_EQ (processor->params.thruNull, true);
	EXPECT_FALSE (processor->jumpPending);
}

TEST_F (ProcessorTest, ReactivationRestartsTheSignalStateButNotFirstRun)
{
	activateAt (44100.0);
	processor->firstRun = false;
	processor->inputLineL[3] = 0.5;
	processor->feedbackLineR[7] = -0.25;
	processor->writeIndex = 17;
	processor->lfoCounter = 12345;
	processor->writeGain = 0.3;
	processor->thruGain = 0.0;

	ASSERT_EQ (processor->setActive (false), kResultOk);
	EXPECT_FALSE (processor->hasLines ());
	EXPECT_EQ (processor->setActive (false), kResultOk); // a second one releases nothing
	EXPECT_EQ (processor->lfoCounter, 12345); // inactive: the state stays

	ASSERT_EQ (processor->setActive (true), kResultOk);
	EXPECT_EQ (processor->inputLineL[3], 0.0);
	EXPECT_EQ (processor->feedbackLineR[7], 0.0);
	EXPECT_EQ (processor->writeIndex, 0);
	EXPECT_EQ (processor->lfoCounter, 0);
	EXPECT_EQ (processor->writeGain, 1.0);
	EXPECT_EQ (processor->thruGain, 1.0);
	EXPECT_FALSE (processor->firstRun);
}

TEST_F (ProcessorTest, OnlyTwoSpeakerArrangementsAreAccepted)
{
	SpeakerArrangement stereo = SpeakerArr::kStereo;
	SpeakerArrangement side = SpeakerArr::kStereoSide;
	SpeakerArrangement mono = SpeakerArr::kMono;
	SpeakerArrangement six = SpeakerArr::k51;
	SpeakerArrangement empty = SpeakerArr::kEmpty;

	EXPECT_EQ (processor->setBusArrangements (&stereo, 1, &stereo, 1), kResultTrue);
	EXPECT_EQ (processor->setBusArrangements (&side, 1, &side, 1), kResultTrue);
	SpeakerArrangement applied = 0;
	EXPECT_EQ (processor->getBusArrangement (kInput, 0, applied), kResultTrue);
	EXPECT_EQ (applied, side);

	EXPECT_EQ (processor->setBusArrangements (&mono, 1, &stereo, 1), kResultFalse);
	EXPECT_EQ (processor->setBusArrangements (&stereo, 1, &six, 1), kResultFalse);
	EXPECT_EQ (processor->setBusArrangements (&empty, 1, &stereo, 1), kResultFalse);
	EXPECT_EQ (processor->setBusArrangements (&stereo, 1, &mono, 1), kResultFalse);
	EXPECT_EQ (processor->getBusArrangement (kOutput, 0, applied), kResultTrue);
	EXPECT_EQ (applied, side); // refused arrangements change nothing

	// With no input arrangements only the output is tested.
	EXPECT_EQ (processor->setBusArrangements (nullptr, 0, &stereo, 1), kResultTrue);
	EXPECT_EQ (processor->setBusArrangements (nullptr, 0, &mono, 1), kResultFalse);
	EXPECT_EQ (processor->setBusArrangements (nullptr, 1, &stereo, 1), kResultFalse);
}

TEST_F (ProcessorTest, BothFloatSampleSizesAndNoOthers)
{
	EXPECT_EQ (processor->canProcessSampleSize (kSample32), kResultTrue);
	EXPECT_EQ (processor->canProcessSampleSize (kSample64), kResultTrue);
	EXPECT_EQ (processor->canProcessSampleSize (2), kResultFalse);
	EXPECT_EQ (processor->canProcessSampleSize (-1), kResultFalse);

	EXPECT_EQ (setupAt (*processor, 96000.0, kSample64), kResultOk);
	EXPECT_EQ (processor->processSetup.symbolicSampleSize, kSample64);
	// A refused sample size still leaves the new rate stored.
	EXPECT_EQ (setupAt (*processor, 88200.0, 2), kResultFalse);
	EXPECT_EQ (processor->sampleRate, 88200.0);
	EXPECT_EQ (processor->processSetup.symbolicSampleSize, kSample64);
}

TEST_F (ProcessorTest, UnusableSampleRatesAreRefused)
{
	ASSERT_EQ (setupAt (*processor, 48000.0), kResultOk);
	for (double rate : {0.0, -44100.0, std::numeric_limits<double>::quiet_NaN (),
	                    std::numeric_limits<double>::infinity (), 1.0, 69.0, 1e12})
	{
		EXPECT_EQ (setupAt (*processor, rate), kInvalidArgument) << rate;
		EXPECT_EQ (processor->sampleRate, 48000.0) << rate;
	}
	EXPECT_EQ (setupAt (*processor, 70.0), kResultOk);
	ASSERT_EQ (processor->setActive (true), kResultOk);
	EXPECT_EQ (processor->bufferLength, 2);
}

TEST_F (ProcessorTest, ASecondInitializeKeepsTheFirstAndAddsNoBus)
{
	auto expectOneBusPair = [&] (const char* when) {
		EXPECT_EQ (processor->getBusCount (kAudio, kInput), 1) << when;
		EXPECT_EQ (processor->getBusCount (kAudio, kOutput), 1) << when;
	};
	// Without a context the base does not refuse; with one it does.
	EXPECT_EQ (processor->initialize (nullptr), kResultOk);
	expectOneBusPair ("twice without a context");
	EXPECT_EQ (processor->initialize (&host), kResultOk);
	expectOneBusPair ("then with one");
	EXPECT_EQ (processor->initialize (nullptr), kResultOk);
	EXPECT_EQ (processor->initialize (&host), kResultOk);
	expectOneBusPair ("while the context is held");

	// Nor does it touch what an activation made, under a running block.
	activateAt (48000.0);
	processor->params.mix = 0.2;
	EXPECT_EQ (processor->initialize (nullptr), kResultOk);
	EXPECT_TRUE (processor->hasLines ());
	EXPECT_EQ (processor->bufferLength, 1034);
	EXPECT_EQ (processor->params.mix, 0.2);

	// After terminate, initialize starts afresh.
	processor->setActive (false);
	processor->terminate ();
	EXPECT_EQ (processor->getBusCount (kAudio, kInput), 0);
	ASSERT_EQ (processor->initialize (nullptr), kResultOk);
	expectOneBusPair ("after terminate");
}

TEST_F (ProcessorTest, NamesItsControllerAndDeclaresOneStereoBusPair)
{
	TUID cid {};
	ASSERT_EQ (processor->getControllerClassId (cid), kResultTrue);
	EXPECT_EQ (FUID::fromTUID (cid), kControllerUID);

	processor->terminate ();
	ASSERT_EQ (processor->initialize (&host), kResultOk);
	EXPECT_EQ (processor->getBusCount (kAudio, kInput), 1);
	EXPECT_EQ (processor->getBusCount (kAudio, kOutput), 1);

	BusInfo info {};
	ASSERT_EQ (processor->getBusInfo (kAudio, kInput, 0, info), kResultTrue);
	EXPECT_EQ (toAscii (info.name), "AudioInput");
	EXPECT_EQ (info.channelCount, 2);
	EXPECT_EQ (info.flags, uint32 (BusInfo::kDefaultActive));
	ASSERT_EQ (processor->getBusInfo (kAudio, kOutput, 0, info), kResultTrue);
	EXPECT_EQ (toAscii (info.name), "AudioOutput");

	EXPECT_EQ (processor->getLatencySamples (), 0u);
	EXPECT_EQ (processor->getTailSamples (), kNoTail);
	EXPECT_EQ (processor->getProcessContextRequirements (), 0u);
	EXPECT_EQ (processor->setProcessing (true), kNotImplemented);
	EXPECT_STREQ (processor->isA (), "AudioEffect");
}
