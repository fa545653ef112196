#include "controller/rangeparameterinfo.h"

#include "pluginterfaces/base/ustring.h"

namespace Steinberg {
namespace Vst {

void describeRangeParameter (ParameterInfo& info, const TChar* title, ParamID tag,
                             const TChar* units, int32 flags)
{
	if (title)
		UString (info.title, str16BufferSize (String128)).assign (title);
	if (units)
		UString (info.units, str16BufferSize (String128)).assign (units);
	info.flags = flags;
	info.id = tag;
	info.stepCount = 0;
	info.unitId = kRootUnitId;
}

} // namespace Vst
} // namespace Steinberg
