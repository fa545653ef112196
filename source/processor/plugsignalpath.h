// The flanger, frame by frame: level and wet-share smoothing, the mute that
// covers a large delay change, the Thru Null crossfade, the LFO, and per
// channel a modulated tap on the feedback line and a reference tap on the
// input line. All arithmetic is float64 whatever the host's sample type, and
// every expression is evaluated in the order written, left to right.
//
// Included only where processAudio is instantiated.
#pragma once

#include "processor/delayread.h"
#include "processor/lfocounter.h"
#include "processor/plugprocessor.h"

#include <algorithm>
#include <cmath>

namespace Steinberg {
namespace Vst {

// Added to every input sample so that decaying feedback never turns denormal.
constexpr double kDenormalGuard = 1e-18;

// The largest float32 value. A sample beyond it (NaN, an infinity, or a
// float64 too large for the feedback sums to stay finite) would stay in the
// lines and the interpolators for good and silence the channel; it enters
// as silence instead. Either sample type admits the same values.
constexpr double kLargestInput = 3.4028234663852886e38;

inline double admitted (double sample)
{
	return std::abs (sample) <= kLargestInput ? sample : 0.0;
}

// Frames whose LFO values are computed ahead of their other steps.
constexpr int32 kLfoRun = 64;

template <typename Sample>
void PlugProcessor::processAudio (Sample** inputs, Sample** outputs, int32 /*numChannels*/,
                                  int32 numSamples)
{
	const Sample* inL = inputs[0];
	const Sample* inR = inputs[1];
	Sample* outLeft = outputs[0];
	Sample* outRight = outputs[1];
	double lfoLeft[kLfoRun];
	double lfoRight[kLfoRun];

	for (int32 start = 0; start < numSamples; start += kLfoRun)
	{
		const int32 frames = std::min (kLfoRun, numSamples - start);
		runLfo (lfoLeft, lfoRight, frames);

		for (int32 k = 0; k < frames; ++k)
		{
			const int32 j = start + k;
			// Both inputs are read before either output is written, so
			// in-place buffers give the same result.
			const double xL = admitted (static_cast<double> (inL[j])) + kDenormalGuard;
			const double xR = admitted (static_cast<double> (inR[j])) + kDenormalGuard;

			levelSmoother = smooth (levelSmoother, levelGain);
			mixSmoother = smooth (mixSmoother, mixTarget);
			smoothedLevel = levelSmoother;
			smoothedMix = mixSmoother;
			dryGain = 1.0 - smoothedMix;

			const double m = stepDelayJump ();
			stepThruRamp ();

			const double u = smooth (smoothedBaseDelay, baseDelayTarget);
			smoothedBaseDelay = u;
			currentBaseDelay = u;

			const double outL = flangeChannel (lfoLeft[k], xL, m, u, smoothedDelayL,
			                                   feedbackLineL.get (), feedbackInterpL,
			                                   inputLineL.get (), inputInterpL);
			const double outR = flangeChannel (lfoRight[k], xR, m, currentBaseDelay,
			                                   smoothedDelayR, feedbackLineR.get (),
			                                   feedbackInterpR, inputLineR.get (), inputInterpR);

			writeIndex = writeIndex + 1 == bufferLength ? 0 : writeIndex + 1;

			outLeft[j] = static_cast<Sample> (outL * smoothedLevel);
			outRight[j] = static_cast<Sample> (outR * smoothedLevel);
		}
	}
}

// The LFO of the next frames: the rate-change rescale, the two sines and the
// count's advance of each frame. Nothing else in a frame reads or writes
// the LFO's state, nor anything the LFO reads, so taking it ahead gives the
// very values of the frame-by-frame order, and lets the sines run back to
// back.
inline void PlugProcessor::runLfo (double* left, double* right, int32 frames)
{
	for (int32 k = 0; k < frames; ++k)
	{
		if (lfoIncrement != appliedLfoIncrement)
			adoptLfoIncrement ();
		const double phase = lfoIncrement * static_cast<double> (lfoCounter) + lfoPhaseOffset;
		left[k] = std::sin (phase);
		right[k] = std::sin (phase + stereoPhase);
		LfoCounter::advance (lfoCounter, lfoPhaseOffset, lfoIncrement);
	}
}

inline double PlugProcessor::smooth (double state, double target) const
{
	return smoothCoef * state + smoothCoefComplement * target;
}

inline double PlugProcessor::flangeChannel (double lfo, double x, double m, double referenceDelay,
                                            double& smoothedDelay, double* feedbackLine,
                                            double& feedbackInterp, double* inputLine,
                                            double& inputInterp)
{
	double target = (lfo * sweepMs + centreDelayMs) * samplesPerMs;
	if (target < 0.0)
		target = 0.0;
	smoothedDelay = smooth (smoothedDelay, target);

	const double yFb =
	    readDelayInterpolated (feedbackLine, feedbackInterp, writeIndex, bufferLength, smoothedDelay);
	const double yIn =
	    readDelayInterpolated (inputLine, inputInterp, writeIndex, bufferLength, referenceDelay);

	const double out = smoothedMix * m * yFb + (yIn * nullGain + thruGain * x) * dryGain;

	inputLine[writeIndex] = x;
	feedbackLine[writeIndex] = (feedbackGain * out + x) * m;
	return out;
}

inline double PlugProcessor::stepDelayJump ()
{
	if (jumpPending)
	{
		fadingIn = false;
		writeGain = writeGain - fadeOutStep;
		if (!(writeGain > 0.0))
		{
			writeGain = 0.0;
			holdCounter = holdCounter - 1;
			if (holdCounter <= 0)
				endDelayJumpHold ();
		}
	}
	else if (fadingIn)
	{
		writeGain = writeGain + fadeInStep;
		if (writeGain > 1.0)
		{
			writeGain = 1.0;
			fadingIn = false;
			firstRun = false;
		}
	}
	// The first sequence after initialisation is not heard as a mute.
	return firstRun ? 1.0 : writeGain;
}

// The lines are silent by now; the delays start again at the new centre, at
// the targets the LFO would give at phase 0. The LFO itself runs on.
inline void PlugProcessor::endDelayJumpHold ()
{
	holdCounter = holdLength;
	fadingIn = true;
	jumpPending = false;
	centreDelayMs = delayMs;
	baseDelayTarget = delayMs * samplesPerMs;
	smoothedDelayL = smoothedBaseDelay =
	    baseDelayTarget * (1.0 - smoothCoefComplement) / smoothCoef;
	smoothedDelayR = (delayMs + sweepMs * std::sin (stereoPhase)) *
	                 ((1.0 - smoothCoefComplement) * samplesPerMs) / smoothCoef;
}

inline void PlugProcessor::stepThruRamp ()
{
	if (!thruRampActive)
		return;
	thruGain = thruRampDown ? thruGain - thruStep : thruGain + thruStep;
	if (thruGain < 0.0 || thruGain > 1.0)
	{
		// The nearest end; at sample rates below 200 Hz a step can overshoot
		// by more than half, and the ramp still ends at 0 or 1.
		const double end = static_cast<double> (static_cast<int32> (thruGain + 0.5));
		thruGain = end < 0.0 ? 0.0 : end > 1.0 ? 1.0 : end;
		thruRampActive = false;
	}
	nullGain = std::abs (1.0 - thruGain);
}

inline void PlugProcessor::adoptLfoIncrement ()
{
	LfoCounter::rescale (lfoCounter, lfoPhaseOffset, appliedLfoIncrement, lfoIncrement);
	appliedLfoIncrement = lfoIncrement;
}

} // namespace Vst
} // namespace Steinberg
