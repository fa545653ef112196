// The display text of a plain value: a decimal number with a fixed count of
// digits after the point, shared by the range parameter classes.
#pragma once

#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg {
namespace Vst {

// Writes plain with precision digits after the point ("%.*lf"); a value
// whose text does not fit leaves the text empty.
void printPlainValue (ParamValue plain, int32 precision, String128 text);

} // namespace Vst
} // namespace Steinberg
