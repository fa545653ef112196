// Whatever a host or a damaged project hands the processor, it neither
// crashes nor leaves a state that would make the signal path leave its lines.
#include "processorrig.h"

#include "common/plugparamids.h"

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

double extremeValue (std::mt19937& random)
{
	const double values[] = {std::numeric_limits<double>::quiet_NaN (),
	                         std::numeric_limits<double>::infinity (),
	                         -std::numeric_limits<double>::infinity (),
	                         1e9,
	                         -1e9,
	                         0.0,
	                         0.5,
	                         1.0,
	                         std::numeric_limits<double>::denorm_min ()};
	if (random () % 2 == 0)
		return std::uniform_real_distribution<double> (-0.5, 1.5) (random);
	return values[random () % std::size (values)];
}

void randomAutomation (HostParameterChanges& changes, std::mt19937& random)
{
	changes.clear ();
	for (int queue = 0, count = static_cast<int> (random () % 7); queue < count; ++queue)
	{
		std::vector<std::pair<int32, ParamValue>> points (random () % 4);
		for (auto& point : points)
			point = {static_cast<int32> (random () % 9000) - 100, extremeValue (random)};
		HostParamValueQueue& added = changes.add (random () % 11, points);
		added.failGetPoint = random () % 10 == 0;
	}
	if (random () % 8 == 0)
		changes.addMissingQueue ();
}

// Fills a random block, processes it and checks every output sample.
template <typename Sample>
void processRandomBlock (ProbedProcessor& processor, HostParameterChanges& changes,
                         std::mt19937& random)
{
	const auto frames = static_cast<int32> (random () % 4 == 0 ? random () % 64 : random () % 8193);
	StereoBlock<Sample> block (frames, random () % 4 == 0);
	std::uniform_real_distribution<float> sample (-1.0f, 1.0f);
	for (auto& channel : block.in)
		for (auto& value : channel)
			value = sample (random);
	if (random () % 16 == 0)
		block.inputBus.silenceFlags = random () % 4;
	block.data.inputParameterChanges = &changes;
	ASSERT_EQ (processor.process (block.data), kResultOk);
	for (int channel = 0; channel < 2; ++channel)
		for (int32 i = 0; i < frames; ++i)
			ASSERT_TRUE (std::isfinite (block.output (channel)[i])) << frames << " " << i;
}

// Where the next block's reads will land.
void expectReadsInsideTheLines (const ProbedProcessor& processor)
{
	if (!processor.hasLines ())
		return;
	const double length = processor.bufferLength;
	for (double delay : {processor.smoothedDelayL, processor.smoothedDelayR,
	                     processor.smoothedBaseDelay, processor.currentBaseDelay})
	{
		EXPECT_GE (delay, 0.0);
		EXPECT_LT (delay, length - 1.0);
	}
	EXPECT_GE (processor.writeIndex, 0);
	EXPECT_LT (processor.writeIndex, processor.bufferLength);
	EXPECT_TRUE (std::isfinite (processor.feedbackInterpL + processor.feedbackInterpR +
	                            processor.inputInterpL + processor.inputInterpR));
}

} // namespace

TEST (ProcessorRobustness, RandomBlocksAutomationStatesAndRatesGiveFiniteOutput)
{
	std::mt19937 random (2024);
	ProcessorRef processor;
	ASSERT_EQ (processor->initialize (nullptr), kResultOk);
	HostParameterChanges changes;
	for (int round = 0; round < 3000; ++round)
	{
		if (round % 100 == 0)
		{
			processor->setActive (false);
			const double rate = std::exp (std::uniform_real_distribution<double> (
			    std::log (8000.0), std::log (384000.0)) (random));
			ProcessSetup setup {kRealtime, static_cast<int32> (random () % 2), 8192, rate};
			ASSERT_EQ (processor->setupProcessing (setup), kResultOk);
			ASSERT_EQ (processor->setActive (true), kResultOk);
		}
		if (random () % 16 == 0)
		{
			if (random () % 2)
				processor->setState (streamOf (randomStream (random)));
			else
			{
				const PlugParamBlock odd {extremeValue (random), extremeValue (random),
				                          extremeValue (random), extremeValue (random),
				                          extremeValue (random), extremeValue (random),
				                          extremeValue (random), random () % 2 == 0,
				                          random () % 4 == 0};
				processor->setState (streamOf (recordOf (odd)));
			}
		}
		randomAutomation (changes, random);
		if (random () % 2)
			processRandomBlock<float> (*processor, changes, random);
		else
			processRandomBlock<double> (*processor, changes, random);
		if (::testing::Test::HasFatalFailure ())
			return;
		expectReadsInsideTheLines (*processor);
	}
	processor->setActive (false);
	processor->terminate ();
}

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
