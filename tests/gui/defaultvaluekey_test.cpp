// Alt with a left click, and only that, puts a knob, slider or switch back
// to its default value.
#include "controlfixtures.h"

#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/controls/cverticalswitch.h"
#include "vstgui/lib/sharedpointer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace VSTGUI;
using Steinberg::Vst::RecordingHandler;

namespace {

using Kinds = std::vector<RecordingHandler::Kind>;
constexpr auto kBegin = RecordingHandler::kBegin;
constexpr auto kPerform = RecordingHandler::kPerform;
constexpr auto kEnd = RecordingHandler::kEnd;

TEST (DefaultValueClickTest, LeftButtonAloneWithAltAlone)
{
	EXPECT_EQ (CControl::kDefaultValueModifier, 0x40);
	EXPECT_EQ (CControl::kZoomModifier, 0x10);
	EXPECT_EQ (CControl::defaultValueTest, &isDefaultValueClick);
	int passed = 0;
	for (int32_t state = 0; state < 0x800; ++state)
	{
		const bool expected = (state & 0x30e) == 0x2 && (state & 0xf0) == 0x40;
		EXPECT_EQ (isDefaultValueClick (nullptr, CButtonState (state)), expected) << std::hex << state;
		passed += expected ? 1 : 0;
	}
	// Free in the bits outside both masks: bit 0 and the double click.
	EXPECT_EQ (passed, 4);
	EXPECT_TRUE (isDefaultValueClick (nullptr, CButtonState (kLButton | kAlt | kDoubleClick)));
}

// One of the three kinds of control that take the click, with the press that
// starts a drag on it (at its centre, on a slider's handle).
struct Kind
{
	const char* name;
	std::function<CControl* (IControlListener*)> make;
	CPoint press;
	bool opensOwnEdit; // a knob or switch opens its edit before asking
};

class DefaultValueTest : public ::testing::TestWithParam<Kind>
{
protected:
	void SetUp () override
	{
		control = GetParam ().make (&listener);
		control->setDefaultValue (1.f);
		control->setValue (0.f);
		control->invalid ();
	}
	void TearDown () override { control->forget (); }

	CMouseEventResult press (int32_t buttons)
	{
		CPoint where = GetParam ().press;
		return control->onMouseDown (where, CButtonState (buttons));
	}
	void finish ()
	{
		CPoint where = GetParam ().press;
		control->onMouseUp (where, CButtonState (kLButton));
	}
	Kinds kinds () const
	{
		Kinds result;
		for (const auto& edit : listener.handler.edits)
			result.push_back (edit.kind);
		return result;
	}

	HostForwardingListener listener;
	CControl* control = nullptr;
};

TEST_P (DefaultValueTest, AltClickAwayFromTheDefaultResetsWithoutADrag)
{
	EXPECT_EQ (press (kLButton | kAlt), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	EXPECT_EQ (control->getValue (), 1.f);
	EXPECT_FALSE (control->isEditing ());
	EXPECT_EQ (kinds (), (Kinds {kBegin, kPerform, kEnd}));
	EXPECT_EQ (listener.handler.edits[1].value, 1.);
	CPoint where (0, 0);
	EXPECT_EQ (control->onMouseMoved (where, CButtonState (kLButton)), kMouseEventNotHandled);
	EXPECT_EQ (control->getValue (), 1.f);

	// Both presses of a double click pass; the second finds the default set.
	listener.handler.edits.clear ();
	EXPECT_EQ (press (kLButton | kAlt | kDoubleClick),
	           kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	EXPECT_EQ (listener.count (kPerform), 0u);
}

TEST_P (DefaultValueTest, AltClickAtTheDefaultChangesNothing)
{
	control->setValue (1.f);
	control->invalid ();
	EXPECT_EQ (press (kLButton | kAlt), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	EXPECT_FALSE (control->isEditing ());
	EXPECT_EQ (listener.count (kPerform), 0u);
	// Knobs and switches still open and close their own edit.
	EXPECT_EQ (kinds (), GetParam ().opensOwnEdit ? (Kinds {kBegin, kEnd}) : Kinds {});
}

TEST_P (DefaultValueTest, OtherModifiersAndButtonsNeverReset)
{
	for (int32_t buttons : {kLButton | kControl, kLButton | kAlt | kShift, kLButton | kAlt | kControl,
	                        kLButton | kAlt | kApple, kRButton | kAlt, kLButton | kRButton | kAlt,
	                        kLButton | kButton5 | kAlt, kMButton | kAlt})
	{
		press (buttons);
		finish ();
		EXPECT_NE (control->getValue (), 1.f) << std::hex << buttons;
		EXPECT_FALSE (control->isEditing ());
	}
	// Command with a left click is an ordinary press: a drag follows.
	listener.handler.edits.clear ();
	EXPECT_EQ (press (kLButton | kControl), kMouseEventHandled);
	EXPECT_TRUE (control->isEditing ());
	finish ();
}

CKnob* knob (IControlListener* listener) { return new CKnob (CRect (0, 0, 60, 60), listener, 1); }

CSliderBase* slider (IControlListener* listener)
{
	auto* s = new TestSlider (CRect (0, 0, 110, 20), listener, kHorizontal | kLeft, 10., 20.);
	s->setSliderMode (SliderMode::BRFreeClick);
	return s;
}

CVerticalSwitch* verticalSwitch (IControlListener* listener)
{
	return new CVerticalSwitch (CRect (0, 0, 20, 60), listener, 8);
}

INSTANTIATE_TEST_SUITE_P (
    Controls, DefaultValueTest,
    ::testing::Values (Kind {"Knob", knob, CPoint (30, 30), true},
                       Kind {"Slider", slider, CPoint (5, 10), false}, // the handle at 0..10
                       Kind {"Switch", verticalSwitch, CPoint (10, 10), true}),
    [] (const ::testing::TestParamInfo<Kind>& info) { return std::string (info.param.name); });

TEST (KnobDragTest, AltWithAnotherModifierSwapsTheDrag)
{
	// Without a frame a knob drags circularly: straight up is half way.
	HostForwardingListener listener;
	CKnob knob (CRect (0, 0, 60, 60), &listener, 1);
	knob.setValueNormalized (0.2f);
	CPoint centre (30, 30), above (30, 10);
	knob.onMouseDown (centre, CButtonState (kLButton));
	knob.onMouseMoved (above, CButtonState (kLButton));
	EXPECT_FLOAT_EQ (knob.getValueNormalized (), 0.5f);
	knob.onMouseUp (above, CButtonState (kLButton));

	// With Alt and Command: linear, 20 pixels of 200.
	knob.setValueNormalized (0.2f);
	knob.onMouseDown (centre, CButtonState (kLButton | kAlt | kControl));
	knob.onMouseMoved (above, CButtonState (kLButton));
	EXPECT_FLOAT_EQ (knob.getValueNormalized (), 0.3f);
	knob.onMouseUp (above, CButtonState (kLButton));

	// With Alt and Shift: linear and ten times finer.
	knob.setValueNormalized (0.2f);
	knob.onMouseDown (centre, CButtonState (kLButton | kAlt | kShift));
	knob.onMouseMoved (above, CButtonState (kLButton | kShift));
	EXPECT_FLOAT_EQ (knob.getValueNormalized (), 0.21f);
	knob.onMouseUp (above, CButtonState (kLButton));
}

} // namespace
