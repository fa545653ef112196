// How a stepped parameter's value reaches the controls that show it.
#include "vstgui/plugin-bindings/parameterchangelistener.h"

#include "vstgui/lib/controls/ccontrol.h"

namespace VSTGUI {

void ParameterChangeListener::setSteppedValue (CControl* control, float plainValue)
{
	control->setValue (plainValue);
}

// A joining control keeps the description's value until the deferred update;
// setting a value tells nobody, so it needs nothing sooner.
void ParameterChangeListener::adoptControl (CControl*) {}

} // namespace VSTGUI
