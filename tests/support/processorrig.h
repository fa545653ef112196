// An initialized and activated processor with a host's parameter changes,
// driven block by block, and the stereo signals the tests feed it.
#pragma once

#include "audioblock.h"
#include "hostparameterchanges.h"
#include "processorprobe.h"
#include "streams.h"

#include <algorithm>
#include <optional>
#include <random>
#include <vector>

namespace Steinberg {
namespace Vst {

inline Bytes recordOf (const PlugParamBlock& block)
{
	auto stream = owned (new MemoryStream);
	block.write (stream);
	return bytesOf (*stream);
}

// Two channels of float64 samples.
struct Stereo
{
	std::vector<double> left;
	std::vector<double> right;
	size_t size () const { return left.size (); }
};

// Noise of the given amplitude; float32-representable, so that both sample
// types can carry it unchanged.
inline Stereo noise (size_t frames, unsigned seed, double amplitude = 0.5)
{
	std::mt19937 random (seed);
	std::uniform_real_distribution<float> sample (static_cast<float> (-amplitude),
	                                              static_cast<float> (amplitude));
	Stereo signal {std::vector<double> (frames), std::vector<double> (frames)};
	for (size_t i = 0; i < frames; ++i)
	{
		signal.left[i] = sample (random);
		signal.right[i] = sample (random);
	}
	return signal;
}

class ProcessorRig
{
public:
	// With a record given, it is restored before the activation, so the
	// processor starts without the delay jump of a first activation.
	explicit ProcessorRig (double rate = 44100.0, int32 sampleSize = kSample64,
	                       std::optional<PlugParamBlock> restoredFirst = {})
	{
		processor->initialize (nullptr);
		ProcessSetup setup {kRealtime, sampleSize, 8192, rate};
		processor->setupProcessing (setup);
		if (restoredFirst)
			processor->setState (streamOf (recordOf (*restoredFirst)));
		processor->setActive (true);
	}
	~ProcessorRig ()
	{
		processor->setActive (false);
		processor->terminate ();
	}
	ProcessorRig (const ProcessorRig&) = delete;
	ProcessorRig& operator= (const ProcessorRig&) = delete;

	ProbedProcessor* operator-> () const { return processor.processor; }
	ProbedProcessor& operator* () const { return *processor.processor; }

	// Processes the block with the changes set so far, then forgets them.
	template <typename Sample>
	tresult process (StereoBlock<Sample>& block)
	{
		block.data.inputParameterChanges = &changes;
		const tresult result = processor->process (block.data);
		changes.clear ();
		return result;
	}

	// Runs the signal through in blocks of blockSize frames; the changes set
	// so far go with the first block. inPlace hands the same buffers for
	// input and output.
	template <typename Sample>
	Stereo run (const Stereo& input, size_t blockSize, bool inPlace = false)
	{
		Stereo output {std::vector<double> (input.size ()), std::vector<double> (input.size ())};
		for (size_t start = 0; start < input.size (); start += blockSize)
		{
			const size_t frames = std::min (blockSize, input.size () - start);
			StereoBlock<Sample> block (static_cast<int32> (frames), inPlace);
			for (size_t i = 0; i < frames; ++i)
			{
				block.in[0][i] = static_cast<Sample> (input.left[start + i]);
				block.in[1][i] = static_cast<Sample> (input.right[start + i]);
			}
			process (block);
			for (size_t i = 0; i < frames; ++i)
			{
				output.left[start + i] = block.output (0)[i];
				output.right[start + i] = block.output (1)[i];
			}
		}
		return output;
	}

	HostParameterChanges changes;
	ProcessorRef processor;
};

} // namespace Vst
} // namespace Steinberg
