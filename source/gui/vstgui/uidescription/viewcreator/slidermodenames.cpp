// The six slider modes as UI descriptions name them, "BR free click" among
// them at its mode's value.
#include "vstgui/uidescription/viewcreator/sliderbasecreator.h"

namespace VSTGUI {
namespace UIViewCreator {

const SliderModeNames& sliderModeNames ()
{
	// Built once under the guard of a function's static; destroyed with the
	// module's other statics, last entry first.
	static const SliderModeNames names {
	    {"touch", "relative touch", "free click", "BR free click", "ramp", "use global"}};
	return names;
}

} // namespace UIViewCreator
} // namespace VSTGUI
