#include "processor/signalvalues.h"

#include "processor/plugprocessor.h"

#include <cmath>

namespace Steinberg {
namespace Vst {

namespace {

double limitNormalized (double value, double fallback)
{
	if (std::isnan (value))
		return fallback;
	if (value < 0.0)
		return 0.0;
	if (value > 1.0)
		return 1.0;
	return value;
}

} // namespace

PlugParamBlock signalValuesOf (const PlugParamBlock& stored)
{
	const PlugParamBlock& fallback = PlugProcessor::kBuiltInDefaults;
	PlugParamBlock limited = stored;
	limited.level = limitNormalized (stored.level, fallback.level);
	limited.delay = limitNormalized (stored.delay, fallback.delay);
	limited.depth = limitNormalized (stored.depth, fallback.depth);
	limited.degree = limitNormalized (stored.degree, fallback.degree);
	limited.rate = limitNormalized (stored.rate, fallback.rate);
	limited.feedback = limitNormalized (stored.feedback, fallback.feedback);
	limited.mix = limitNormalized (stored.mix, fallback.mix);
	return limited;
}

} // namespace Vst
} // namespace Steinberg
