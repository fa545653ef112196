// The LFO count: rescaled at rate changes and advanced per frame, with its
// phase kept continuous where the int32 count runs out of room.
#include "processor/lfocounter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

constexpr int32 kLargest = std::numeric_limits<int32>::max ();

double phaseOf (int32 count, double remainder, double increment)
{
	return increment * static_cast<double> (count) + remainder;
}

// Distance of two phases on the circle.
double turnDistance (double a, double b)
{
	const double d = std::fmod (std::abs (a - b), LfoCounter::kTurn);
	return std::min (d, LfoCounter::kTurn - d);
}

// The increment of a rate (normalized 0..1) at a sample rate.
double incrementOf (double rate, double sampleRate)
{
	return 6.283185307179586 / sampleRate * (rate * 2.0);
}

} // namespace

TEST (LfoCounter, RescaleRoundsTheCountToTheNearestNewStep)
{
	int32 count = 10;
	double remainder = 0.0;
	LfoCounter::rescale (count, remainder, 0.2, 0.4); // phase 2.0 is 5 new steps
	EXPECT_EQ (count, 5);
	LfoCounter::rescale (count, remainder, 0.4, 0.3); // 2.0 / 0.3 = 6.67
	EXPECT_EQ (count, 7);
	LfoCounter::rescale (count, remainder, 0.3, 0.5); // 2.1 / 0.5 = 4.2
	EXPECT_EQ (count, 4);
	EXPECT_EQ (remainder, 0.0);
}

TEST (LfoCounter, RescaleKeepsThePhaseWithinHalfANewStep)
{
	std::mt19937 random (3);
	std::uniform_real_distribution<double> rate (0.0, 1.0);
	std::uniform_int_distribution<int32> count (0, 50000000);
	for (int round = 0; round < 100000; ++round)
	{
		const double applied = incrementOf (rate (random), 44100.0);
		const double increment = incrementOf (rate (random), 44100.0);
		int32 counter = count (random);
		double remainder = 0.0;
		const double before = phaseOf (counter, remainder, applied);
		LfoCounter::rescale (counter, remainder, applied, increment);
		const double after = phaseOf (counter, remainder, increment);
		ASSERT_LE (turnDistance (after, before), increment * 0.5 + 1e-9) << round;
	}
}

TEST (LfoCounter, StoppedLfoStandsAtZeroAndRestartsFromThere)
{
	int32 count = 123456;
	double remainder = 0.0;
	const double running = incrementOf (0.5, 48000.0);
	LfoCounter::rescale (count, remainder, running, 0.0);
	EXPECT_EQ (count, 123456); // no division by zero: the count is left alone
	EXPECT_EQ (phaseOf (count, remainder, 0.0), 0.0);
	for (int frame = 0; frame < 1000; ++frame)
		LfoCounter::advance (count, remainder, 0.0);
	EXPECT_EQ (phaseOf (count, remainder, 0.0), 0.0);

	LfoCounter::rescale (count, remainder, 0.0, running);
	EXPECT_EQ (count, 0);
	EXPECT_EQ (remainder, 0.0);
}

TEST (LfoCounter, SharpRateDropsKeepThePhaseBeyondTheCountRange)
{
	// Rate 1.0 for 50 s at 44.1 kHz, then 0.001: the plain rescale would need
	// a count of about 2.2e9.
	const double fast = incrementOf (1.0, 44100.0);
	const double slow = incrementOf (0.001, 44100.0);
	int32 count = 50 * 44100;
	double remainder = 0.0;
	const double before = phaseOf (count, remainder, fast);
	LfoCounter::rescale (count, remainder, fast, slow);
	EXPECT_LE (turnDistance (phaseOf (count, remainder, slow), before), slow * 0.5);

	// Slower still: one turn takes more frames than the count can hold.
	for (double tiny : {1e-12, 1e-200, 5e-324})
	{
		int32 c = 50 * 44100;
		double r = 0.0;
		LfoCounter::rescale (c, r, fast, tiny);
		EXPECT_LE (turnDistance (phaseOf (c, r, tiny), before), 1e-9) << tiny;
		// The LFO then runs on from there, step by step.
		LfoCounter::advance (c, r, tiny);
		EXPECT_LE (turnDistance (phaseOf (c, r, tiny), before + tiny), 1e-9) << tiny;
		// And a faster rate takes it back into the count.
		LfoCounter::rescale (c, r, tiny, fast);
		EXPECT_EQ (r, 0.0);
		EXPECT_LE (turnDistance (phaseOf (c, r, fast), before + tiny), fast * 0.5 + 1e-9) << tiny;
	}
}

TEST (LfoCounter, AdvanceCarriesThePhaseAcrossTheCountLimit)
{
	for (double increment : {incrementOf (1.0, 192000.0), incrementOf (0.37, 44100.0), 0.0})
	{
		int32 count = kLargest - 3;
		double remainder = 0.0;
		// The phase frame by frame, kept exactly as a count of steps.
		long double steps = static_cast<long double> (count);
		for (int frame = 0; frame < 8; ++frame)
		{
			LfoCounter::advance (count, remainder, increment);
			steps += 1.0L;
			const double expected =
			    static_cast<double> (std::fmod (steps * static_cast<long double> (increment),
			                                    static_cast<long double> (LfoCounter::kTurn)));
			EXPECT_LE (turnDistance (phaseOf (count, remainder, increment), expected), 1e-6)
			    << increment << " " << frame;
		}
		EXPECT_LT (count, 100);
	}
}

TEST (LfoCounter, CountInsideTheRangeFollowsThePlainSteps)
{
	int32 count = kLargest - 2;
	double remainder = 0.0;
	LfoCounter::advance (count, remainder, 0.001);
	EXPECT_EQ (count, kLargest - 1);
	LfoCounter::advance (count, remainder, 0.001);
	EXPECT_EQ (count, kLargest);
	EXPECT_EQ (remainder, 0.0);
}
