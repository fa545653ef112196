// An edit controller with the plug-in's nine parameters (identifiers, ranges,
// defaults, precisions and step counts) that opens the editor from the
// description and supplies the about sub-controller, for the editor's tests.
#pragma once

#include "common/plugparamids.h"
#include "controller/plugaboutcontroller.h"

#include "vstgui/plugin-bindings/vst3editor.h"
#include "vstgui/plugin-bindings/vst3editordelegate.h"

#include "public.sdk/source/vst/vsteditcontroller.h"

#include <cstring>
#include <string>
#include <vector>

namespace Steinberg {
namespace Vst {

class TestEditController : public EditController, public VSTGUI::VST3EditorDelegate
{
public:
	using AboutController = PlugAboutController<TestEditController>;

	tresult PLUGIN_API initialize (FUnknown* context) override
	{
		tresult result = EditController::initialize (context);
		if (result != kResultOk)
			return result;
		struct Row
		{
			const char16* title;
			PlugParamId id;
			const char16* units;
			double min, max, plainDefault;
			int32 precision;
		};
		const Row rows[] = {
		    {STR16 ("Level"), kLevelId, STR16 ("dB"), -36., 12., 0., 2},
		    {STR16 ("Delay"), kDelayId, STR16 ("ms"), 0.5, 8., 3., 2},
		    {STR16 ("Depth"), kDepthId, STR16 ("%"), 0., 100., 25., 0},
		    {STR16 ("Degree"), kDegreeId, STR16 ("deg"), 0., 180., 45., 0},
		    {STR16 ("Rate"), kRateId, STR16 ("Hz"), 0., 2., 0.4, 2},
		    {STR16 ("Feedback"), kFeedbackId, STR16 ("%"), 0., 100., 50., 0},
		    {STR16 ("Mix"), kMixId, STR16 ("%"), 0., 100., 100., 0},
		};
		for (const Row& row : rows)
		{
			auto* parameter = new RangeParameter (row.title, row.id, row.units, row.min, row.max,
			                                      row.plainDefault);
			parameter->setPrecision (row.precision);
			parameters.addParameter (parameter);
		}
		parameters.addParameter (STR16 ("Thru Null"), nullptr, 1, 0., ParameterInfo::kCanAutomate,
		                         kThruNullId);
		parameters.addParameter (STR16 ("Bypass"), nullptr, 1, 0.,
		                         ParameterInfo::kCanAutomate | ParameterInfo::kIsBypass, kBypassId);
		return kResultOk;
	}

	IPlugView* PLUGIN_API createView (FIDString name) override
	{
		if (!name || std::strcmp (name, ViewType::kEditor) != 0)
			return nullptr;
		return new VSTGUI::VST3Editor (this, templateName.c_str (), descriptionFile.c_str ());
	}

	VSTGUI::IController* createSubController (VSTGUI::UTF8StringPtr name,
	                                          const VSTGUI::IUIDescription*,
	                                          VSTGUI::VST3Editor*) override
	{
		if (!name || std::strcmp (name, "AboutController") != 0)
			return nullptr;
		auto* about = new AboutController (this, false);
		aboutControllers.push_back (about);
		return about;
	}

	void didOpen (VSTGUI::VST3Editor*) override { ++opened; }
	void willClose (VSTGUI::VST3Editor*) override { ++closed; }

	std::vector<AboutController*> aboutControllers;
	std::string templateName {"view"};
	std::string descriptionFile {"plug.uidesc"};
	int opened = 0;
	int closed = 0;
};

} // namespace Vst
} // namespace Steinberg
