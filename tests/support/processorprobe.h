// The processor with its fields open to the tests, so that they can check
// the derived values and the signal state the host cannot see.
#pragma once

#include "processor/plugprocessor.h"

namespace Steinberg {
namespace Vst {

class ProbedProcessor : public PlugProcessor
{
public:
	using PlugProcessor::params;
	using PlugProcessor::sampleRate;
	using PlugProcessor::delayMs;
	using PlugProcessor::sweepMs;
	using PlugProcessor::rateHz;
	using PlugProcessor::feedbackGain;
	using PlugProcessor::mixTarget;
	using PlugProcessor::levelGain;
	using PlugProcessor::inputLineL;
	using PlugProcessor::inputLineR;
	using PlugProcessor::feedbackLineL;
	using PlugProcessor::feedbackLineR;
	using PlugProcessor::feedbackInterpL;
	using PlugProcessor::feedbackInterpR;
	using PlugProcessor::inputInterpL;
	using PlugProcessor::inputInterpR;
	using PlugProcessor::lfoCounter;
	using PlugProcessor::writeIndex;
	using PlugProcessor::baseDelayTarget;
	using PlugProcessor::bufferLength;
	using PlugProcessor::samplesPerMs;
	using PlugProcessor::radiansPerSample;
	using PlugProcessor::stereoPhase;
	using PlugProcessor::dryGain;
	using PlugProcessor::lfoIncrement;
	using PlugProcessor::lastDelayMs;
	using PlugProcessor::appliedLfoIncrement;
	using PlugProcessor::smoothedDelayL;
	using PlugProcessor::smoothedDelayR;
	using PlugProcessor::smoothedBaseDelay;
	using PlugProcessor::centreDelayMs;
	using PlugProcessor::firstRun;
	using PlugProcessor::fadingIn;
	using PlugProcessor::jumpPending;
	using PlugProcessor::writeGain;
	using PlugProcessor::fadeInStep;
	using PlugProcessor::fadeOutStep;
	using PlugProcessor::holdCounter;
	using PlugProcessor::holdLength;
	using PlugProcessor::smoothingMs;
	using PlugProcessor::smoothedLevel;
	using PlugProcessor::smoothedMix;
	using PlugProcessor::currentBaseDelay;
	using PlugProcessor::smoothCoefComplement;
	using PlugProcessor::smoothCoef;
	using PlugProcessor::levelSmoother;
	using PlugProcessor::mixSmoother;
	using PlugProcessor::thruRampActive;
	using PlugProcessor::thruRampDown;
	using PlugProcessor::thruGain;
	using PlugProcessor::nullGain;
	using PlugProcessor::thruStep;
	using PlugProcessor::lfoPhaseOffset;
	using PlugProcessor::processSetup;

	bool hasLines () const { return inputLineL && inputLineR && feedbackLineL && feedbackLineR; }
};

// Owns one reference to a processor, like a host's smart pointer.
struct ProcessorRef
{
	ProcessorRef () : processor (new ProbedProcessor) {}
	~ProcessorRef () { processor->release (); }
	ProcessorRef (const ProcessorRef&) = delete;
	ProcessorRef& operator= (const ProcessorRef&) = delete;
	ProbedProcessor* operator-> () const { return processor; }
	ProbedProcessor& operator* () const { return *processor; }
	ProbedProcessor* processor;
};

} // namespace Vst
} // namespace Steinberg
