// One block of stereo audio with its ProcessData, as a host hands it over.
#pragma once

#include "pluginterfaces/vst/ivstaudioprocessor.h"

#include <vector>

namespace Steinberg {
namespace Vst {

template <typename Sample>
class StereoBlock
{
public:
	// inPlace makes the output buses use the input channel buffers.
	explicit StereoBlock (int32 numSamples, bool inPlace = false) { resize (numSamples, inPlace); }

	void resize (int32 numSamples, bool inPlace = false)
	{
		for (int channel = 0; channel < 2; ++channel)
		{
			in[channel].assign (static_cast<size_t> (numSamples), Sample (0));
			out[channel].assign (static_cast<size_t> (numSamples), Sample (0));
			inPointers[channel] = in[channel].data ();
			outPointers[channel] = inPlace ? in[channel].data () : out[channel].data ();
		}
		inputBus = {};
		outputBus = {};
		inputBus.numChannels = 2;
		outputBus.numChannels = 2;
		setChannelPointers ();
		data = {};
		data.processMode = kRealtime;
		data.symbolicSampleSize = sizeof (Sample) == 4 ? kSample32 : kSample64;
		data.numSamples = numSamples;
		data.numInputs = 1;
		data.numOutputs = 1;
		data.inputs = &inputBus;
		data.outputs = &outputBus;
	}

	Sample* input (int channel) { return inPointers[channel]; }
	Sample* output (int channel) { return outPointers[channel]; }

	std::vector<Sample> in[2];
	std::vector<Sample> out[2];
	Sample* inPointers[2] {};
	Sample* outPointers[2] {};
	AudioBusBuffers inputBus {};
	AudioBusBuffers outputBus {};
	ProcessData data {};

private:
	void setChannelPointers ();
};

template <>
inline void StereoBlock<float>::setChannelPointers ()
{
	inputBus.channelBuffers32 = inPointers;
	outputBus.channelBuffers32 = outPointers;
}

template <>
inline void StereoBlock<double>::setChannelPointers ()
{
	inputBus.channelBuffers64 = inPointers;
	outputBus.channelBuffers64 = outPointers;
}

} // namespace Vst
} // namespace Steinberg
