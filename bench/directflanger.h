// A yardstick for the processor's flanger: the same work per stereo frame
// written as a plain, direct C++ loop over a struct of float64 state, with
// no parameter intake, no delay jump and no Thru Null crossfade. Per frame:
// two smoothed gains, the reference delay, two sines, per channel a smoothed
// modulated delay and two allpass-interpolated reads, the output and the
// line writes. The interpolated read is the processor's own.
#pragma once

#include "processor/delayread.h"

#include <cmath>
#include <vector>

namespace Steinberg {
namespace Vst {

struct DirectFlanger
{
	explicit DirectFlanger (double sampleRate)
	: samplesPerMs (0.001 * sampleRate)
	, length (static_cast<int32> (sampleRate * 0.0215433 + 0.5))
	, coef (std::exp (-2.2 / (0.05 * sampleRate)))
	, complement (1.0 - coef)
	, increment (6.283185307179586 / sampleRate * 0.4)
	{
		for (auto* line : {&inputL, &inputR, &feedbackL, &feedbackR})
			line->assign (static_cast<size_t> (length), 0.0);
	}

	double channel (double lfo, double x, double u, double& delay, std::vector<double>& feedback,
	                double& feedbackState, std::vector<double>& input, double& inputState)
	{
		double target = (lfo * sweepMs + centreMs) * samplesPerMs;
		if (target < 0.0)
			target = 0.0;
		delay = coef * delay + complement * target;
		const double wet =
		    readDelayInterpolated (feedback.data (), feedbackState, writeIndex, length, delay);
		const double reference =
		    readDelayInterpolated (input.data (), inputState, writeIndex, length, u);
		const double out = mix * wet + (reference * nullGain + thruGain * x) * (1.0 - mix);
		input[writeIndex] = x;
		feedback[writeIndex] = feedbackGain * out + x;
		return out;
	}

	template <typename Sample>
	void process (const Sample* inL, const Sample* inR, Sample* outL, Sample* outR, int frames)
	{
		for (int j = 0; j < frames; ++j)
		{
			const double xL = static_cast<double> (inL[j]) + 1e-18;
			const double xR = static_cast<double> (inR[j]) + 1e-18;
			level = coef * level + complement * 1.0;
			mix = coef * mix + complement * 0.5;
			baseDelay = coef * baseDelay + complement * centreMs * samplesPerMs;
			const double phase = increment * static_cast<double> (counter);
			const double left = channel (std::sin (phase), xL, baseDelay, delayL, feedbackL,
			                             feedbackStateL, inputL, inputStateL);
			const double right = channel (std::sin (phase + stereoPhase), xR, baseDelay, delayR,
			                              feedbackR, feedbackStateR, inputR, inputStateR);
			writeIndex = writeIndex + 1 == length ? 0 : writeIndex + 1;
			outL[j] = static_cast<Sample> (left * level);
			outR[j] = static_cast<Sample> (right * level);
			++counter;
		}
	}

	double samplesPerMs;
	int32 length;
	double coef;
	double complement;
	double increment;
	double centreMs = 3.0;
	double sweepMs = 0.945;
	double stereoPhase = 0.7853981633974483;
	double feedbackGain = 0.45;
	double thruGain = 1.0;
	double nullGain = 0.0;
	double level = 1.0;
	double mix = 0.5;
	double baseDelay = 144.0;
	double delayL = 144.0;
	double delayR = 144.0;
	double feedbackStateL = 0.0;
	double feedbackStateR = 0.0;
	double inputStateL = 0.0;
	double inputStateR = 0.0;
	int32 writeIndex = 0;
	long long counter = 0;
	std::vector<double> inputL, inputR, feedbackL, feedbackR;
};

} // namespace Vst
} // namespace Steinberg
