#include "vstgui/plugin-bindings/parameterchangelistener.h"

#include "vstgui/lib/controls/coptionmenu.h"
#include "vstgui/lib/controls/cparamdisplay.h"
#include "vstgui/lib/controls/ctextlabel.h"
#include "vstgui/lib/sharedpointer.h"

#include "base/source/fstring.h"
#include "base/source/updatehandler.h"

#include <algorithm>

namespace VSTGUI {

using namespace Steinberg;
using namespace Steinberg::Vst;

ParameterChangeListener::ParameterChangeListener (EditController* editController,
                                                  Parameter* parameter, CControl* control)
: editController (editController), parameter (parameter)
{
	if (parameter)
	{
		parameter->addRef ();
		parameter->addDependent (this);
	}
	if (control)
		addControl (control);
}

ParameterChangeListener::~ParameterChangeListener ()
{
	auto leaving = std::move (controls);
	controls.clear ();
	for (CControl* control : leaving)
	{
		unbind (control);
		control->forget ();
	}
	if (parameter)
	{
		parameter->removeDependent (this);
		// A parameter that goes with this reference must not stay in the
		// queue of deferred updates.
		if (parameter->getRefCount () == 1)
		{
			if (UpdateHandler* handler = UpdateHandler::instance (false))
				handler->cancelUpdates (parameter->unknownCast ());
		}
		parameter->release ();
	}
}

void ParameterChangeListener::addControl (CControl* control)
{
	if (!control || containsControl (control))
		return;
	controls.push_back (control);
	control->remember ();
	auto* display = dynamic_cast<CParamDisplay*> (control);
	if (display && !dynamic_cast<CTextLabel*> (control))
	{
		display->setValueToStringFunction (
		    [this] (float value, std::string& result, CParamDisplay*) {
			    return convertValueToString (value, result);
		    });
	}
	if (parameter)
	{
		adoptControl (control);
		parameter->deferUpdate ();
	}
	else
		updateControlValue (controls.front ()->getValueNormalized ());
}

void ParameterChangeListener::removeControl (CControl* control)
{
	auto it = std::find (controls.begin (), controls.end (), control);
	if (it == controls.end ())
		return;
	controls.erase (it);
	unbind (control);
	control->forget ();
}

bool ParameterChangeListener::containsControl (CControl* control) const
{
	return std::find (controls.begin (), controls.end (), control) != controls.end ();
}

void ParameterChangeListener::unbind (CControl* control)
{
	auto* display = dynamic_cast<CParamDisplay*> (control);
	if (display && !dynamic_cast<CTextLabel*> (control))
		display->setValueToStringFunction (nullptr);
}

ParamID ParameterChangeListener::getParameterID () const
{
	if (parameter)
		return parameter->getInfo ().id;
	if (!controls.empty ())
		return static_cast<ParamID> (controls.front ()->getTag ());
	return static_cast<ParamID> (-1);
}

void ParameterChangeListener::beginEdit ()
{
	if (parameter)
		editController->beginEdit (getParameterID ());
}

void ParameterChangeListener::endEdit ()
{
	if (parameter)
		editController->endEdit (getParameterID ());
}

void ParameterChangeListener::performEdit (ParamValue value, CControl* edited)
{
	if (!parameter)
	{
		updateControlValue (value);
		return;
	}
	// The controller's update comes straight back here through the controls
	// it moves, with the value the outer call sends: one perform-edit is
	// enough for the host.
	if (performing)
		return;
	struct Scope
	{
		ParameterChangeListener& listener;
		~Scope ()
		{
			listener.performing = false;
			listener.editedControl = nullptr;
		}
	} scope {*this};
	performing = true;
	editedControl = edited;
	const ParamID id = getParameterID ();
	if (editController->setParamNormalized (id, value) == kResultOk)
		editController->performEdit (id, editController->getParamNormalized (id));
}

void PLUGIN_API ParameterChangeListener::update (FUnknown*, int32 message)
{
	if (message == IDependent::kChanged && parameter)
		updateControlValue (editController->getParamNormalized (getParameterID ()));
}

bool ParameterChangeListener::parameterText (ParamValue normalized, std::string& result)
{
	String128 text {};
	if (editController->getParamStringByValue (getParameterID (), normalized, text) != kResultOk)
		return false;
	String converted (text);
	converted.toMultiByte (kCP_Utf8);
	result = converted.text8 ();
	return true;
}

bool ParameterChangeListener::convertValueToString (float value, std::string& result)
{
	ParamValue normalized = value;
	if (parameter && parameter->getInfo ().stepCount != 0)
		normalized = parameter->toNormalized (value);
	return parameterText (normalized, result);
}

void ParameterChangeListener::updateControlValue (ParamValue value)
{
	bool mouseEnabled = true;
	bool stepped = false;
	ParamValue defaultValue = 0.5;
	float minValue = 0.f;
	float maxValue = 1.f;
	if (parameter)
	{
		const ParameterInfo& info = parameter->getInfo ();
		defaultValue = info.defaultNormalizedValue;
		mouseEnabled = (info.flags & ParameterInfo::kIsReadOnly) == 0;
		if (info.stepCount != 0)
		{
			stepped = true;
			value = parameter->toPlain (value);
			defaultValue = parameter->toPlain (defaultValue);
			minValue = static_cast<float> (parameter->toPlain (0.));
			maxValue = static_cast<float> (parameter->toPlain (1.));
		}
	}
	// Held for the pass: what a control sets off may unbind controls.
	std::vector<SharedPointer<CControl>> pass (controls.begin (), controls.end ());
	for (auto& control : pass)
	{
		control->setMouseEnabled (mouseEnabled);
		if (parameter)
		{
			control->setDefaultValue (static_cast<float> (defaultValue));
			control->setMin (minValue);
			control->setMax (maxValue);
		}
		if (auto* label = dynamic_cast<CTextLabel*> (control.get ()))
		{
			ParamValue normalized = stepped ? parameter->toNormalized (value) : value;
			std::string text;
			if (!parameterText (normalized, text))
				continue;
			label->setText (text);
		}
		else if (stepped)
		{
			control->setMin (minValue);
			control->setMax (maxValue);
			if (auto* menu = dynamic_cast<COptionMenu*> (control.get ()))
			{
				// One entry per step, rebuilt on every pass; the value picks
				// the entry by its distance from the minimum.
				const int32 stepCount = parameter->getInfo ().stepCount;
				menu->removeAllEntry ();
				for (int32 i = 0; i <= stepCount; ++i)
				{
					std::string text;
					parameterText (static_cast<double> (i) / stepCount, text);
					menu->addEntry (text, -1, 0);
				}
				menu->setValue (static_cast<float> (value) - minValue);
			}
			else
				setSteppedValue (control.get (), static_cast<float> (value));
		}
		else
			control->setValueNormalized (static_cast<float> (value));
		control->invalid ();
	}
}

} // namespace VSTGUI
