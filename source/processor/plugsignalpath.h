// The flanger, frame by frame: level and wet-share smoothing, the mute that
// covers a large delay change, the Thru Null crossfade, the LFO, and per
// channel a modulated tap on the feedback line and a reference tap on the
// input line. All arithmetic is float64 whatever the host's sample type, and
// every expression is evaluated in the order written, left to right.
//
// Included only where processAudio is instantiated.
#pragma once

#include "processor/admission.h"
#include "processor/delayread.h"
#include "processor/lfocounter.h"
#include "processor/plugprocessor.h"
#include "processor/steadystate.h"

#include <algorithm>
#include <cmath>

namespace Steinberg {
namespace Vst {

// Added to every input sample so that decaying feedback never turns denormal.
constexpr double kDenormalGuard = 1e-18;

// Frames whose LFO values are computed ahead of their other steps.
constexpr int32 kLfoRun = 64;

template <typename Sample>
void PlugProcessor::processAudio (Sample** inputs, Sample** outputs, int32 /*numChannels*/,
                                  int32 numSamples)
{
	if (allAdmitted (inputs[0], numSamples) && allAdmitted (inputs[1], numSamples))
		runFrames<false> (inputs, outputs, numSamples);
	else
		runFrames<true> (inputs, outputs, numSamples);
}

template <bool admitEach, typename Sample>
void PlugProcessor::runFrames (Sample** inputs, Sample** outputs, int32 numSamples)
{
	const Sample* inL = inputs[0];
	const Sample* inR = inputs[1];
	Sample* outL = outputs[0];
	Sample* outR = outputs[1];
	const Lines lines {inputLineL.get (), inputLineR.get (), feedbackLineL.get (),
	                   feedbackLineR.get ()};
	double lfoLeft[kLfoRun];
	double lfoRight[kLfoRun];

	for (int32 start = 0; start < numSamples; start += kLfoRun)
	{
		const int32 frames = std::min (kLfoRun, numSamples - start);
		runLfo (lfoLeft, lfoRight, frames);

		int32 k = 0;
		for (; k < frames && !isSteady (); ++k)
		{
			const int32 j = start + k;
			processFrame<admitEach> (*this, lines, inL[j], inR[j], outL[j], outR[j], lfoLeft[k],
			                         lfoRight[k]);
		}
		// Only a recomputation, which comes between blocks, starts a jump or
		// a crossfade: the rest of the block stays steady.
		if (k < frames)
			processSteadyFrames<admitEach> (lines, inL + start + k, inR + start + k,
			                                outL + start + k, outR + start + k, lfoLeft + k,
			                                lfoRight + k, frames - k);
	}
}

inline bool PlugProcessor::isSteady () const
{
	return !jumpPending && !fadingIn && !thruRampActive;
}

template <bool admitEach, typename Sample>
inline void PlugProcessor::processSteadyFrames (const Lines& lines, const Sample* inL,
                                                const Sample* inR, Sample* outL, Sample* outR,
                                                const double* lfoLeft, const double* lfoRight,
                                                int32 frames)
{
	SteadyState steady (*this);
	for (int32 k = 0; k < frames; ++k)
		processFrame<admitEach> (steady, lines, inL[k], inR[k], outL[k], outR[k], lfoLeft[k],
		                         lfoRight[k]);
	steady.writeBack (*this);
}

// Both input samples arrive before either output is written, so in-place
// buffers give the same result. Unless admitEach, the block's samples are
// known to be admitted as they are.
template <bool admitEach, typename State, typename Sample>
inline void PlugProcessor::processFrame (State& s, const Lines& lines, Sample inL, Sample inR,
                                         Sample& outL, Sample& outR, double lfoLeft,
                                         double lfoRight)
{
	const double xL = (admitEach ? admitted (inL) : static_cast<double> (inL)) + kDenormalGuard;
	const double xR = (admitEach ? admitted (inR) : static_cast<double> (inR)) + kDenormalGuard;

	s.levelSmoother = smooth (s, s.levelSmoother, s.levelGain);
	s.mixSmoother = smooth (s, s.mixSmoother, s.mixTarget);
	s.smoothedLevel = s.levelSmoother;
	s.smoothedMix = s.mixSmoother;
	s.dryGain = 1.0 - s.smoothedMix;

	const double m = s.stepDelayJump ();
	s.stepThruRamp ();

	const double u = smooth (s, s.smoothedBaseDelay, s.baseDelayTarget);
	s.smoothedBaseDelay = u;
	s.currentBaseDelay = u;

	const double left = flangeChannel (s, lfoLeft, xL, m, u, s.smoothedDelayL, lines.feedbackL,
	                                   s.feedbackInterpL, lines.inputL, s.inputInterpL);
	const double right =
	    flangeChannel (s, lfoRight, xR, m, s.currentBaseDelay, s.smoothedDelayR, lines.feedbackR,
	                   s.feedbackInterpR, lines.inputR, s.inputInterpR);

	s.writeIndex = s.writeIndex + 1 == s.bufferLength ? 0 : s.writeIndex + 1;

	outL = static_cast<Sample> (left * s.smoothedLevel);
	outR = static_cast<Sample> (right * s.smoothedLevel);
}

// The LFO of the next frames: the rate-change rescale, the two sines and the
// count's advance of each frame. Nothing else in a frame reads or writes
// the LFO's state, nor anything the LFO reads, so taking it ahead gives the
// very values of the frame-by-frame order, and lets the sines run back to
// back. Only a block's first frame can find a new rate.
inline void PlugProcessor::runLfo (double* left, double* right, int32 frames)
{
	if (lfoIncrement != appliedLfoIncrement)
		adoptLfoIncrement ();
	const double increment = lfoIncrement;
	const double offset = stereoPhase;
	int32 count = lfoCounter;
	double remainder = lfoPhaseOffset;
	for (int32 k = 0; k < frames; ++k)
	{
		const double phase = increment * static_cast<double> (count) + remainder;
		left[k] = std::sin (phase);
		right[k] = std::sin (phase + offset);
		LfoCounter::advance (count, remainder, increment);
	}
	lfoCounter = count;
	lfoPhaseOffset = remainder;
}

template <typename State>
inline double PlugProcessor::smooth (const State& s, double state, double target)
{
	return s.smoothCoef * state + s.smoothCoefComplement * target;
}

template <typename State>
inline double PlugProcessor::flangeChannel (State& s, double lfo, double x, double m,
                                            double referenceDelay, double& smoothedDelay,
                                            double* feedbackLine, double& feedbackInterp,
                                            double* inputLine, double& inputInterp)
{
	double target = (lfo * s.sweepMs + s.centreDelayMs) * s.samplesPerMs;
	if (target < 0.0)
		target = 0.0;
	smoothedDelay = smooth (s, smoothedDelay, target);

	const double yFb = readDelayInterpolated (feedbackLine, feedbackInterp, s.writeIndex,
	                                          s.bufferLength, smoothedDelay);
	const double yIn = readDelayInterpolated (inputLine, inputInterp, s.writeIndex,
	                                          s.bufferLength, referenceDelay);

	const double out = s.smoothedMix * m * yFb + (yIn * s.nullGain + s.thruGain * x) * s.dryGain;

	inputLine[s.writeIndex] = x;
	feedbackLine[s.writeIndex] = (s.feedbackGain * out + x) * m;
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
