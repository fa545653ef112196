#include "controller/brrangeparameter.h"

#include "controller/nearlyequal.h"
#include "controller/plainvaluetext.h"

#include "pluginterfaces/base/ustring.h"

#include <cmath>

namespace Steinberg {
namespace Vst {

BRRangeParameter::BRRangeParameter (const TChar* title, ParamID tag, const TChar* units,
                                    int32 flags, ParamValue minPlain, ParamValue maxPlain,
                                    ParamValue defaultValuePlain)
{
	this->minPlain = minPlain;
	this->maxPlain = maxPlain;
	if (title)
		UString (info.title, str16BufferSize (String128)).assign (title);
	if (units)
		UString (info.units, str16BufferSize (String128)).assign (units);
	info.flags = flags;
	info.id = tag;
	info.stepCount = 0;
	info.unitId = kRootUnitId;
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
