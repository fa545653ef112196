// Whatever a host or a damaged project hands the processor, it neither
// crashes nor leaves a state that would make the signal path leave its lines.
#include "processorprobe.h"
#include "streams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

// The longest delay, in samples, that any derived value may ask of a line.
void expectDelaysInsideTheLines (const ProbedProcessor& processor)
{
	if (!processor.hasLines ())
		return;
	const double longest = (processor.delayMs + processor.sweepMs) * processor.samplesPerMs;
	EXPECT_TRUE (std::isfinite (longest));
	EXPECT_LT (longest, processor.bufferLength - 1);
	EXPECT_LE (processor.centreDelayMs, 8.0);
	EXPECT_GE (processor.centreDelayMs, 0.5);
	EXPECT_TRUE (std::isfinite (processor.levelGain));
	EXPECT_TRUE (std::isfinite (processor.lfoIncrement));
	EXPECT_LE (processor.feedbackGain, 0.9);
	EXPECT_GE (processor.feedbackGain, 0.0);
}

double randomRate (std::mt19937& random)
{
	const double rates[] = {0.0,     -1.0,    std::numeric_limits<double>::quiet_NaN (),
	                        1.0,     8000.0,  22050.0,
	                        44100.0, 48000.0, 96000.0,
	                        384000.0, 1e9,    -std::numeric_limits<double>::infinity ()};
	if (random () % 3 == 0)
		return std::uniform_real_distribution<double> (-1000.0, 400000.0) (random);
	return rates[random () % std::size (rates)];
}

Bytes randomStream (std::mt19937& random)
{
	Bytes bytes (random () % 201);
	for (auto& byte : bytes)
		byte = static_cast<uint8_t> (random ());
	// Often a whole record with odd values, so that reads also succeed.
	if (random () % 2 == 0 && bytes.size () < 72)
		bytes.resize (72 + random () % 8, 0x7F);
	return bytes;
}

} // namespace

TEST (ProcessorRobustness, RandomRecordsNeverPushTheDelaysOutOfTheLines)
{
	std::mt19937 random (11);
	ProcessorRef processor;
	ASSERT_EQ (processor->initialize (nullptr), kResultOk);
	ASSERT_EQ (processor->setActive (true), kResultOk);
	for (int round = 0; round < 2000; ++round)
	{
		Bytes bytes = randomStream (random);
		processor->setState (streamOf (bytes));
		auto out = owned (new MemoryStream);
		EXPECT_EQ (processor->getState (out), kResultOk);
		EXPECT_EQ (out->getSize (), 72);
		ProcessData empty {};
		processor->process (empty); // takes the restored record
		expectDelaysInsideTheLines (*processor);
	}
	processor->setActive (false);
	processor->terminate ();
}

TEST (ProcessorRobustness, OutOfRangeValuesAreKeptButLimitedForTheSignal)
{
	ProcessorRef processor;
	ASSERT_EQ (processor->initialize (nullptr), kResultOk);
	ASSERT_EQ (processor->setActive (true), kResultOk);
	const double nan = std::numeric_limits<double>::quiet_NaN ();
	const double inf = std::numeric_limits<double>::infinity ();
	for (double value : {nan, inf, -inf, 1e9, -1e9, 1.5, -0.5})
	{
		processor->params = {value, value, value, value, value, value, value, false, false};
		processor->updateParameters (false);
		expectDelaysInsideTheLines (*processor);
		EXPECT_TRUE (std::isfinite (processor->stereoPhase));
		EXPECT_TRUE (std::isfinite (processor->mixTarget));
		if (std::isnan (value))
		{
			// NaN counts as the built-in default.
			EXPECT_DOUBLE_EQ (processor->delayMs, 0.333333 * 7.5 + 0.5);
			EXPECT_DOUBLE_EQ (processor->levelGain, 1.0);
		}
		// The stored values stay as they came.
		auto out = owned (new MemoryStream);
		ASSERT_EQ (processor->params.write (out), kResultOk);
		PlugParamBlock back {};
		out->seek (0, IBStream::kIBSeekSet, nullptr);
		ASSERT_EQ (back.read (out), kResultOk);
		EXPECT_EQ (std::isnan (back.level), std::isnan (value));
		if (!std::isnan (value))
		{
			EXPECT_EQ (back.level, value);
		}
	}
	processor->setActive (false);
	processor->terminate ();
}

TEST (ProcessorRobustness, RandomCallOrdersNeverCrash)
{
	std::mt19937 random (5);
	for (int run = 0; run < 200; ++run)
	{
		ProcessorRef processor;
		for (int step = 0; step < 40; ++step)
		{
			switch (random () % 9)
			{
				case 0: processor->initialize (nullptr); break;
				case 1: processor->terminate (); break;
				case 2: processor->setActive (true); break;
				case 3: processor->setActive (false); break;
				case 4:
				{
					ProcessSetup setup {kRealtime, static_cast<int32> (random () % 4) - 1, 256,
					                    randomRate (random)};
					processor->setupProcessing (setup);
					break;
				}
				case 5: processor->setState (streamOf (randomStream (random))); break;
				case 6:
				{
					auto out = owned (new MemoryStream);
					processor->getState (out);
					break;
				}
				case 7:
				{
					ProcessData empty {};
					processor->process (empty);
					break;
				}
				case 8:
				{
					SpeakerArrangement arrangement = random ();
					processor->setBusArrangements (&arrangement, random () % 2, &arrangement,
					                               random () % 2);
					break;
				}
			}
			expectDelaysInsideTheLines (*processor);
			if (processor->hasLines ())
			{
				EXPECT_GE (processor->bufferLength, 2);
			}
		}
		processor->setActive (false);
		processor->terminate ();
	}
}
