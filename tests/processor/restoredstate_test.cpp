// Records that setState restores while no block runs wait for the audio side
// in a fixed amount of memory, however many come, and act exactly as if each
// had been applied on its own.
#include "processorrig.h"

#include "common/plugparamids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <random>
#include <unistd.h>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

size_t residentBytes ()
{
	std::ifstream statm ("/proc/self/statm");
	size_t total = 0, resident = 0;
	statm >> total >> resident;
	return resident * static_cast<size_t> (sysconf (_SC_PAGESIZE));
}

// A record whose Delay moves by little, by a lot, to the ends, to NaN or
// not at all; the other values anywhere.
PlugParamBlock randomRecord (std::mt19937& random, double previousDelay)
{
	std::uniform_real_distribution<double> value (-0.2, 1.2);
	PlugParamBlock block {value (random), 0.0, value (random), value (random), value (random),
	                      value (random), value (random), random () % 2 == 0,
	                      random () % 8 == 0};
	switch (random () % 6)
	{
		case 0: block.delay = previousDelay; break;
		case 1: block.delay = previousDelay + (random () % 2 ? 0.3 : -0.3); break;
		case 2: block.delay = random () % 2 ? 0.0 : 1.0; break;
		case 3: block.delay = std::numeric_limits<double>::quiet_NaN (); break;
		default: block.delay = value (random); break;
	}
	return block;
}

// A run of setState calls, some of them reading a cut record.
std::vector<Bytes> randomRun (std::mt19937& random)
{
	std::vector<Bytes> run (1 + random () % 10);
	double delay = 0.3;
	for (auto& bytes : run)
	{
		const PlugParamBlock block = randomRecord (random, delay);
		bytes = recordOf (block);
		if (random () % 4 == 0)
			bytes.resize (random () % 72);
		else if (!std::isnan (block.delay))
			delay = block.delay;
	}
	return run;
}

// Runs written out where folding has its corners, then random ones: F is a
// cut record, N one at 3.5 ms, X one at 7.6 ms.
std::vector<Bytes> runFor (size_t round, std::mt19937& random)
{
	const char* const corners[] = {"F", "FF", "FFF", "FFX", "FFFN", "XF", "XFF", "XNF", "FXN",
	                               "NXN", "XNX", "NXF", "FXFFN"};
	if (round / 3 >= std::size (corners))
		return randomRun (random);
	std::vector<Bytes> run;
	PlugParamBlock block = PlugProcessor::kBuiltInDefaults;
	for (const char* c = corners[round / 3]; *c; ++c)
	{
		block.delay = *c == 'X' ? 0.95 : 0.4;
		run.push_back (recordOf (block));
		if (*c == 'F')
			run.back ().resize (71);
	}
	return run;
}

// Everything a recomputation sets.
std::vector<double> settingsOf (const ProbedProcessor& p)
{
	return {p.delayMs,      p.sweepMs,       p.rateHz,        p.feedbackGain,
	        p.mixTarget,    p.levelGain,     p.stereoPhase,   p.lfoIncrement,
	        p.lastDelayMs,  p.centreDelayMs, p.baseDelayTarget, double (p.jumpPending),
	        double (p.thruRampActive), double (p.thruRampDown)};
}

enum class Start
{
	beforeActivation,
	idle,
	duringAJump,
};

// Brings a processor to the start state, the same way every time.
void prepare (ProbedProcessor& processor, Start start)
{
	ASSERT_EQ (processor.initialize (nullptr), kResultOk);
	ProcessSetup setup {kRealtime, kSample64, 512, 48000.0};
	ASSERT_EQ (processor.setupProcessing (setup), kResultOk);
	if (start == Start::beforeActivation)
		return;
	// Restored first, so that the activation starts no jump.
	processor.setState (streamOf (recordOf (PlugProcessor::kBuiltInDefaults)));
	ASSERT_EQ (processor.setActive (true), kResultOk);
	HostParameterChanges changes;
	StereoBlock<double> block (512);
	block.data.inputParameterChanges = &changes;
	if (start == Start::duringAJump)
		changes.set (kDelayId, 0.95);
	processor.process (block.data);
	ASSERT_EQ (processor.jumpPending, start == Start::duringAJump);
}

} // namespace

TEST (RestoredState, RunsTakenTogetherActAsIfAppliedOneByOne)
{
	std::mt19937 random (77);
	const Stereo input = noise (48000 / 5, 9);
	for (size_t round = 0; round < 150; ++round)
	{
		const auto start = static_cast<Start> (round % 3);
		ProcessorRef oneByOne, together;
		prepare (*oneByOne, start);
		prepare (*together, start);
		// Blocks without audio take the waiting records, also before the
		// activation.
		ProcessData noAudio {};
		for (const Bytes& bytes : runFor (round, random))
		{
			oneByOne->setState (streamOf (bytes));
			oneByOne->process (noAudio);
			together->setState (streamOf (bytes));
		}
		together->process (noAudio);
		// A NaN is stored as it came: compared as bytes, it equals itself.
		EXPECT_EQ (recordOf (oneByOne->params), recordOf (together->params)) << round;
		EXPECT_EQ (settingsOf (*oneByOne), settingsOf (*together)) << round;
		if (start == Start::beforeActivation)
		{
			oneByOne->setActive (true);
			together->setActive (true);
		}

		// And the audio that follows is the same, bit for bit.
		StereoBlock<double> a (static_cast<int32> (input.size ()));
		StereoBlock<double> b (static_cast<int32> (input.size ()));
		a.in[0] = b.in[0] = input.left;
		a.in[1] = b.in[1] = input.right;
		oneByOne->process (a.data);
		together->process (b.data);
		EXPECT_EQ (a.out[0], b.out[0]) << round;
		EXPECT_EQ (a.out[1], b.out[1]) << round;
		if (::testing::Test::HasFailure ())
			return;
		for (auto* processor : {oneByOne.processor, together.processor})
		{
			processor->setActive (false);
			processor->terminate ();
		}
	}
}

TEST (RestoredState, AMillionRestoresWithoutABlockTakeNoMoreMemory)
{
	ProcessorRef processor;
	ASSERT_EQ (processor->initialize (nullptr), kResultOk);
	ASSERT_EQ (processor->setActive (true), kResultOk);
	processor->jumpPending = false; // the one that the first activation starts

	// Reused streams, so that only the processor could allocate.
	PlugParamBlock near = PlugProcessor::kBuiltInDefaults;
	PlugParamBlock far = near;
	far.delay = 0.95;
	const IPtr<MemoryStream> streams[] = {streamOf (recordOf (near)), streamOf (recordOf (far)),
	                                      streamOf (Bytes (40, 0))};
	auto restore = [&] (int call) {
		IBStream* stream = streams[call % 3];
		stream->seek (0, IBStream::kIBSeekSet, nullptr);
		processor->setState (stream);
	};
	for (int call = 0; call < 1000; ++call)
		restore (call);
	const size_t before = residentBytes ();
	for (int call = 0; call < 1000000; ++call)
		restore (call);
	const size_t after = residentBytes ();
	EXPECT_LT (after, before + 1024 * 1024) << before << " " << after;

	// The last call failed to read: getState answers the one before it.
	restore (1);
	restore (2);
	auto out = owned (new MemoryStream);
	ASSERT_EQ (processor->getState (out), kResultOk);
	EXPECT_EQ (bytesOf (*out), recordOf (far));
	ProcessData noAudio {};
	processor->process (noAudio);
	// A million calls folded into one run still move the delay by more
	// than 3 ms now and then: the jump is there.
	EXPECT_EQ (processor->params.delay, 0.95);
	EXPECT_TRUE (processor->jumpPending);
	processor->setActive (false);
	processor->terminate ();
}

TEST (RestoredState, ANaNFieldCountsAsItsOwnBuiltInDefault)
{
	// Each field alone, so that a NaN taking another field's default, or a
	// wrong one, shows in the values derived from it.
	auto settingsAfterRestoring = [] (const PlugParamBlock& record) {
		ProcessorRef processor;
		prepare (*processor, Start::idle);
		processor->setState (streamOf (recordOf (record)));
		ProcessData noAudio {};
		processor->process (noAudio);
		const std::vector<double> settings = settingsOf (*processor);
		processor->setActive (false);
		processor->terminate ();
		return settings;
	};
	const std::vector<double> defaults = settingsAfterRestoring (PlugProcessor::kBuiltInDefaults);
	const struct
	{
		const char* name;
		double PlugParamBlock::*field;
	} fields[] = {{"level", &PlugParamBlock::level},   {"delay", &PlugParamBlock::delay},
	              {"depth", &PlugParamBlock::depth},   {"degree", &PlugParamBlock::degree},
	              {"rate", &PlugParamBlock::rate},     {"feedback", &PlugParamBlock::feedback},
	              {"mix", &PlugParamBlock::mix}};
	for (const auto& f : fields)
	{
		PlugParamBlock record = PlugProcessor::kBuiltInDefaults;
		record.*f.field = std::numeric_limits<double>::quiet_NaN ();
		EXPECT_EQ (settingsAfterRestoring (record), defaults) << f.name;
	}
}
