// Cost of one block through the processor, reported per stereo frame
// (frame_time), at 48 kHz: the flanger with fixed parameters and with a
// change of every continuous parameter in each block, and the bypass and
// silence paths; beside them the same per-frame work as a plain direct loop
// (direct_loop), the yardstick for the flanger's net time (its time less
// that of its bypass). Each figure is the median of several repetitions.
#include "audioblock.h"
#include "directflanger.h"
#include "hostparameterchanges.h"

#include "common/plugparamids.h"
#include "processor/plugprocessor.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

enum class Path
{
	fixedParameters,
	changeEveryBlock,
	bypass,
	silence,
};

void reportFrameTime (benchmark::State& state, int32 frames)
{
	state.counters["frame_time"] =
	    benchmark::Counter (static_cast<double> (frames),
	                        benchmark::Counter::kIsIterationInvariantRate |
	                            benchmark::Counter::kInvert);
}

template <typename Sample>
void fillNoise (StereoBlock<Sample>& block)
{
	std::mt19937 random (1);
	std::uniform_real_distribution<double> noise (-0.5, 0.5);
	for (auto& channel : block.in)
		for (auto& sample : channel)
			sample = static_cast<Sample> (noise (random));
}

template <typename Sample>
void processBlocks (benchmark::State& state, Path path)
{
	const auto frames = static_cast<int32> (state.range (0));
	auto* processor = new PlugProcessor;
	processor->initialize (nullptr);
	ProcessSetup setup {kRealtime, sizeof (Sample) == 4 ? kSample32 : kSample64, frames, 48000.0};
	processor->setupProcessing (setup);
	processor->setActive (true);

	StereoBlock<Sample> block (frames);
	fillNoise (block);
	if (path == Path::silence)
		block.inputBus.silenceFlags = 3;

	HostParameterChanges changes;
	block.data.inputParameterChanges = &changes;
	changes.set (kBypassId, path == Path::bypass ? 1.0 : 0.0);
	processor->process (block.data);
	changes.clear ();

	int64_t round = 0;
	for (auto _ : state)
	{
		if (path == Path::changeEveryBlock)
		{
			changes.clear ();
			// Small moves, so that no delay jump mutes the wet part.
			const double wobble = (round++ % 16) * 0.001;
			for (ParamID id = kLevelId; id <= kMixId; ++id)
				changes.set (id, 0.4 + wobble);
		}
		processor->process (block.data);
		benchmark::DoNotOptimize (block.out[0].data ());
		benchmark::DoNotOptimize (block.out[1].data ());
		benchmark::ClobberMemory ();
	}
	reportFrameTime (state, frames);

	processor->setActive (false);
	processor->terminate ();
	processor->release ();
}

// The yardstick, on the same blocks.
template <typename Sample>
void directLoop (benchmark::State& state)
{
	const auto frames = static_cast<int32> (state.range (0));
	DirectFlanger flanger (48000.0);
	StereoBlock<Sample> block (frames);
	fillNoise (block);
	for (auto _ : state)
	{
		flanger.process (block.input (0), block.input (1), block.output (0), block.output (1),
		                 frames);
		benchmark::DoNotOptimize (block.out[0].data ());
		benchmark::DoNotOptimize (block.out[1].data ());
		benchmark::ClobberMemory ();
	}
	reportFrameTime (state, frames);
}

void process32 (benchmark::State& state, Path path) { processBlocks<float> (state, path); }
void process64 (benchmark::State& state, Path path) { processBlocks<double> (state, path); }

void blockSizes (benchmark::internal::Benchmark* benchmark)
{
	benchmark->Arg (32)->Arg (256)->Arg (1024);
	benchmark->Repetitions (7)->ReportAggregatesOnly (true)->MinTime (0.2);
}

} // namespace

BENCHMARK_CAPTURE (process32, flanger_fixed, Path::fixedParameters)->Apply (blockSizes);
BENCHMARK_CAPTURE (process64, flanger_fixed, Path::fixedParameters)->Apply (blockSizes);
BENCHMARK_CAPTURE (process32, flanger_changing, Path::changeEveryBlock)->Apply (blockSizes);
BENCHMARK_CAPTURE (process64, flanger_changing, Path::changeEveryBlock)->Apply (blockSizes);
BENCHMARK_CAPTURE (process32, bypass, Path::bypass)->Apply (blockSizes);
BENCHMARK_CAPTURE (process64, bypass, Path::bypass)->Apply (blockSizes);
BENCHMARK_CAPTURE (process32, silence, Path::silence)->Apply (blockSizes);
BENCHMARK_CAPTURE (process64, silence, Path::silence)->Apply (blockSizes);
BENCHMARK_TEMPLATE (directLoop, float)->Name ("direct32/direct_loop")->Apply (blockSizes);
BENCHMARK_TEMPLATE (directLoop, double)->Name ("direct64/direct_loop")->Apply (blockSizes);

BENCHMARK_MAIN ();
