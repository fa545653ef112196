// A damaged sample from upstream (NaN, an infinity, or a float64 beyond any
// audio) must cost one sample of silence, not the channel: it enters the
// flanger as 0.0, and everything after it sounds as if 0.0 had come.
#include "processorrig.h"

#include "processor/admission.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN ();
constexpr double kInf = std::numeric_limits<double>::infinity ();
constexpr double kLargestFloat = std::numeric_limits<float>::max ();

PlugParamBlock loudFeedback (bool thruNull)
{
	PlugParamBlock block = PlugProcessor::kBuiltInDefaults;
	block.level = 0.6;
	block.feedback = 1.0;
	block.depth = 0.8;
	block.rate = 0.7;
	block.thruNull = thruNull;
	return block;
}

template <typename Sample>
Stereo render (const PlugParamBlock& settings, const Stereo& input)
{
	ProcessorRig rig (48000.0, sizeof (Sample) == 4 ? kSample32 : kSample64, settings);
	return rig.run<Sample> (input, 256);
}

// Places the three values in both channels, at frames apart from each
// other and between the channels.
Stereo withValues (Stereo signal, const double (&values)[3])
{
	for (size_t k = 0; k < 3; ++k)
	{
		signal.left[1000 + 3000 * k] = values[k];
		signal.right[1700 + 3000 * k] = values[k];
	}
	return signal;
}

template <typename Sample>
void expectSilenceInTheirPlace (const double (&values)[3],
                                const Stereo& noisy = noise (48000 / 4, 41))
{
	for (bool thruNull : {false, true})
	{
		const Stereo damaged = render<Sample> (loudFeedback (thruNull), withValues (noisy, values));
		const Stereo silenced =
		    render<Sample> (loudFeedback (thruNull), withValues (noisy, {0.0, 0.0, 0.0}));
		for (size_t i = 0; i < damaged.size (); ++i)
		{
			ASSERT_TRUE (std::isfinite (damaged.left[i]) && std::isfinite (damaged.right[i]))
			    << thruNull << " " << i;
			ASSERT_EQ (damaged.left[i], silenced.left[i]) << thruNull << " " << i;
			ASSERT_EQ (damaged.right[i], silenced.right[i]) << thruNull << " " << i;
		}
	}
}

} // namespace

TEST (NonFiniteInput, NaNAndInfinitiesEnterAsSilenceInBothSampleTypes)
{
	expectSilenceInTheirPlace<float> ({kNaN, kInf, -kInf});
	expectSilenceInTheirPlace<double> ({kNaN, kInf, -kInf});
}

TEST (NonFiniteInput, Float64BeyondTheLargestFloat32EntersAsSilence)
{
	// Today's sums would overflow from about a third of the largest float64
	// on, and the channel would stay silent.
	expectSilenceInTheirPlace<double> ({std::numeric_limits<double>::max (), -1.7e308, 1e39});
}

TEST (NonFiniteInput, TheLargestFloat32StillEntersUnchanged)
{
	const Stereo noisy = noise (48000 / 4, 42);
	const double largest[3] = {kLargestFloat, -kLargestFloat, 1e38};
	const Stereo loud = render<double> (loudFeedback (false), withValues (noisy, largest));
	const Stereo silenced =
	    render<double> (loudFeedback (false), withValues (noisy, {0.0, 0.0, 0.0}));
	EXPECT_NE (loud.left[1000], silenced.left[1000]);
	EXPECT_NE (loud.right[1700], silenced.right[1700]);
	for (size_t i = 0; i < loud.size (); ++i)
		ASSERT_TRUE (std::isfinite (loud.left[i]) && std::isfinite (loud.right[i])) << i;

	// Also right after a NaN, in the same block of 256 frames, which then
	// goes through the test per sample: only the NaN enters as silence.
	Stereo nextToNaN = noise (48000 / 4, 43);
	for (size_t k = 0; k < 3; ++k)
		nextToNaN.left[1001 + 3000 * k] = nextToNaN.right[1701 + 3000 * k] = largest[k];
	expectSilenceInTheirPlace<float> ({kNaN, kNaN, kNaN}, nextToNaN);
	expectSilenceInTheirPlace<double> ({kNaN, kNaN, kNaN}, nextToNaN);
}

TEST (NonFiniteInput, TheBlockCheckAgreesWithTheSampleCheckAtEveryPlace)
{
	// A block found clean skips the test per sample, so the block check
	// must find every sample that test would replace, wherever it sits.
	const double largestDouble = std::numeric_limits<double>::max ();
	const double edges[] = {0.0,
	                        -0.0,
	                        std::numeric_limits<double>::denorm_min (),
	                        -1.0,
	                        kLargestFloat,
	                        -kLargestFloat,
	                        std::nextafter (kLargestFloat, kInf),
	                        -std::nextafter (kLargestFloat, kInf),
	                        largestDouble,
	                        -largestDouble,
	                        kInf,
	                        -kInf,
	                        kNaN,
	                        -kNaN};
	for (double edge : edges)
	{
		const bool expected = std::abs (edge) <= kLargestInput;
		for (int32 place = 0; place < 37; ++place)
		{
			std::vector<double> wide (37, 0.25);
			wide[place] = edge;
			EXPECT_EQ (allAdmitted (wide.data (), 37), expected) << edge << " " << place;
			// float32 carries each edge but the float64-only ones, which it
			// cannot hold.
			if (std::abs (edge) <= kLargestFloat || std::isinf (edge) || std::isnan (edge))
			{
				std::vector<float> narrow (37, 0.25f);
				narrow[place] = static_cast<float> (edge);
				EXPECT_EQ (allAdmitted (narrow.data (), 37), expected) << edge << " " << place;
			}
		}
	}
	EXPECT_TRUE (allAdmitted (static_cast<const float*> (nullptr), 0));
}
