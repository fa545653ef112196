// The plug-in's audio processor component: stereo buses, activation, the
// parameter state with every value derived from it, the four delay lines of
// the flanger, and the stored state.
#pragma once

#include "processor/delaymove.h"
#include "processor/plugparamblock.h"
#include "processor/statemailbox.h"

#include "public.sdk/source/vst/vstaudioeffect.h"

#include <memory>
#include <optional>

namespace Steinberg {
namespace Vst {

class PlugProcessor : public AudioEffect
{
public:
	PlugProcessor ();
	~PlugProcessor () SMTG_OVERRIDE;

	static FUnknown* createInstance (void* context);

	tresult PLUGIN_API initialize (FUnknown* context) SMTG_OVERRIDE;
	tresult PLUGIN_API setActive (TBool state) SMTG_OVERRIDE;
	tresult PLUGIN_API setState (IBStream* state) SMTG_OVERRIDE;
	tresult PLUGIN_API getState (IBStream* state) SMTG_OVERRIDE;
	tresult PLUGIN_API setBusArrangements (SpeakerArrangement* inputs, int32 numIns,
	                                       SpeakerArrangement* outputs, int32 numOuts) SMTG_OVERRIDE;
	tresult PLUGIN_API canProcessSampleSize (int32 symbolicSampleSize) SMTG_OVERRIDE;
	tresult PLUGIN_API setupProcessing (ProcessSetup& setup) SMTG_OVERRIDE;
	tresult PLUGIN_API process (ProcessData& data) SMTG_OVERRIDE;

	// Recomputes the derived signal values from params; reset also seeds the
	// smoothers and the LFO step.
	void updateParameters (bool reset);

	static constexpr PlugParamBlock kBuiltInDefaults {0.75, 0.333333, 0.25, 0.25, 0.2,
	                                                  0.5,  1.0,      false, false};

	// setupProcessing refuses rates at which a line would hold fewer than two
	// samples, and rates above this one, which no audio interface runs and at
	// which the lines would grow without bound.
	static constexpr double kMaxSampleRate = 10000000.0;

protected:
	using Line = std::unique_ptr<double[]>;

	bool allocateLines ();
	void releaseLines ();
	// Applies the setState calls that came since the last block.
	void takeRestoredState ();
	// updateParameters, with the folded delay move of a run of restored
	// records in place of the move from lastDelayMs when one is given.
	void recompute (bool reset, std::optional<DelayMove> folded);

	//--- per block ---
	// Takes the last point of each queue and recomputes after every queue.
	void takeParameterChanges (IParameterChanges* changes);
	void storeParameter (ParamID id, ParamValue value);
	// Everything after the intake: early returns, silence, bypass, the flanger.
	void processBlock (ProcessData& data);
	bool canRunSignalPath (const AudioBusBuffers& input, const AudioBusBuffers& output) const;

	//--- per frame ---
	// The flanger over one block; channels 0 and 1 of both buses.
	template <typename Sample>
	void processAudio (Sample** inputs, Sample** outputs, int32 numChannels, int32 numSamples);
	// The frames of a block; admitEach when some input sample must not
	// enter as it is.
	template <bool admitEach, typename Sample>
	void runFrames (Sample** inputs, Sample** outputs, int32 numSamples);

	struct Lines
	{
		double* inputL;
		double* inputR;
		double* feedbackL;
		double* feedbackR;
	};
	// The signal state of steady frames, held in locals; see steadystate.h.
	struct SteadyState;
	// No delay jump and no Thru Null crossfade is under way, so a frame
	// changes no setting of the signal path.
	bool isSteady () const;
	// One frame, on the processor's own fields (State is PlugProcessor) or
	// on a SteadyState.
	template <bool admitEach, typename State, typename Sample>
	static void processFrame (State& s, const Lines& lines, Sample inL, Sample inR, Sample& outL,
	                          Sample& outR, double lfoLeft, double lfoRight);
	template <bool admitEach, typename Sample>
	void processSteadyFrames (const Lines& lines, const Sample* inL, const Sample* inR,
	                          Sample* outL, Sample* outR, const double* lfoLeft,
	                          const double* lfoRight, int32 frames);
	template <typename State>
	static double smooth (const State& s, double state, double target);
	// The mute that covers a large delay change; answers the frame's
	// effective write gain.
	double stepDelayJump ();
	void endDelayJumpHold ();
	void stepThruRamp ();
	void adoptLfoIncrement ();
	// Left and right LFO values of the next frames.
	void runLfo (double* left, double* right, int32 frames);
	// One channel's modulated delay, taps, output and line writes.
	template <typename State>
	static double flangeChannel (State& s, double lfo, double x, double m, double referenceDelay,
	                             double& smoothedDelay, double* feedbackLine,
	                             double& feedbackInterp, double* inputLine, double& inputInterp);

	PlugParamBlock params = kBuiltInDefaults;
	double sampleRate = 44100.0;
	double delayMs = 0.0;
	double sweepMs = 0.0;
	double rateHz = 0.0;
	double feedbackGain = 0.0;
	double mixTarget = 0.0;
	double levelGain = 0.0;
	Line inputLineL;
	Line inputLineR;
	Line feedbackLineL;
	Line feedbackLineR;
	double feedbackInterpL = 0.0;
	double feedbackInterpR = 0.0;
	double inputInterpL = 0.0;
	double inputInterpR = 0.0;
	int32 lfoCounter = 0;
	int32 writeIndex = 0;
	double baseDelayTarget = 0.0;
	int32 bufferLength = 0;
	double samplesPerMs = 0.0;
	double radiansPerSample = 0.0;
	double stereoPhase = 0.0;
	double dryGain = 0.0;
	double lfoIncrement = 0.0;
	double lastDelayMs = 0.0;
	double appliedLfoIncrement = 0.0;
	double smoothedDelayL = 0.0;
	double smoothedDelayR = 0.0;
	double smoothedBaseDelay = 0.0;
	double centreDelayMs = 0.0;
	bool firstRun = true;
	bool fadingIn = false;
	bool jumpPending = false;
	double writeGain = 1.0;
	double fadeInStep = 0.0;
	double fadeOutStep = 0.0;
	int32 holdCounter = 0;
	int32 holdLength = 0;
	double smoothingMs = 50.0;
	double smoothedLevel = 0.0;
	double smoothedMix = 0.0;
	double currentBaseDelay = 0.0;
	double smoothCoefComplement = 0.0;
	double smoothCoef = 0.0;
	double levelSmoother = 0.0;
	double mixSmoother = 0.0;
	bool thruRampActive = false;
	bool thruRampDown = true;
	double thruGain = 1.0;
	double nullGain = 0.0;
	double thruStep = 0.0;
	// The part of the LFO phase that lfoCounter cannot hold: 0.0 unless the
	// count would have left the int32 range.
	double lfoPhaseOffset = 0.0;

	StateMailbox mailbox {kBuiltInDefaults};
};

} // namespace Vst
} // namespace Steinberg
