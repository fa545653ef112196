#include "processor/plugprocessor.h"

#include "factory/plugids.h"
#include "processor/signalvalues.h"

#include "pluginterfaces/vst/vstspeaker.h"

#include <cmath>
#include <new>

namespace Steinberg {
namespace Vst {

namespace {

constexpr double kLineLengthSecondsFactor = 0.021543299999999998;

double lineLengthFor (double rate) { return rate * kLineLengthSecondsFactor + 0.5; }

bool isTwoSpeakerArrangement (SpeakerArrangement arrangement)
{
	return arrangement != 0 && SpeakerArr::getChannelCount (arrangement) == 2;
}

} // namespace

constexpr PlugParamBlock PlugProcessor::kBuiltInDefaults;

PlugProcessor::PlugProcessor () { setControllerClass (kControllerUID); }

PlugProcessor::~PlugProcessor () = default;

FUnknown* PlugProcessor::createInstance (void* /*context*/)
{
	return static_cast<IAudioProcessor*> (new (std::nothrow) PlugProcessor);
}

tresult PLUGIN_API PlugProcessor::initialize (FUnknown* context)
{
	// A repeated initialize keeps the buses and the state of the first, as
	// the controller keeps its parameters. The base refuses while it still
	// holds the first call's host context; without a context it does not,
	// and the buses already there tell instead.
	if (AudioEffect::initialize (context) != kResultOk || !audioInputs.empty ())
		return kResultOk;

	addAudioInput (STR16 ("AudioInput"), SpeakerArr::kStereo, kMain, BusInfo::kDefaultActive);
	addAudioOutput (STR16 ("AudioOutput"), SpeakerArr::kStereo, kMain, BusInfo::kDefaultActive);

	smoothingMs = 50.0;
	sampleRate = 44100.0;
	bufferLength = 0;
	lastDelayMs = -987654321.0;
	releaseLines ();
	firstRun = true;
	return kResultOk;
}

tresult PLUGIN_API PlugProcessor::setBusArrangements (SpeakerArrangement* inputs, int32 numIns,
                                                      SpeakerArrangement* outputs, int32 numOuts)
{
	if (numIns != 0 && (!inputs || !isTwoSpeakerArrangement (inputs[0])))
		return kResultFalse;
	if (numOuts != 0 && (!outputs || !isTwoSpeakerArrangement (outputs[0])))
		return kResultFalse;
	return AudioEffect::setBusArrangements (inputs, numIns, outputs, numOuts);
}

tresult PLUGIN_API PlugProcessor::canProcessSampleSize (int32 symbolicSampleSize)
{
	const auto size = static_cast<uint32> (symbolicSampleSize);
	return size == kSample32 || size == kSample64 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API PlugProcessor::setupProcessing (ProcessSetup& setup)
{
	const double rate = setup.sampleRate;
	if (!std::isfinite (rate) || rate <= 0.0 || rate > kMaxSampleRate ||
	    lineLengthFor (rate) < 2.0)
		return kInvalidArgument;
	sampleRate = rate;
	return AudioEffect::setupProcessing (setup);
}

bool PlugProcessor::allocateLines ()
{
	const auto length = static_cast<size_t> (bufferLength);
	for (Line* line : {&inputLineL, &inputLineR, &feedbackLineL, &feedbackLineR})
	{
		line->reset (new (std::nothrow) double[length]);
		if (!*line)
		{
			releaseLines ();
			return false;
		}
		std::fill (line->get (), line->get () + length, 0.0);
	}
	return true;
}

void PlugProcessor::releaseLines ()
{
	inputLineL.reset ();
	inputLineR.reset ();
	feedbackLineL.reset ();
	feedbackLineR.reset ();
}

void PlugProcessor::takeRestoredState ()
{
	mailbox.take ([this] (const RestoredRun& run) {
		for (int32 failure = 0; failure < run.leadingFailures; ++failure)
			updateParameters (false);
		if (!run.hasRecord)
			return;
		params = run.first;
		updateParameters (false);
		if (!run.hasLaterCalls)
			return;
		params = run.last;
		recompute (false, run.laterMoves);
	});
}

tresult PLUGIN_API PlugProcessor::setActive (TBool state)
{
	takeRestoredState ();
	mailbox.publish (params);

	if (!state)
	{
		releaseLines ();
		return AudioEffect::setActive (false);
	}

	samplesPerMs = 0.001 * sampleRate;
	radiansPerSample = 6.283185307179586 / sampleRate;
	bufferLength = static_cast<int32> (lineLengthFor (sampleRate));
	releaseLines ();
	if (!allocateLines ())
	{
		// Without lines the processor stays inactive; process then passes
		// audio through untouched.
		bufferLength = 0;
		return kOutOfMemory;
	}
	smoothCoef = std::exp (-2.2 / (smoothingMs * 0.001 * sampleRate));
	smoothCoefComplement = 1.0 - smoothCoef;
	fadeInStep = (1.0 / samplesPerMs) * 0.02;
	fadeOutStep = (1.0 / samplesPerMs) * 0.1;
	holdLength = holdCounter = static_cast<int32> (samplesPerMs * 50.0 + 0.5);
	thruStep = (1.0 / samplesPerMs) * 0.1;
	fadingIn = false;
	jumpPending = false;
	feedbackInterpL = feedbackInterpR = inputInterpL = inputInterpR = 0.0;
	lfoCounter = 0;
	lfoPhaseOffset = 0.0;
	writeIndex = 0;
	baseDelayTarget = 0.0;
	levelSmoother = mixSmoother = 0.0;
	writeGain = 1.0;
	thruRampActive = false;
	thruRampDown = true;
	thruGain = 1.0;
	nullGain = 0.0;
	updateParameters (true);
	return AudioEffect::setActive (true);
}

void PlugProcessor::updateParameters (bool reset)
{
	recompute (reset, {});
}

void PlugProcessor::recompute (bool reset, std::optional<DelayMove> folded)
{
	const PlugParamBlock p = signalValuesOf (params);

	delayMs = delayMsOf (p);
	const DelayMove move = folded ? *folded : DelayMove::between (lastDelayMs, delayMs);
	if (move.jump)
		jumpPending = true;
	if (move.adopt)
	{
		centreDelayMs = move.centreMs;
		baseDelayTarget = centreDelayMs * samplesPerMs;
	}
	lastDelayMs = delayMs;
	sweepMs = delayMs * (0.86 * p.depth + 0.1);
	stereoPhase = 3.141592653589793 * p.degree;
	rateHz = p.rate * 2.0;
	feedbackGain = p.feedback * 0.9;
	lfoIncrement = radiansPerSample * rateHz;
	mixTarget = p.mix * 0.5;
	thruRampActive = true;
	thruRampDown = p.thruNull;
	levelGain = std::exp2 (p.level * 7.97262742772967 - 5.979470570797252);

	if (!reset)
		return;

	centreDelayMs = delayMs;
	baseDelayTarget = centreDelayMs * samplesPerMs;
	appliedLfoIncrement = lfoIncrement;
	smoothedMix = mixTarget;
	smoothedLevel = levelGain;
	auto seed = [this] (double target) {
		return target * (1.0 - smoothCoefComplement) * (1.0 / smoothCoef);
	};
	levelSmoother = seed (levelGain);
	mixSmoother = seed (mixTarget);
	smoothedDelayL = seed (centreDelayMs * samplesPerMs);
	smoothedDelayR = seed ((centreDelayMs + sweepMs * std::sin (stereoPhase)) * samplesPerMs);
	smoothedBaseDelay = seed (centreDelayMs * samplesPerMs);
}

tresult PLUGIN_API PlugProcessor::setState (IBStream* state)
{
	PlugParamBlock restored = kBuiltInDefaults;
	const tresult result = restored.read (state);
	mailbox.post (restored, result == kResultOk);
	return result;
}

tresult PLUGIN_API PlugProcessor::getState (IBStream* state)
{
	return mailbox.current ().write (state);
}

} // namespace Vst
} // namespace Steinberg
