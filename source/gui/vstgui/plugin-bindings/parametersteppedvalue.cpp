// A stepped parameter's new value, from the host or from a state load, tells
// the control's listeners as a user's edit would, so that the editor and
// whoever else listens to the control learn of it.
#include "vstgui/plugin-bindings/parameterchangelistener.h"

#include "vstgui/lib/controls/ccontrol.h"

namespace VSTGUI {

void ParameterChangeListener::setSteppedValue (CControl* control, float plainValue)
{
	control->setValue (plainValue);
	// The control that sent this value has told its listeners.
	if (control != editedControl && control->isDirty ())
		control->valueChanged ();
}

} // namespace VSTGUI
