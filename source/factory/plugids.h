// Class identifiers of the processor and the controller. Every unit that
// includes this header gets its own, equal copies.
#pragma once

#include "pluginterfaces/base/funknown.h"

namespace Steinberg {
namespace Vst {

static const FUID kProcessorUID (0x8F43B8B5, 0xD0CC4F9F, 0x8C77B2E5, 0xB08C6035);
static const FUID kControllerUID (0x1100256F, 0x4E204DB1, 0x999D5711, 0xA7BFE207);

} // namespace Vst
} // namespace Steinberg
