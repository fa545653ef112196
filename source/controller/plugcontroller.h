// The plug-in's edit controller: the nine parameters as the host shows,
// automates and restores them, and the editor built from "plug.uidesc", whose
// delegate it is. It processes no audio, exchanges no messages with the
// processor and keeps no state of its own.
#pragma once

#include "vstgui/plugin-bindings/vst3editordelegate.h"

#include "public.sdk/source/vst/vsteditcontroller.h"

#include <vector>

namespace Steinberg {
namespace Vst {

template <typename ControllerType>
class PlugAboutController;

// The editor finds the delegate by a type test; hosts cannot query it.
class PlugController : public EditController, public VSTGUI::VST3EditorDelegate
{
public:
	PlugController ();
	~PlugController () SMTG_OVERRIDE;

	static FUnknown* createInstance (void* context);

	//--- IPluginBase
	tresult PLUGIN_API initialize (FUnknown* context) SMTG_OVERRIDE;

	//--- IEditController
	tresult PLUGIN_API setComponentState (IBStream* state) SMTG_OVERRIDE;
	IPlugView* PLUGIN_API createView (FIDString name) SMTG_OVERRIDE;

	// The base's parameter access, made safe against a faulty host: an
	// index out of range, a missing text, text that is no usable number, and
	// a NaN value are refused or mapped instead of crashing or reaching the
	// parameters.
	tresult PLUGIN_API getParameterInfo (int32 paramIndex, ParameterInfo& info) SMTG_OVERRIDE;
	tresult PLUGIN_API getParamStringByValue (ParamID tag, ParamValue valueNormalized,
	                                          String128 string) SMTG_OVERRIDE;
	tresult PLUGIN_API getParamValueByString (ParamID tag, TChar* string,
	                                          ParamValue& valueNormalized) SMTG_OVERRIDE;
	tresult PLUGIN_API setParamNormalized (ParamID tag, ParamValue value) SMTG_OVERRIDE;

	//--- VST3EditorDelegate
	// A new about-line sub-controller for "AboutController", else none.
	VSTGUI::IController* createSubController (VSTGUI::UTF8StringPtr name,
	                                          const VSTGUI::IUIDescription* description,
	                                          VSTGUI::VST3Editor* editor) SMTG_OVERRIDE;

protected:
	void addParameters ();
	void adoptParameter (Parameter* parameter);

	// The about-line sub-controllers of the open editors, in creation order.
	// Not owned: each removes itself when the view that carries it goes.
	std::vector<PlugAboutController<PlugController>*> aboutControllers;
	friend class PlugAboutController<PlugController>;
};

} // namespace Vst
} // namespace Steinberg
