// The two reads of a circular line, with hand-computed values.
#include "processor/delayread.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

// Slot i holds 10 × (i + 1), so every slot is told apart.
std::vector<double> numberedLine (int32 length)
{
	std::vector<double> line (static_cast<size_t> (length));
	for (size_t i = 0; i < line.size (); ++i)
		line[i] = 10.0 * static_cast<double> (i + 1);
	return line;
}

} // namespace

TEST (DelayRead, IntegralDelayAddsBothSlotsLessThePreviousResult)
{
	const std::vector<double> line = numberedLine (8);
	double state = 3.0;
	// Written 2 and 3 frames before the frame at slot 5: slots 3 and 2.
	EXPECT_EQ (readDelayInterpolated (line.data (), state, 5, 8, 2.0), 40.0 + 30.0 - 3.0);
	EXPECT_EQ (state, 67.0);
	// The next read starts from that result.
	EXPECT_EQ (readDelayInterpolated (line.data (), state, 5, 8, 2.0), 40.0 + 30.0 - 67.0);
}

TEST (DelayRead, FractionWeighsTheNewerSlotAndThePreviousResult)
{
	const std::vector<double> line = numberedLine (8);
	double state = 4.0;
	// delay 2.25: eta 0.75, y = 0.75 × slot 3 + slot 2 − 0.75 × state.
	EXPECT_EQ (readDelayInterpolated (line.data (), state, 5, 8, 2.25), (40.0 - 4.0) * 0.75 + 30.0);
	// Below one sample the newer slot is the write position itself, which
	// still holds the oldest sample.
	state = 0.0;
	EXPECT_EQ (readDelayInterpolated (line.data (), state, 5, 8, 0.5), 60.0 * 0.5 + 50.0);
}

TEST (DelayRead, ReadsWrapAroundTheLineStart)
{
	const std::vector<double> line = numberedLine (8);
	double state = 0.0;
	// writeIndex 1, delay 3: slot 1 − 3 + 8 = 6 and the slot before it.
	EXPECT_EQ (readDelayInterpolated (line.data (), state, 1, 8, 3.0), 70.0 + 60.0);
	// The newer slot is 0, so the older one is the last slot.
	state = 0.0;
	EXPECT_EQ (readDelayInterpolated (line.data (), state, 2, 8, 2.0), 10.0 + 80.0);
	// The longest delay the lines allow.
	state = 0.0;
	EXPECT_EQ (readDelayInterpolated (line.data (), state, 7, 8, 7.0), 10.0 + 80.0);

	EXPECT_EQ (readDelay (3, line.data (), 1, 8), 70.0);
	EXPECT_EQ (readDelay (0, line.data (), 1, 8), 20.0);
	EXPECT_EQ (readDelay (8, line.data (), 1, 8), 20.0);
	EXPECT_EQ (readDelay (1, line.data (), 0, 8), 80.0);
	EXPECT_EQ (readDelay (5, line.data (), 5, 8), 10.0);
}

TEST (DelayRead, IntegralDelayFromRestIsAPureDelay)
{
	// Writing an impulse into a line and reading it back w frames later, as
	// the signal path does, gives the impulse alone, w frames late.
	const int32 length = 16;
	std::vector<double> line (length, 0.0);
	double state = 0.0;
	int32 writeIndex = 0;
	std::vector<double> read;
	for (int frame = 0; frame < 12; ++frame)
	{
		read.push_back (readDelayInterpolated (line.data (), state, writeIndex, length, 5.0));
		line[static_cast<size_t> (writeIndex)] = frame == 2 ? 1.0 : 0.0;
		writeIndex = (writeIndex + 1) % length;
	}
	for (int frame = 0; frame < 12; ++frame)
		EXPECT_EQ (read[static_cast<size_t> (frame)], frame == 7 ? 1.0 : 0.0) << frame;
}
