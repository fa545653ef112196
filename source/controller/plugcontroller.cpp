#include "controller/plugcontroller.h"

#include "common/plugparamids.h"
#include "controller/brrangeparameter.h"
#include "controller/plugaboutcontroller.h"
#include "processor/plugparamblock.h"

#include "vstgui/plugin-bindings/vst3editor.h"

#include "pluginterfaces/base/fstrdefs.h"
#include "pluginterfaces/vst/ivsthostapplication.h"

#include <cmath>
#include <cstring>
#include <new>

namespace Steinberg {
namespace Vst {

namespace {

struct RangeRow
{
	const TChar* title;
	PlugParamId tag;
	const TChar* units;
	ParamValue minPlain;
	ParamValue maxPlain;
	ParamValue defaultPlain;
	int32 precision;
};

// The continuous parameters in the order the host lists them.
const RangeRow kRangeRows[] = {
	{STR16 ("Level"), kLevelId, STR16 ("dB"), -36.0, 12.0, 0.0, 2},
	{STR16 ("Delay"), kDelayId, STR16 ("ms"), 0.5, 8.0, 3.0, 2},
	{STR16 ("Depth"), kDepthId, STR16 ("%"), 0.0, 100.0, 25.0, 0},
	{STR16 ("Degree"), kDegreeId, STR16 ("deg"), 0.0, 180.0, 45.0, 0},
	{STR16 ("Rate"), kRateId, STR16 ("Hz"), 0.0, 2.0, 0.4, 2},
	{STR16 ("Feedback"), kFeedbackId, STR16 ("%"), 0.0, 100.0, 50.0, 0},
	{STR16 ("Mix"), kMixId, STR16 ("%"), 0.0, 100.0, 100.0, 0},
};

struct SwitchRow
{
	const TChar* title;
	PlugParamId tag;
	int32 flags;
};

// The two switches, listed after the continuous parameters.
const SwitchRow kSwitchRows[] = {
	{STR16 ("Thru Null"), kThruNullId, ParameterInfo::kCanAutomate},
	{STR16 ("Bypass"), kBypassId, ParameterInfo::kCanAutomate | ParameterInfo::kIsBypass},
};

ParamValue switchValue (bool on) { return on ? 1.0 : 0.0; }

} // namespace

PlugController::PlugController () = default;

PlugController::~PlugController () = default;

FUnknown* PlugController::createInstance (void* /*context*/)
{
	return static_cast<IEditController*> (new (std::nothrow) PlugController);
}

tresult PLUGIN_API PlugController::initialize (FUnknown* context)
{
	// A repeated initialize keeps the parameters of the first. The base
	// refuses while it still holds the first call's host context; without a
	// context it does not, and the parameters already there tell instead.
	if (EditController::initialize (context) != kResultOk || parameters.getParameterCount () > 0)
		return kResultOk;

	try
	{
		addParameters ();
	}
	catch (const std::bad_alloc&)
	{
		// No half-built parameter list: the controller is left as if never
		// initialized, and a later initialize starts afresh.
		EditController::terminate ();
		return kOutOfMemory;
	}
	return kResultOk;
}

void PlugController::addParameters ()
{
	for (const RangeRow& row : kRangeRows)
	{
		auto* parameter = new BRRangeParameter (row.title, row.tag, row.units,
		                                        ParameterInfo::kCanAutomate, row.minPlain,
		                                        row.maxPlain, row.defaultPlain);
		parameter->setPrecision (row.precision);
		adoptParameter (parameter);
	}
	// The SDK's two-state parameter, as the container's creating
	// addParameter would build it; built here so that running out of memory
	// cannot lose it.
	for (const SwitchRow& row : kSwitchRows)
		adoptParameter (new Parameter (row.title, row.tag, nullptr, 0.0, 1, row.flags,
		                               kRootUnitId, nullptr));
}

void PlugController::adoptParameter (Parameter* parameter)
{
	// The container takes over the creation reference. When it runs out of
	// memory it may throw before taking the parameter (its index) or after
	// (its list, whose temporary then drops that reference). The extra
	// reference held here tells the two apart: the parameter is freed once.
	parameter->addRef ();
	try
	{
		parameters.addParameter (parameter);
	}
	catch (...)
	{
		if (parameter->release () != 0) // never taken: the creation reference is left
			parameter->release ();
		throw;
	}
	parameter->release ();
}

tresult PLUGIN_API PlugController::setComponentState (IBStream* state)
{
	// The processor's own reader, so that both sides read a record alike.
	PlugParamBlock block {};
	const tresult result = block.read (state);
	if (result != kResultOk)
		return result;

	setParamNormalized (kLevelId, block.level);
	setParamNormalized (kDelayId, block.delay);
	setParamNormalized (kDepthId, block.depth);
	setParamNormalized (kDegreeId, block.degree);
	setParamNormalized (kRateId, block.rate);
	setParamNormalized (kFeedbackId, block.feedback);
	setParamNormalized (kMixId, block.mix);
	setParamNormalized (kThruNullId, switchValue (block.thruNull));
	setParamNormalized (kBypassId, switchValue (block.bypass));
	return kResultOk;
}

IPlugView* PLUGIN_API PlugController::createView (FIDString name)
{
	if (!FIDStringsEqual (name, ViewType::kEditor))
		return nullptr;
	// The editor's knobs follow linear mouse movement, whatever the host
	// chose before.
	setKnobMode (kLinearMode);
	try
	{
		return new VSTGUI::VST3Editor (this, "view", "plug.uidesc");
	}
	catch (...)
	{
		return nullptr;
	}
}

VSTGUI::IController* PlugController::createSubController (VSTGUI::UTF8StringPtr name,
                                                          const VSTGUI::IUIDescription*,
                                                          VSTGUI::VST3Editor*)
{
	if (!name || std::strcmp (name, "AboutController") != 0)
		return nullptr;
	// Run inside the AU wrapper only when the host context says so with an
	// interface; the query serves this test alone.
	bool audioUnit = false;
	if (hostContext)
	{
		IVst3ToAUWrapper* wrapper = nullptr;
		if (hostContext->queryInterface (IVst3ToAUWrapper::iid, reinterpret_cast<void**> (&wrapper)) ==
		        kResultOk &&
		    wrapper)
		{
			audioUnit = true;
			wrapper->release ();
		}
	}
	try
	{
		auto* about = new PlugAboutController<PlugController> (this, audioUnit);
		try
		{
			aboutControllers.push_back (about);
		}
		catch (...)
		{
			delete about;
			throw;
		}
		return about;
	}
	catch (...)
	{
		return nullptr;
	}
}

tresult PLUGIN_API PlugController::getParameterInfo (int32 paramIndex, ParameterInfo& info)
{
	// The container answers an index out of range with an exception.
	if (paramIndex < 0 || paramIndex >= parameters.getParameterCount ())
		return kResultFalse;
	return EditController::getParameterInfo (paramIndex, info);
}

tresult PLUGIN_API PlugController::getParamStringByValue (ParamID tag, ParamValue valueNormalized,
                                                          String128 string)
{
	if (!string)
		return kResultFalse;
	return EditController::getParamStringByValue (tag, valueNormalized, string);
}

tresult PLUGIN_API PlugController::getParamValueByString (ParamID tag, TChar* string,
                                                          ParamValue& valueNormalized)
{
	if (!string)
		return kResultFalse;
	ParamValue value = 0.0;
	try
	{
		// Reading the number converts the text to UTF-8, which throws on
		// malformed UTF-16.
		if (EditController::getParamValueByString (tag, string, value) != kResultTrue)
			return kResultFalse;
	}
	catch (...)
	{
		return kResultFalse;
	}
	// "nan" reads as a number; the switches take any number unclamped.
	if (std::isnan (value))
		return kResultFalse;
	valueNormalized = value < 0.0 ? 0.0 : value > 1.0 ? 1.0 : value;
	return kResultTrue;
}

tresult PLUGIN_API PlugController::setParamNormalized (ParamID tag, ParamValue value)
{
	// The parameters' clamp lets NaN through. A NaN (a damaged record, a
	// faulty host) stands for the parameter's default: that is what the
	// processor derives its sound from for a NaN, so the display matches
	// what is heard.
	if (std::isnan (value))
	{
		if (Parameter* parameter = getParameterObject (tag))
			value = parameter->getInfo ().defaultNormalizedValue;
	}
	return EditController::setParamNormalized (tag, value);
}

} // namespace Vst
} // namespace Steinberg
