// Most frames run with no delay jump and no Thru Null crossfade under way:
// then the write gain, the Thru Null gains and every setting stay as they
// are, and a frame moves only the smoothers, the interpolator states and the
// write position. A run of such frames works on this copy of that state in
// locals and writes it back at its end. On the processor's own fields the
// compiler must reload them after every store into a line or an output
// buffer, which might alias them; a local copy cannot be aliased.
//
// The member names are the processor's, so that PlugProcessor::processFrame
// evaluates the very same expressions on either.
#pragma once

#include "processor/plugprocessor.h"

namespace Steinberg {
namespace Vst {

struct PlugProcessor::SteadyState
{
	explicit SteadyState (const PlugProcessor& p)
	: smoothCoef (p.smoothCoef)
	, smoothCoefComplement (p.smoothCoefComplement)
	, levelGain (p.levelGain)
	, mixTarget (p.mixTarget)
	, baseDelayTarget (p.baseDelayTarget)
	, sweepMs (p.sweepMs)
	, centreDelayMs (p.centreDelayMs)
	, samplesPerMs (p.samplesPerMs)
	, feedbackGain (p.feedbackGain)
	, thruGain (p.thruGain)
	, nullGain (p.nullGain)
	, bufferLength (p.bufferLength)
	, effectiveWriteGain (p.firstRun ? 1.0 : p.writeGain)
	, levelSmoother (p.levelSmoother)
	, mixSmoother (p.mixSmoother)
	, smoothedLevel (p.smoothedLevel)
	, smoothedMix (p.smoothedMix)
	, dryGain (p.dryGain)
	, smoothedBaseDelay (p.smoothedBaseDelay)
	, currentBaseDelay (p.currentBaseDelay)
	, smoothedDelayL (p.smoothedDelayL)
	, smoothedDelayR (p.smoothedDelayR)
	, feedbackInterpL (p.feedbackInterpL)
	, feedbackInterpR (p.feedbackInterpR)
	, inputInterpL (p.inputInterpL)
	, inputInterpR (p.inputInterpR)
	, writeIndex (p.writeIndex)
	{
	}

	void writeBack (PlugProcessor& p) const
	{
		p.levelSmoother = levelSmoother;
		p.mixSmoother = mixSmoother;
		p.smoothedLevel = smoothedLevel;
		p.smoothedMix = smoothedMix;
		p.dryGain = dryGain;
		p.smoothedBaseDelay = smoothedBaseDelay;
		p.currentBaseDelay = currentBaseDelay;
		p.smoothedDelayL = smoothedDelayL;
		p.smoothedDelayR = smoothedDelayR;
		p.feedbackInterpL = feedbackInterpL;
		p.feedbackInterpR = feedbackInterpR;
		p.inputInterpL = inputInterpL;
		p.inputInterpR = inputInterpR;
		p.writeIndex = writeIndex;
	}

	// Outside a jump the sequence stands still, and the effective write
	// gain is what it answered last.
	double stepDelayJump () const { return effectiveWriteGain; }
	void stepThruRamp () const {}

	// Settings: no frame of the run changes them.
	const double smoothCoef, smoothCoefComplement, levelGain, mixTarget, baseDelayTarget;
	const double sweepMs, centreDelayMs, samplesPerMs, feedbackGain, thruGain, nullGain;
	const int32 bufferLength;
	const double effectiveWriteGain;

	// State that every frame moves.
	double levelSmoother, mixSmoother, smoothedLevel, smoothedMix, dryGain;
	double smoothedBaseDelay, currentBaseDelay, smoothedDelayL, smoothedDelayR;
	double feedbackInterpL, feedbackInterpR, inputInterpL, inputInterpR;
	int32 writeIndex;
};

} // namespace Vst
} // namespace Steinberg
