// The nine user parameters as the whole system exchanges and persists them:
// seven normalized values and two switches.
#pragma once

#include "pluginterfaces/base/ftypes.h"
#include "pluginterfaces/base/funknown.h"

namespace Steinberg {
class IBStream;

namespace Vst {

struct PlugParamBlock
{
	double level;
	double delay;
	double depth;
	double degree;
	double rate;
	double feedback;
	double mix;
	bool thruNull;
	bool bypass;

	// Fills the block from a 72-byte record; all nine fields change together,
	// and only when every field was read completely.
	tresult read (IBStream* stream);
	// Appends the 72-byte record to the stream.
	tresult write (IBStream* stream) const;
};

// Size of the record on the stream.
constexpr int32 kPlugParamRecordSize = 72;

} // namespace Vst
} // namespace Steinberg
