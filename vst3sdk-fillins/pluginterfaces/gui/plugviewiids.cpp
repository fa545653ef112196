// Interface identifier of the plug-in view, which the SDK's view and edit
// controller classes answer to and which the Debian subset leaves undefined.
#include "pluginterfaces/gui/iplugview.h"

namespace Steinberg {

DEF_CLASS_IID (IPlugView)

} // namespace Steinberg
