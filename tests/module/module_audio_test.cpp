// Audio through the built bundle, driven as a host drives it: seconds of
// audio with every parameter automated, bypass and silent blocks, and the
// state saved and restored while the audio runs.
#include "audioblock.h"
#include "hostparameterchanges.h"
#include "moduleloader.h"
#include "streams.h"

#include "common/plugparamids.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/vstspeaker.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <tuple>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

const uint8_t kProcessorCid[16] = {0x8F, 0x43, 0xB8, 0xB5, 0xD0, 0xCC, 0x4F, 0x9F,
                                   0x8C, 0x77, 0xB2, 0xE5, 0xB0, 0x8C, 0x60, 0x35};
constexpr int32 kBlock = 512;

// The nine values of a stored record: seven float64 after the header, then
// the two switches as int32.
struct Record
{
	double values[7];
	int32 switches[2];
};

Record parse (const Bytes& bytes)
{
	Record record {};
	EXPECT_EQ (bytes.size (), 72u);
	if (bytes.size () == 72)
	{
		std::memcpy (record.values, bytes.data () + 8, sizeof (record.values));
		std::memcpy (record.switches, bytes.data () + 64, sizeof (record.switches));
	}
	return record;
}

// Automation as a host might write it: slow sweeps, a few large delay moves,
// Thru Null toggling every second and Bypass on for a while.
void automate (HostParameterChanges& changes, int64 frame, double rate)
{
	const double t = static_cast<double> (frame) / rate;
	changes.clear ();
	changes.add (kLevelId, {{0, 0.6 + 0.2 * std::sin (t)}, {kBlock - 1, 0.65 + 0.2 * std::sin (t)}});
	changes.set (kDelayId, std::fmod (t, 1.2) < 0.6 ? 0.1 + 0.01 * t : 0.9);
	changes.set (kDepthId, 0.5 + 0.5 * std::sin (3.0 * t));
	changes.set (kDegreeId, std::fmod (t, 1.0));
	changes.set (kRateId, 0.5 + 0.5 * std::cos (t));
	changes.set (kFeedbackId, 0.99);
	changes.set (kMixId, 0.5 + 0.5 * std::sin (0.7 * t));
	changes.set (kThruNullId, static_cast<int64> (t) % 2 == 1 ? 1.0 : 0.0);
	changes.set (kBypassId, t >= 1.5 && t < 1.7 ? 1.0 : 0.0);
}

class ModuleAudio : public ::testing::TestWithParam<std::tuple<double, int32>>
{
protected:
	void SetUp () override
	{
		ASSERT_TRUE (module.ok ()) << module.error ();
		ASSERT_TRUE (module.enter ());
		factory = owned (module.factory ());
		ASSERT_EQ (factory->createInstance (reinterpret_cast<FIDString> (kProcessorCid),
		                                    IComponent::iid, reinterpret_cast<void**> (&component)),
		           kResultOk);
		ASSERT_EQ (component->initialize (&host), kResultOk);
		processor = FUnknownPtr<IAudioProcessor> (component);
		ASSERT_TRUE (processor);
		SpeakerArrangement stereo = SpeakerArr::kStereo;
		ASSERT_EQ (processor->setBusArrangements (&stereo, 1, &stereo, 1), kResultTrue);
		ProcessSetup setup {kRealtime, sampleSize (), kBlock, sampleRate ()};
		ASSERT_EQ (processor->setupProcessing (setup), kResultOk);
		ASSERT_EQ (component->setActive (true), kResultOk);
	}

	void TearDown () override
	{
		if (component)
		{
			component->setActive (false);
			component->terminate ();
			component->release ();
		}
	}

	double sampleRate () const { return std::get<0> (GetParam ()); }
	int32 sampleSize () const { return std::get<1> (GetParam ()); }

	Bytes state ()
	{
		auto stream = owned (new MemoryStream);
		EXPECT_EQ (component->getState (stream), kResultOk);
		return bytesOf (*stream);
	}

	struct Played
	{
		int blocks = 0, silent = 0, bypassed = 0, flanged = 0;
	};

	// Plays seconds of audio, checks each block and counts what came out.
	template <typename Sample>
	Played play (double seconds)
	{
		StereoBlock<Sample> block (kBlock);
		block.data.inputParameterChanges = &changes;
		Played played;
		const auto blocks = static_cast<int64> (seconds * sampleRate () / kBlock);
		for (int64 b = 0; b < blocks; ++b, frame += kBlock)
		{
			automate (changes, frame, sampleRate ());
			for (int32 i = 0; i < kBlock; ++i)
			{
				const double t = static_cast<double> (frame + i) / sampleRate ();
				block.in[0][i] = static_cast<Sample> (0.7 * std::sin (2000.0 * t));
				block.in[1][i] = static_cast<Sample> (0.7 * std::sin (3100.0 * t + 1.0));
			}
			const bool silent = b % 50 == 49;
			block.inputBus.silenceFlags = silent ? 3 : 0;
			EXPECT_EQ (processor->process (block.data), kResultOk);

			const double t = static_cast<double> (frame) / sampleRate ();
			const bool bypassed = t >= 1.5 && t < 1.7;
			for (int channel = 0; channel < 2; ++channel)
			{
				if (silent)
				{
					EXPECT_EQ (block.out[channel], std::vector<Sample> (kBlock, Sample (0)));
				}
				else if (bypassed)
				{
					EXPECT_EQ (block.out[channel], block.in[channel]);
				}
				for (Sample sample : block.out[channel])
					EXPECT_TRUE (std::isfinite (sample)) << "block " << b;
			}
			EXPECT_EQ (block.outputBus.silenceFlags, silent ? 3u : 0u);
			++played.blocks;
			played.silent += silent;
			played.bypassed += bypassed && !silent;
			played.flanged += !silent && !bypassed && block.out[0] != block.in[0];
		}
		return played;
	}

	template <typename Sample>
	void playAndExpectFlanging (double seconds)
	{
		const Played played = play<Sample> (seconds);
		EXPECT_EQ (played.flanged, played.blocks - played.silent - played.bypassed);
		EXPECT_GT (played.flanged, 0);
	}

	template <typename Sample>
	void playAndRestore ()
	{
		playAndExpectFlanging<Sample> (1.0);
		const Bytes atOneSecond = state ();

		// The state follows the automation: the values of the last block.
		const Played second = play<Sample> (1.0);
		EXPECT_GT (second.bypassed, 0);
		EXPECT_EQ (second.flanged, second.blocks - second.silent - second.bypassed);
		const Record now = parse (state ());
		EXPECT_EQ (now.values[kFeedbackId], 0.99);
		EXPECT_EQ (now.values[kDegreeId], std::fmod (static_cast<double> (frame - kBlock) /
		                                                 sampleRate (), 1.0));
		EXPECT_EQ (now.switches[0], 1); // Thru Null on in the second second
		EXPECT_EQ (now.switches[1], 0);

		// Restored mid-stream, the record is what the processor holds after
		// the next block, and it is what the audio runs on.
		ASSERT_EQ (component->setState (streamOf (atOneSecond)), kResultOk);
		EXPECT_EQ (state (), atOneSecond);
		StereoBlock<Sample> block (kBlock);
		std::fill (block.in[0].begin (), block.in[0].end (), Sample (0.5));
		processor->process (block.data);
		EXPECT_EQ (state (), atOneSecond);

		Bytes bypassing = atOneSecond;
		bypassing[68] = 1; // the Bypass switch
		ASSERT_EQ (component->setState (streamOf (bypassing)), kResultOk);
		processor->process (block.data);
		EXPECT_EQ (block.out[0], block.in[0]);
		EXPECT_EQ (state (), bypassing);

		bypassing[68] = 0;
		ASSERT_EQ (component->setState (streamOf (bypassing)), kResultOk);
		playAndExpectFlanging<Sample> (1.0);
	}

	LoadedModule module {builtModulePath ()};
	HostApplication host;
	IPtr<IPluginFactory> factory;
	IComponent* component = nullptr;
	FUnknownPtr<IAudioProcessor> processor;
	HostParameterChanges changes;
	int64 frame = 0;
};

} // namespace

TEST_P (ModuleAudio, SecondsOfAutomatedAudioWithBypassSilenceAndRestoredStates)
{
	if (sampleSize () == kSample32)
		playAndRestore<float> ();
	else
		playAndRestore<double> ();
}

INSTANTIATE_TEST_SUITE_P (RatesAndSampleSizes, ModuleAudio,
                          ::testing::Combine (::testing::Values (44100.0, 96000.0),
                                              ::testing::Values (kSample32, kSample64)));
