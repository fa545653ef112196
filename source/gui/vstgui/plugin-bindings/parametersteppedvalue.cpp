// A stepped parameter's new value, from the host or from a state load, tells
// the control's listeners as a user's edit would, so that the editor and
// whoever else listens to the control learn of it.
#include "vstgui/plugin-bindings/parameterchangelistener.h"

#include "vstgui/lib/controls/ccontrol.h"
#include "vstgui/lib/controls/coptionmenu.h"
#include "vstgui/lib/controls/ctextlabel.h"

namespace VSTGUI {

void ParameterChangeListener::setSteppedValue (CControl* control, float plainValue)
{
	control->setValue (plainValue);
	// The control that sent this value has told its listeners.
	if (control != editedControl && control->isDirty ())
		control->valueChanged ();
}

// A control fresh from the description holds the description's value, not
// the parameter's. It takes the parameter's value quietly when it joins, so
// that the deferred update finds nothing new to tell: opening the editor is
// no edit, and the host must not record one.
void ParameterChangeListener::adoptControl (CControl* control)
{
	if (parameter->getInfo ().stepCount == 0 || dynamic_cast<CTextLabel*> (control) ||
	    dynamic_cast<COptionMenu*> (control))
		return;
	control->setMin (static_cast<float> (parameter->toPlain (0.)));
	control->setMax (static_cast<float> (parameter->toPlain (1.)));
	control->setValue (
	    static_cast<float> (parameter->toPlain (editController->getParamNormalized (getParameterID ()))));
	control->setDirty (false);
}

} // namespace VSTGUI
