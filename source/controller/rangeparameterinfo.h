// The parameter information that both range parameter classes fill in the
// same way from their constructor arguments.
#pragma once

#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstunits.h"

namespace Steinberg {
namespace Vst {

// Title and units (a null units text leaves them empty; longer texts are
// cut to the field), flags and tag; step count 0 and the root unit.
void describeRangeParameter (ParameterInfo& info, const TChar* title, ParamID tag,
                             const TChar* units, int32 flags);

} // namespace Vst
} // namespace Steinberg
