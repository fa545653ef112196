// A continuous parameter with a linear plain range whose display text is
// always a decimal number with the parameter's precision; plain values that
// round to zero read as an unsigned zero.
#pragma once

#include "public.sdk/source/vst/vstparameters.h"

namespace Steinberg {
namespace Vst {

class BRRangeParameter : public RangeParameter
{
public:
	// The default is given in plain units; step count and unit are always 0.
	BRRangeParameter (const TChar* title, ParamID tag, const TChar* units, int32 flags,
	                  ParamValue minPlain, ParamValue maxPlain, ParamValue defaultValuePlain);
	~BRRangeParameter () SMTG_OVERRIDE;

	void toString (ParamValue valueNormalized, String128 string) const SMTG_OVERRIDE;
};

} // namespace Vst
} // namespace Steinberg
