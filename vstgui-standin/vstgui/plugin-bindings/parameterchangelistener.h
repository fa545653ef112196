// Binds the controls that share a tag to the controller's parameter of that
// identifier: parameter changes move the controls, control edits go to the
// controller. Without such a parameter the controls only follow each other.
#pragma once

#include "vstgui/lib/vstguifwd.h"

#include "base/source/fobject.h"
#include "public.sdk/source/vst/vsteditcontroller.h"

#include <string>
#include <vector>

namespace VSTGUI {

class ParameterChangeListener : public Steinberg::FObject
{
public:
	ParameterChangeListener (Steinberg::Vst::EditController* editController,
	                         Steinberg::Vst::Parameter* parameter, CControl* control);
	~ParameterChangeListener () override;

	// Each control is listed once and retained while listed. With a
	// parameter, the controls get its value through a deferred update.
	void addControl (CControl* control);
	void removeControl (CControl* control);
	bool containsControl (CControl* control) const;
	bool hasControls () const { return !controls.empty (); }

	// The parameter's identifier; without one the first control's tag, or -1.
	Steinberg::Vst::ParamID getParameterID () const;
	Steinberg::Vst::Parameter* getParameter () const { return parameter; }

	void beginEdit ();
	void endEdit ();
	// A control's new normalized value: to the controller and the host, or,
	// without a parameter, to the other controls. The edited control, when
	// given, is not told again of the value it sent.
	void performEdit (Steinberg::Vst::ParamValue value, CControl* edited = nullptr);

	// Pushes a normalized value into every control: labels get the
	// parameter's text, option menus one entry per step of a stepped
	// parameter, the other controls its plain value when stepped, else the
	// normalized one.
	void updateControlValue (Steinberg::Vst::ParamValue value);

	void PLUGIN_API update (Steinberg::FUnknown* changedUnknown, Steinberg::int32 message) override;

	OBJ_METHODS (ParameterChangeListener, Steinberg::FObject)

private:
	// A stepped parameter's plain value into a control that is neither a
	// label nor an option menu.
	void setSteppedValue (CControl* control, float plainValue);
	// A control that has just joined, before the deferred update brings it
	// the parameter's value.
	void adoptControl (CControl* control);
	bool convertValueToString (float value, std::string& result);
	// The controller's text for a normalized value, in UTF-8.
	bool parameterText (Steinberg::Vst::ParamValue normalized, std::string& result);
	void unbind (CControl* control);

	Steinberg::Vst::EditController* editController;
	Steinberg::Vst::Parameter* parameter;
	std::vector<CControl*> controls;
	// While an edit goes to the controller: the control it came from.
	bool performing {false};
	CControl* editedControl {nullptr};
};

} // namespace VSTGUI
