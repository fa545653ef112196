#include "controller/brexprangeparameter.h"

#include "controller/plainvaluetext.h"
#include "controller/rangeparameterinfo.h"

#include <cmath>

namespace Steinberg {
namespace Vst {

BRExpRangeParameter::BRExpRangeParameter (const TChar* title, ParamID tag, const TChar* units,
                                          int32 flags, ParamValue minPlain, ParamValue maxPlain,
                                          ParamValue defaultValuePlain)
{
	this->minPlain = minPlain;
	this->maxPlain = maxPlain;
	describeRangeParameter (info, title, tag, units, flags);
	// Through the exponential mapping: this class's own toNormalized.
	info.defaultNormalizedValue = valueNormalized = toNormalized (defaultValuePlain);
}

BRExpRangeParameter::~BRExpRangeParameter () = default;

void BRExpRangeParameter::toString (ParamValue normalized, String128 string) const
{
	printPlainValue (toPlain (normalized), precision, string);
}

ParamValue BRExpRangeParameter::toPlain (ParamValue normalized) const
{
	const ParamValue min = getMin ();
	return min * std::exp (std::log (getMax () / min) * normalized);
}

ParamValue BRExpRangeParameter::toNormalized (ParamValue plain) const
{
	const ParamValue min = getMin ();
	return std::log (plain / min) / std::log (getMax () / min);
}

} // namespace Vst
} // namespace Steinberg
