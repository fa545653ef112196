// The flanger's behaviour as a listener meets it: the dry and wet parts, the
// mute around a large delay change, the Thru Null crossfade, the LFO across
// rate changes, and the output's independence of how the host cuts and
// types its buffers.
#include "processorrig.h"

#include "common/plugparamids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

const double kPi = 3.141592653589793;

PlugParamBlock settings (double delay, double depth, double rate, double feedback, double mix,
                         bool thruNull = false)
{
	PlugParamBlock block = PlugProcessor::kBuiltInDefaults;
	block.delay = delay;
	block.depth = depth;
	block.rate = rate;
	block.feedback = feedback;
	block.mix = mix;
	block.thruNull = thruNull;
	return block;
}

void setAll (HostParameterChanges& changes, const PlugParamBlock& block)
{
	changes.set (kLevelId, block.level);
	changes.set (kDelayId, block.delay);
	changes.set (kDepthId, block.depth);
	changes.set (kDegreeId, block.degree);
	changes.set (kRateId, block.rate);
	changes.set (kFeedbackId, block.feedback);
	changes.set (kMixId, block.mix);
	changes.set (kThruNullId, block.thruNull ? 1.0 : 0.0);
}

// One frame through the rig.
std::pair<double, double> frame (ProcessorRig& rig, double left, double right)
{
	StereoBlock<double> block (1);
	block.in[0][0] = left;
	block.in[1][0] = right;
	rig.process (block);
	return {block.out[0][0], block.out[1][0]};
}

// Runs the first activation's delay jump to its end, so that the next one is
// heard as a mute.
void passFirstRun (ProcessorRig& rig, const PlugParamBlock& block)
{
	setAll (rig.changes, block);
	rig.run<double> (noise (44100 / 5, 99), 512);
	ASSERT_FALSE (rig->firstRun);
	ASSERT_FALSE (rig->jumpPending);
	ASSERT_FALSE (rig->fadingIn);
}

// Phases on the circle.
double turnDistance (double a, double b)
{
	const double turn = 6.283185307179586;
	const double d = std::fmod (std::abs (a - b), turn);
	return std::min (d, turn - d);
}

double lfoPhase (const ProbedProcessor& p, double increment, int32 count)
{
	return increment * static_cast<double> (count) + p.lfoPhaseOffset;
}

} // namespace

//------------------------------------------------------------------------
// Dry and wet parts

TEST (SignalPath, MixZeroSinceActivationGivesTheLevelledGuardedInput)
{
	PlugParamBlock dry = settings (0.6, 0.9, 0.8, 1.0, 0.0);
	dry.level = 0.6;
	ProcessorRig rig (44100.0, kSample64, dry);
	const Stereo input = noise (3000, 4);
	for (size_t i = 0; i < input.size (); ++i)
	{
		const auto out = frame (rig, input.left[i], input.right[i]);
		ASSERT_EQ (rig->smoothedMix, 0.0);
		ASSERT_EQ (out.first, (input.left[i] + 1e-18) * rig->smoothedLevel) << i;
		ASSERT_EQ (out.second, (input.right[i] + 1e-18) * rig->smoothedLevel) << i;
	}
	EXPECT_NEAR (rig->smoothedLevel, std::pow (10.0, (48.0 * 0.6 - 36.0) / 20.0), 1e-12);
}

TEST (SignalPath, ImpulseResponseAtAnIntegralDelayWorkedByHand)
{
	// 48 kHz, Delay 2 ms (96 frames), Rate 0, Feedback gain 0.9, wet share
	// 0.5, level 1: out(0) = 0.5 x; the feedback line takes 0.9 out + x; the
	// wet tap returns half of it 96 frames later.
	for (bool thruNull : {false, true})
	{
		PlugParamBlock block = settings (0.2, 0.5, 0.0, 1.0, 1.0, thruNull);
		block.degree = 0.0;
		ProcessorRig rig (48000.0, kSample64, block);
		for (int i = 0; i < 1000; ++i) // the Thru Null crossfade of the start
			frame (rig, 0.0, 0.0);
		ASSERT_NEAR (rig->smoothedLevel, 1.0, 1e-15);
		// Thru Null off: 0.5 at 0, 0.5 + 0.5 × 0.9 × 0.5 at 96, then
		// 0.5 × 0.9 × 0.725. On: the dry part is delayed too and meets the
		// wet tap: 0 at 0, 0.5 × 1 + 0.5 × 1 at 96, 0.5 × 0.9 × 1 at 192.
		const double expected[3] = {thruNull ? 0.0 : 0.5, thruNull ? 1.0 : 0.725,
		                            thruNull ? 0.45 : 0.32625};
		for (int i = 0; i < 250; ++i)
		{
			const auto out = frame (rig, i == 0 ? 1.0 : 0.0, i == 10 ? 1.0 : 0.0);
			const double left = i % 96 == 0 ? expected[i / 96] : 0.0;
			const double right = i >= 10 && (i - 10) % 96 == 0 ? expected[(i - 10) / 96] : 0.0;
			ASSERT_NEAR (out.first, left, 1e-9) << thruNull << " " << i;
			ASSERT_NEAR (out.second, right, 1e-9) << thruNull << " " << i;
		}
	}
}

TEST (SignalPath, WetAndDrySharesAlwaysAddUpAndTheLevelGlides)
{
	// A steady input through an unmodulated tap without feedback comes out
	// of both parts alike, so only the output level can move it: Mix changes
	// leave it alone, a Level change glides over the smoothing time.
	ProcessorRig rig (44100.0, kSample64, settings (0.4, 0.3, 0.0, 0.0, 1.0));
	for (int i = 0; i < 44100 / 5; ++i)
		frame (rig, 0.5, -0.25);
	const double mixes[] = {0.0, 0.7, 0.2};
	for (double mix : mixes)
	{
		rig.changes.set (kMixId, mix);
		for (int i = 0; i < 3000; ++i)
		{
			const auto out = frame (rig, 0.5, -0.25);
			ASSERT_NEAR (out.first / rig->smoothedLevel, 0.5, 1e-12) << mix << " " << i;
			ASSERT_NEAR (out.second / rig->smoothedLevel, -0.25, 1e-12) << mix << " " << i;
		}
	}
	const double from = rig->smoothedLevel;
	rig.changes.set (kLevelId, 1.0);
	frame (rig, 0.5, -0.25);
	const double to = rig->levelGain;
	for (int i = 1; i < 2205; ++i) // 50 ms
		frame (rig, 0.5, -0.25);
	const double covered = (frame (rig, 0.5, -0.25).first / 0.5 - from) / (to - from);
	EXPECT_NEAR (covered, 1.0 - std::exp (-2.2), 1e-3);
}

TEST (SignalPath, ThruNullRampEndsAtZeroOrOneAtAnySampleRate)
{
	// Below 200 Hz a step of the ramp is half its range or more.
	for (double rate : {70.0, 100.0, 150.0, 8000.0})
	{
		ProcessorRig rig (rate, kSample64, PlugProcessor::kBuiltInDefaults);
		for (bool on : {false, true, false})
			for (int block = 0; block < 3; ++block)
			{
				rig.changes.set (kThruNullId, on ? 1.0 : 0.0);
				for (int i = 0; i < static_cast<int> (rate * 0.011) + 2; ++i) // 10 ms and a bit
					frame (rig, 0.1, 0.1);
				EXPECT_EQ (rig->thruGain, on ? 0.0 : 1.0) << rate;
				EXPECT_EQ (rig->nullGain, on ? 1.0 : 0.0) << rate;
			}
	}
}

TEST (SignalPath, ThruNullOnMakesTheDryPartTheInputDelayedByTheCentre)
{
	// 2 ms at 48 kHz is exactly 96 frames; with Mix 0 only the dry part
	// sounds.
	ProcessorRig rig (48000.0, kSample64, settings (0.2, 0.5, 0.0, 0.5, 0.0, true));
	for (int i = 0; i < 4800; ++i)
		frame (rig, 0.0, 0.0);
	ASSERT_EQ (rig->thruGain, 0.0);
	ASSERT_EQ (rig->nullGain, 1.0);
	const double level = rig->smoothedLevel;
	for (int i = 0; i < 300; ++i)
	{
		const auto out = frame (rig, i == 0 ? 1.0 : 0.0, i == 10 ? -0.5 : 0.0);
		ASSERT_NEAR (out.first, i == 96 ? level : 0.0, 1e-9) << i;
		ASSERT_NEAR (out.second, i == 106 ? -0.5 * level : 0.0, 1e-9) << i;
	}
}

TEST (SignalPath, FirstDelayJumpAfterInitializeIsNotMuted)
{
	// The first activation starts with a delay jump; while firstRun is set it
	// must sound exactly like a start without one, up to the frame whose
	// re-seeding of the delays ends the hold.
	ProcessorRig jumping;
	ProcessorRig calm (44100.0, kSample64, PlugProcessor::kBuiltInDefaults);
	ASSERT_TRUE (jumping->jumpPending);
	ASSERT_FALSE (calm->jumpPending);
	const Stereo input = noise (44100 / 5, 8);
	bool reachedSilence = false;
	size_t i = 0;
	for (; jumping->jumpPending; ++i)
	{
		const auto a = frame (jumping, input.left[i], input.right[i]);
		const auto b = frame (calm, input.left[i], input.right[i]);
		reachedSilence = reachedSilence || jumping->writeGain == 0.0;
		if (jumping->jumpPending)
		{
			ASSERT_EQ (a, b) << i;
		}
	}
	EXPECT_TRUE (reachedSilence);
	EXPECT_NEAR (static_cast<double> (i), 0.060 * 44100, 2.0); // fade-out and hold
	for (; i < input.size (); ++i)
	{
		frame (jumping, input.left[i], input.right[i]);
		frame (calm, input.left[i], input.right[i]);
	}
	EXPECT_FALSE (jumping->firstRun); // cleared by its completed fade-in
	EXPECT_TRUE (calm->firstRun);
}

TEST (SignalPath, LargeDelayMoveMutesHoldsAndReturnsAtTheNewCentre)
{
	// Rate 0 and no feedback, so the wet tap is the input at the centre delay.
	const PlugParamBlock start = settings (0.333333, 0.5, 0.0, 0.0, 1.0);
	ProcessorRig rig;
	passFirstRun (rig, start);
	const Stereo input = noise (44100, 12);
	size_t i = 0;
	auto next = [&] {
		const auto out = frame (rig, input.left[i], input.right[i]);
		++i;
		return out;
	};

	// Idle: the wet part sounds.
	double wetBefore = 0.0;
	for (int n = 0; n < 200; ++n)
	{
		const double x = input.left[i];
		wetBefore = std::max (wetBefore, std::abs (next ().first - rig->dryGain * x));
	}
	EXPECT_GT (wetBefore, 0.05);

	rig.changes.set (kDelayId, 1.0); // 3 ms to 8 ms
	int fadeOut = 0, hold = 0, fadeIn = 0;
	double previous = 1.0, wetInHold = 0.0;
	while (i < input.size ())
	{
		const double x = input.left[i];
		const double out = next ().first;
		if (rig->writeGain > 0.0 && rig->jumpPending)
		{
			ASSERT_NEAR (previous - rig->writeGain, rig->fadeOutStep, 1e-12) << i;
			++fadeOut;
		}
		else if (rig->writeGain == 0.0)
		{
			++hold;
			if (!rig->jumpPending)
			{
				// Adopting the new centre: the hold has filled the feedback
				// lines with silence.
				for (int32 slot = 0; slot < rig->bufferLength; ++slot)
					ASSERT_EQ (rig->feedbackLineL[slot] + rig->feedbackLineR[slot], 0.0);
				// Both delays start again where the LFO holds them, the
				// right one with its stereo offset (Degree 45), so neither
				// glides there during the fade-in.
				ASSERT_NEAR (rig->smoothedDelayL, 8.0 * 44.1, 1e-9);
				ASSERT_NEAR (rig->smoothedDelayR, (8.0 + 4.24 * std::sin (kPi / 4.0)) * 44.1, 1e-9);
			}
			wetInHold = std::max (wetInHold, std::abs (out - rig->dryGain * x));
			ASSERT_EQ (rig->centreDelayMs, rig->jumpPending ? 0.333333 * 7.5 + 0.5 : 8.0) << i;
		}
		else
		{
			ASSERT_TRUE (rig->fadingIn || rig->writeGain == 1.0);
			ASSERT_NEAR (rig->writeGain - previous, std::min (rig->fadeInStep, 1.0 - previous),
			             1e-12) << i;
			++fadeIn;
			if (rig->writeGain == 1.0)
				break;
		}
		previous = rig->writeGain;
	}
	EXPECT_NEAR (fadeOut, 0.010 * 44100, 1.0);
	EXPECT_EQ (hold, rig->holdLength);
	EXPECT_EQ (hold, 2205);
	EXPECT_NEAR (fadeIn, 0.050 * 44100, 1.0);
	EXPECT_LT (wetInHold, 1e-12);
	EXPECT_EQ (rig->baseDelayTarget, 8.0 * rig->samplesPerMs);

	// Back at 8 ms (352.8 frames): an impulse returns 353 frames later on
	// the left, and on the right after 8 ms plus the sweep of 4.24 ms at
	// 45 degrees (485.02 frames).
	for (int n = 0; n < 1000; ++n)
		frame (rig, 0.0, 0.0);
	size_t loudest[2] = {0, 0};
	double peak[2] = {0.0, 0.0};
	for (size_t n = 0; n < 600; ++n)
	{
		const auto out = frame (rig, n == 0 ? 1.0 : 0.0, n == 0 ? 1.0 : 0.0);
		for (int channel = 0; channel < 2; ++channel)
		{
			const double sample = std::abs (channel == 0 ? out.first : out.second);
			if (n > 0 && sample > peak[channel])
			{
				peak[channel] = sample;
				loudest[channel] = n;
			}
		}
	}
	EXPECT_EQ (loudest[0], 353u);
	EXPECT_EQ (loudest[1], 485u);
	EXPECT_GT (peak[0], 0.4);
	EXPECT_GT (peak[1], 0.4);
}

TEST (SignalPath, SecondLargeMoveDuringTheFadeInFadesOutFromTheCurrentGain)
{
	ProcessorRig rig;
	passFirstRun (rig, settings (0.333333, 0.5, 0.3, 0.5, 1.0));
	rig.changes.set (kDelayId, 1.0);
	while (!(rig->fadingIn && rig->writeGain > 0.4))
		frame (rig, 0.1, 0.1);
	const double reached = rig->writeGain;
	rig.changes.set (kDelayId, 0.0); // 8 ms to 0.5 ms
	frame (rig, 0.1, 0.1);
	EXPECT_TRUE (rig->jumpPending);
	EXPECT_FALSE (rig->fadingIn);
	EXPECT_EQ (rig->writeGain, reached - rig->fadeOutStep);
	int frames = 1;
	while (rig->writeGain > 0.0)
	{
		frame (rig, 0.1, 0.1);
		++frames;
	}
	EXPECT_NEAR (frames, reached / rig->fadeOutStep, 1.0);
	EXPECT_EQ (rig->centreDelayMs, 8.0);
}

TEST (SignalPath, ModulatedDelayBelowZeroIsHeldAtZero)
{
	// A short old centre with the long sweep of a pending new setting, while
	// the LFO is at its low point.
	ProcessorRig rig;
	passFirstRun (rig, settings (0.0, 0.0, 0.01, 0.9, 1.0));
	rig->lfoCounter = static_cast<int32> (4.71238898 / rig->lfoIncrement);
	// Depth first: an update after the delay's would find no move left and
	// adopt the new centre at once.
	rig.changes.set (kDepthId, 1.0);
	rig.changes.set (kDelayId, 1.0);
	const double initial = rig->smoothedDelayL;
	double lowest = initial;
	const Stereo input = noise (3000, 5, 1.0);
	for (size_t i = 0; i < input.size (); ++i)
	{
		const auto out = frame (rig, input.left[i], input.right[i]);
		ASSERT_TRUE (std::isfinite (out.first) && std::isfinite (out.second));
		if (!rig->jumpPending)
			break; // the new centre is adopted
		ASSERT_GE (rig->smoothedDelayL, 0.0);
		ASSERT_GE (rig->smoothedDelayR, 0.0);
		lowest = std::min (lowest, rig->smoothedDelayL);
	}
	EXPECT_LT (lowest, 0.1 * initial); // gliding toward 0, not below it
}

//------------------------------------------------------------------------
// Thru Null

TEST (SignalPath, ThruNullCrossfadesInTenMillisecondsAndRestsAtItsEnds)
{
	ProcessorRig rig (44100.0, kSample64, PlugProcessor::kBuiltInDefaults);
	for (int i = 0; i < 100; ++i)
		frame (rig, 0.2, 0.2);
	ASSERT_EQ (rig->thruGain, 1.0);

	for (bool on : {true, false})
	{
		rig.changes.set (kThruNullId, on ? 1.0 : 0.0);
		int frames = 0;
		double previous = rig->thruGain;
		do
		{
			frame (rig, 0.2, 0.2);
			++frames;
			if (rig->thruRampActive)
			{
				ASSERT_NEAR (std::abs (rig->thruGain - previous), rig->thruStep, 1e-12) << frames;
				ASSERT_NEAR (rig->thruGain + rig->nullGain, 1.0, 1e-12) << frames;
			}
			previous = rig->thruGain;
		} while (rig->thruRampActive && frames < 1000); // a ramp that runs on fails the count
		EXPECT_NEAR (frames, 0.010 * 44100, 1.0) << on;
		EXPECT_EQ (rig->thruGain, on ? 0.0 : 1.0);
		EXPECT_EQ (rig->nullGain, on ? 1.0 : 0.0);

		// Later updates restart the ramp, which only steps past its end and
		// stops there.
		for (int block = 0; block < 5; ++block)
		{
			rig.changes.set (kLevelId, 0.5 + 0.01 * block);
			frame (rig, 0.2, 0.2);
			EXPECT_FALSE (rig->thruRampActive);
			EXPECT_EQ (rig->thruGain, on ? 0.0 : 1.0);
			EXPECT_EQ (rig->nullGain, on ? 1.0 : 0.0);
		}
	}
}

//------------------------------------------------------------------------
// LFO

TEST (SignalPath, RateChangesKeepTheLfoPhaseWithinHalfAStep)
{
	ProcessorRig rig (48000.0);
	std::mt19937 random (21);
	std::uniform_real_distribution<double> rate (0.0, 1.0);
	for (int change = 0; change < 300; ++change)
	{
		rig.run<double> (noise (random () % 3000, change), 256);
		const double before = lfoPhase (*rig, rig->appliedLfoIncrement, rig->lfoCounter);
		rig.changes.set (kRateId, change % 10 == 0 ? 0.0 : rate (random));
		frame (rig, 0.0, 0.0);
		const double increment = rig->lfoIncrement;
		const double used = lfoPhase (*rig, increment, rig->lfoCounter - 1);
		if (increment == 0.0)
			EXPECT_EQ (used, 0.0); // a stopped LFO stands at phase 0
		else
			EXPECT_LE (turnDistance (used, before), increment * 0.5 + 1e-9) << change;
	}
}

TEST (SignalPath, LfoRunsOnAcrossTheCountLimit)
{
	ProcessorRig rig (192000.0);
	rig.changes.set (kRateId, 1.0);
	frame (rig, 0.0, 0.0);
	const double increment = rig->lfoIncrement;
	rig->lfoCounter = std::numeric_limits<int32>::max () - 300;
	double previous = lfoPhase (*rig, increment, rig->lfoCounter);
	const Stereo input = noise (600, 2);
	for (size_t i = 0; i < input.size (); ++i)
	{
		const auto out = frame (rig, input.left[i], input.right[i]);
		ASSERT_TRUE (std::isfinite (out.first) && std::isfinite (out.second));
		const double phase = lfoPhase (*rig, increment, rig->lfoCounter);
		ASSERT_LE (turnDistance (phase, previous + increment), 1e-6) << i;
		previous = phase;
	}
	EXPECT_LT (rig->lfoCounter, 400);

	// A sharp drop after a long run at full rate.
	rig->lfoCounter = 50 * 192000;
	rig->lfoPhaseOffset = 0.0;
	const double fastPhase = lfoPhase (*rig, increment, rig->lfoCounter);
	rig.changes.set (kRateId, 0.0005);
	frame (rig, 0.0, 0.0);
	EXPECT_LE (turnDistance (lfoPhase (*rig, rig->lfoIncrement, rig->lfoCounter - 1), fastPhase),
	           rig->lfoIncrement * 0.5);
}

TEST (SignalPath, RateZeroHoldsTheLfoAtPhaseZero)
{
	ProcessorRig rig (44100.0, kSample64, settings (0.5, 0.7, 0.5, 0.5, 1.0));
	rig.run<double> (noise (5000, 3), 500);
	rig.changes.set (kRateId, 0.0);
	rig.run<double> (noise (44100, 3), 500);
	// Left target sin 0: the centre delay exactly, where the smoother settles.
	EXPECT_NEAR (rig->smoothedDelayL, rig->centreDelayMs * rig->samplesPerMs, 1e-9);
	EXPECT_NEAR (rig->smoothedDelayR,
	             (std::sin (rig->stereoPhase) * rig->sweepMs + rig->centreDelayMs) *
	                 rig->samplesPerMs,
	             1e-9);
	rig.changes.set (kRateId, 0.5);
	frame (rig, 0.0, 0.0);
	EXPECT_EQ (rig->lfoCounter, 1); // restarted from phase 0
}

//------------------------------------------------------------------------
// Buffers

TEST (SignalPath, OutputDoesNotDependOnBlockSizesBufferSharingOrSampleType)
{
	// At 0 dB the level rounds to exactly 1.0f, which would hide a float32
	// path that rounds before the level multiply; hence the other levels.
	for (double level : {0.75, 0.6, 0.93})
	{
		PlugParamBlock busy = settings (0.7, 0.9, 0.9, 0.95, 0.8, true);
		busy.level = level;
		const Stereo input = noise (3 * 4096 + 123, 17, 0.9);
		auto render = [&] (size_t blockSize, bool inPlace, bool single) {
			ProcessorRig rig (96000.0, single ? kSample32 : kSample64);
			setAll (rig.changes, busy);
			return single ? rig.run<float> (input, blockSize, inPlace)
			              : rig.run<double> (input, blockSize, inPlace);
		};
		const Stereo reference = render (256, false, false);
		for (size_t blockSize : {1, 7, 4096})
		{
			const Stereo other = render (blockSize, false, false);
			EXPECT_EQ (other.left, reference.left) << level << " " << blockSize;
			EXPECT_EQ (other.right, reference.right) << level << " " << blockSize;
		}
		const Stereo inPlace = render (256, true, false);
		EXPECT_EQ (inPlace.left, reference.left) << level;
		EXPECT_EQ (inPlace.right, reference.right) << level;

		// float32 buffers: the float64 result rounded to float32.
		for (bool sharing : {false, true})
		{
			const Stereo single = render (500, sharing, true);
			for (size_t i = 0; i < input.size (); ++i)
			{
				ASSERT_EQ (single.left[i], static_cast<float> (reference.left[i])) << level << i;
				ASSERT_EQ (single.right[i], static_cast<float> (reference.right[i])) << level << i;
			}
		}
	}
}

TEST (SignalPath, ResentUnchangedValuesLeaveTheOutputBitForBitAlone)
{
	// Hosts send unchanged values again and again. Each recomputation
	// restarts the Thru Null crossfade, which only steps past its end, so a
	// frame that follows one runs the general frame code; the output must be
	// that of the frames without, which run steady.
	for (bool thruNull : {false, true})
	{
		PlugParamBlock busy = settings (0.6, 0.8, 0.9, 0.97, 0.9, thruNull);
		busy.level = 0.62;
		busy.degree = 0.4;
		const Stereo input = noise (4000, 23, 0.9);
		auto render = [&] (bool single, size_t blockSize, bool resend) {
			ProcessorRig rig (48000.0, single ? kSample32 : kSample64, busy);
			Stereo output;
			for (size_t start = 0; start < input.size (); start += blockSize)
			{
				const size_t end = std::min (input.size (), start + blockSize);
				const Stereo part {{input.left.begin () + start, input.left.begin () + end},
				                   {input.right.begin () + start, input.right.begin () + end}};
				if (resend)
					setAll (rig.changes, busy);
				const Stereo out = single ? rig.run<float> (part, blockSize)
				                          : rig.run<double> (part, blockSize);
				output.left.insert (output.left.end (), out.left.begin (), out.left.end ());
				output.right.insert (output.right.end (), out.right.begin (), out.right.end ());
			}
			return output;
		};
		for (bool single : {false, true})
		{
			const Stereo steady = render (single, 256, false);
			for (size_t blockSize : {1, 100})
			{
				const Stereo resent = render (single, blockSize, true);
				EXPECT_EQ (resent.left, steady.left) << thruNull << single << blockSize;
				EXPECT_EQ (resent.right, steady.right) << thruNull << single << blockSize;
			}
		}
	}
}

TEST (SignalPath, WriteIndexWrapsAndTheInputLinesHoldTheGuardedInput)
{
	ProcessorRig rig (44100.0);
	const int32 length = rig->bufferLength;
	ASSERT_EQ (length, 950);
	const Stereo input = noise (static_cast<size_t> (length) + 5, 30);
	for (size_t i = 0; i < input.size (); ++i)
	{
		frame (rig, input.left[i], input.right[i]);
		ASSERT_EQ (rig->writeIndex, static_cast<int32> ((i + 1) % static_cast<size_t> (length)));
	}
	EXPECT_EQ (rig->writeIndex, 5);
	for (size_t i = 5; i < input.size (); ++i)
	{
		const size_t slot = i % static_cast<size_t> (length);
		ASSERT_EQ (rig->inputLineL[slot], input.left[i] + 1e-18) << i;
		ASSERT_EQ (rig->inputLineR[slot], input.right[i] + 1e-18) << i;
	}
}
