#include "controller/brrangeparameter.h"

#include "controller/nearlyequal.h"
#include "controller/plainvaluetext.h"
#include "controller/rangeparameterinfo.h"

#include <cmath>

namespace Steinberg {
namespace Vst {

BRRangeParameter::BRRangeParameter (const TChar* title, ParamID tag, const TChar* units,
                                    int32 flags, ParamValue minPlain, ParamValue maxPlain,
                                    ParamValue defaultValuePlain)
{
	this->minPlain = minPlain;
	this->maxPlain = maxPlain;
	describeRangeParameter (info, title, tag, units, flags);
	info.defaultNormalizedValue = valueNormalized = toNormalized (defaultValuePlain);
}

BRRangeParameter::~BRRangeParameter () = default;

void BRRangeParameter::toString (ParamValue normalized, String128 string) const
{
	ParamValue plain = toPlain (normalized);
	// A value that rounds to zero must not read "-0.00"; the threshold is
	// fixed, whatever the precision.
	if (std::abs (plain) < kPlainValueTolerance)
		plain = 0.0;
	printPlainValue (plain, precision, string);
}

} // namespace Vst
} // namespace Steinberg
