// The processor's block operation: the parameter intake, then the blocks
// that need no signal processing (no buses, no samples, silent input,
// bypass), then the flanger in the block's sample type.
#include "processor/plugprocessor.h"
#include "processor/plugsignalpath.h"

#include "common/plugparamids.h"

#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <algorithm>
#include <cstring>

namespace Steinberg {
namespace Vst {

namespace {

bool isOn (ParamValue value) { return value > 0.5; }

// Bytes one channel of the block occupies for the silence fill and the
// bypass copy. They follow the processing set-up's sample size; they never
// exceed what the block's own sample size says its buffers hold.
size_t channelBytes (int32 setupSampleSize, int32 blockSampleSize, int32 numSamples)
{
	const size_t setupBytes = setupSampleSize == kSample32 ? 4 : 8;
	const size_t blockBytes = blockSampleSize == kSample32 ? 4 : 8;
	return static_cast<size_t> (numSamples) * std::min (setupBytes, blockBytes);
}

// Only channels that both buses carry, and only buses that have buffers.
int32 sharedChannels (const AudioBusBuffers& input, const AudioBusBuffers& output)
{
	if (!input.channelBuffers32 || !output.channelBuffers32)
		return 0;
	return std::max (0, std::min (input.numChannels, output.numChannels));
}

void fillSilence (const AudioBusBuffers& input, AudioBusBuffers& output, size_t bytes)
{
	for (int32 channel = 0, count = sharedChannels (input, output); channel < count; ++channel)
	{
		void* out = output.channelBuffers32[channel];
		if (out && out != input.channelBuffers32[channel])
			std::memset (out, 0, bytes);
	}
}

void copyThrough (const AudioBusBuffers& input, AudioBusBuffers& output, size_t bytes)
{
	for (int32 channel = 0, count = sharedChannels (input, output); channel < count; ++channel)
	{
		const void* in = input.channelBuffers32[channel];
		void* out = output.channelBuffers32[channel];
		if (in && out && in != out)
			std::memcpy (out, in, bytes);
	}
}

bool hasTwoChannels (const AudioBusBuffers& bus)
{
	return bus.numChannels >= 2 && bus.channelBuffers32 && bus.channelBuffers32[0] &&
	       bus.channelBuffers32[1];
}

} // namespace

tresult PLUGIN_API PlugProcessor::process (ProcessData& data)
{
	takeRestoredState ();
	takeParameterChanges (data.inputParameterChanges);
	processBlock (data);
	// Makes the intake's values what getState writes.
	mailbox.publish (params);
	return kResultOk;
}

void PlugProcessor::takeParameterChanges (IParameterChanges* changes)
{
	if (!changes)
		return;
	const int32 count = changes->getParameterCount ();
	for (int32 index = 0; index < count; ++index)
	{
		IParamValueQueue* queue = changes->getParameterData (index);
		if (!queue)
			continue;
		const int32 points = queue->getPointCount ();
		const ParamID id = queue->getParameterId ();
		// The last point holds for the whole block; its offset is not used.
		int32 offset = 0;
		ParamValue value = 0.0;
		if (id < static_cast<ParamID> (kNumPlugParams) && points > 0 &&
		    queue->getPoint (points - 1, offset, value) == kResultOk)
			storeParameter (id, value);
		// Once per queue, so a delay jump is judged against the queue before.
		updateParameters (false);
	}
}

void PlugProcessor::storeParameter (ParamID id, ParamValue value)
{
	switch (id)
	{
		case kLevelId: params.level = value; break;
		case kDelayId: params.delay = value; break;
		case kDepthId: params.depth = value; break;
		case kDegreeId: params.degree = value; break;
		case kRateId: params.rate = value; break;
		case kFeedbackId: params.feedback = value; break;
		case kMixId: params.mix = value; break;
		case kThruNullId: params.thruNull = isOn (value); break;
		case kBypassId: params.bypass = isOn (value); break;
		default: break;
	}
}

void PlugProcessor::processBlock (ProcessData& data)
{
	if (data.numInputs <= 0 || data.numOutputs <= 0 || !data.inputs || !data.outputs)
		return;
	if (data.numSamples <= 0)
		return;

	const AudioBusBuffers& input = data.inputs[0];
	AudioBusBuffers& output = data.outputs[0];
	const size_t bytes =
	    channelBytes (processSetup.symbolicSampleSize, data.symbolicSampleSize, data.numSamples);

	if (input.silenceFlags != 0)
	{
		output.silenceFlags = input.silenceFlags;
		fillSilence (input, output, bytes);
		return;
	}
	output.silenceFlags = 0;

	// Without lines (inactive, or activation ran out of memory) or without
	// two channels on both buses, the audio passes through untouched.
	if (params.bypass || !canRunSignalPath (input, output))
	{
		copyThrough (input, output, bytes);
		return;
	}

	if (data.symbolicSampleSize == kSample32)
		processAudio (input.channelBuffers32, output.channelBuffers32, input.numChannels,
		              data.numSamples);
	else
		processAudio (input.channelBuffers64, output.channelBuffers64, input.numChannels,
		              data.numSamples);
}

bool PlugProcessor::canRunSignalPath (const AudioBusBuffers& input,
                                      const AudioBusBuffers& output) const
{
	return inputLineL && inputLineR && feedbackLineL && feedbackLineR && bufferLength > 0 &&
	       hasTwoChannels (input) && hasTwoChannels (output);
}

} // namespace Vst
} // namespace Steinberg
