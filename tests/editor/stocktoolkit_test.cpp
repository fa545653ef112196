// The toolkit built without the plug-in's files in source/gui: five slider
// modes with FreeClick as the global one, a left click with Control held as
// the default-value click, and a stepped parameter that moves its controls
// without telling anyone.
#include "controlfixtures.h"

#include "vstgui/lib/controls/cknob.h"
#include "vstgui/plugin-bindings/parameterchangelistener.h"
#include "vstgui/uidescription/viewcreator/sliderbasecreator.h"

#include "base/source/updatehandler.h"
#include "public.sdk/source/vst/vsteditcontroller.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace {

struct ParameterHolder : Steinberg::Vst::EditController
{
	using EditController::parameters;
};

TEST (StockToolkitTest, FiveSliderModesAndFreeClickForAllThatNameNone)
{
	EXPECT_EQ (UIViewCreator::sliderModeNames (),
	           (UIViewCreator::SliderModeNames {"touch", "relative touch", "free click", "ramp",
	                                            "use global"}));
	EXPECT_EQ (static_cast<int32_t> (SliderMode::UseGlobal), 4);
	EXPECT_EQ (CSliderBase::getGlobalSliderMode (), SliderMode::FreeClick);

	// A press on the handle (at 25 to 35 for 0.25) still makes it jump.
	HostForwardingListener listener;
	TestSlider slider (CRect (0, 0, 110, 20), &listener, kHorizontal | kLeft, 10., 20.);
	slider.setValueNormalized (0.25f);
	CPoint onHandle (26, 10);
	slider.onMouseDown (onHandle, CButtonState (kLButton));
	EXPECT_FLOAT_EQ (slider.getValueNormalized (), 0.22f);
	slider.onMouseUp (onHandle, CButtonState (kLButton));
}

TEST (StockToolkitTest, ControlClickResetsAndAltClickDoesNot)
{
	EXPECT_EQ (CControl::kDefaultValueModifier, kControl);
	HostForwardingListener listener;
	CKnob knob (CRect (0, 0, 60, 60), &listener, 1);
	knob.setDefaultValue (0.5f);
	knob.setValueNormalized (0.2f);
	CPoint centre (30, 30);
	EXPECT_EQ (knob.onMouseDown (centre, CButtonState (kLButton | kAlt)), kMouseEventHandled);
	knob.onMouseUp (centre, CButtonState (kLButton));
	EXPECT_EQ (knob.getValue (), 0.2f);
	EXPECT_EQ (knob.onMouseDown (centre, CButtonState (kLButton | kControl)),
	           kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	EXPECT_EQ (knob.getValue (), 0.5f);
	// The stock test asks only that the key be held.
	EXPECT_TRUE (isDefaultValueClick (nullptr, CButtonState (kLButton | kControl | kShift)));
	EXPECT_FALSE (isDefaultValueClick (nullptr, CButtonState (kLButton | kMButton | kControl)));
}

TEST (StockToolkitTest, SteppedParameterMovesItsControlsSilently)
{
	Steinberg::UpdateHandler::instance ();
	ParameterHolder controller;
	auto* bypass = new Steinberg::Vst::Parameter (STR16 ("Bypass"), 8, nullptr, 0., 1);
	controller.parameters.addParameter (bypass);
	HostForwardingListener own;
	HostForwardingListener registered;
	auto* knob = new CKnob (CRect (0, 0, 60, 60), &own, 8);
	knob->registerControlListener (&registered);
	auto binding = Steinberg::owned (new ParameterChangeListener (&controller, bypass, knob));
	binding->updateControlValue (1.);
	EXPECT_EQ (knob->getValue (), 1.f);
	EXPECT_TRUE (own.handler.edits.empty ());
	EXPECT_TRUE (registered.handler.edits.empty ());
	binding = nullptr;
	knob->forget ();
}

} // namespace
