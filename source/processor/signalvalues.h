// The values the signal path derives its settings from: the stored
// parameters with each normalized value limited to 0..1, a NaN (from a
// damaged record or a faulty host) counting as the built-in default. The
// stored values themselves are kept as they came.
#pragma once

#include "processor/plugparamblock.h"

namespace Steinberg {
namespace Vst {

PlugParamBlock signalValuesOf (const PlugParamBlock& stored);

// The Delay setting in ms (0.5 to 8.0) of signal values.
inline double delayMsOf (const PlugParamBlock& signalValues)
{
	return signalValues.delay * 7.5 + 0.5;
}

} // namespace Vst
} // namespace Steinberg
