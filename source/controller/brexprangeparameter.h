// A continuous parameter whose plain value grows exponentially with the
// normalized value, from minPlain at 0 to maxPlain at 1; its display text is
// a decimal number with the parameter's precision.
//
// The mapping needs 0 < minPlain < maxPlain. Other ranges are not checked;
// their values come out infinite or NaN.
#pragma once

#include "public.sdk/source/vst/vstparameters.h"

namespace Steinberg {
namespace Vst {

class BRExpRangeParameter : public RangeParameter
{
public:
	// The default is given in plain units; step count and unit are always 0.
	BRExpRangeParameter (const TChar* title, ParamID tag, const TChar* units, int32 flags,
	                     ParamValue minPlain, ParamValue maxPlain, ParamValue defaultValuePlain);
	~BRExpRangeParameter () SMTG_OVERRIDE;

	void toString (ParamValue valueNormalized, String128 string) const SMTG_OVERRIDE;
	// Neither clamps: values outside 0..1 extrapolate along the curve.
	ParamValue toPlain (ParamValue valueNormalized) const SMTG_OVERRIDE;
	ParamValue toNormalized (ParamValue plainValue) const SMTG_OVERRIDE;
};

} // namespace Vst
} // namespace Steinberg
