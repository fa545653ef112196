// A host's change of a stepped parameter tells the listeners of the controls
// that show it; labels, option menus and continuous parameters stay quiet.
#include "controlfixtures.h"
#include "editorfixture.h"

#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/controls/conoffbutton.h"
#include "vstgui/lib/controls/coptionmenu.h"
#include "vstgui/lib/controls/cslider.h"
#include "vstgui/lib/controls/ctextlabel.h"
#include "vstgui/lib/controls/cverticalswitch.h"
#include "vstgui/plugin-bindings/parameterchangelistener.h"

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace VSTGUI;

namespace {

// Counts the value changes a control tells the listeners registered on it.
struct CountingListener : IControlListener
{
	void valueChanged (CControl* control) override
	{
		++changes;
		lastValue = control->getValue ();
	}
	int changes = 0;
	float lastValue = -1.f;
};

class SteppedNotificationTest : public EditorTest
{
protected:
	void TearDown () override
	{
		for (auto& r : registered)
			r.first->unregisterControlListener (r.second);
		if (editor)
			closeEditor (editor);
		EditorTest::TearDown ();
	}

	void open (const std::string& views = {})
	{
		// One file per test: ctest runs them side by side.
		if (!views.empty ())
			controller->descriptionFile = writeDescription (
			    std::string (::testing::UnitTest::GetInstance ()->current_test_info ()->name ()) +
			        ".uidesc",
			    descriptionWith (views));
		editor = openEditor ();
		ASSERT_TRUE (editor);
	}

	template <typename T>
	T* only (int32_t tag)
	{
		auto views = viewsOf<T> (rootOf (editor), tag);
		EXPECT_EQ (views.size (), 1u) << tag;
		return views.empty () ? nullptr : views.front ();
	}

	void listenTo (CControl* control, CountingListener& listener)
	{
		control->registerControlListener (&listener);
		registered.emplace_back (control, &listener);
	}

	CMouseEventResult press (const CPoint& where, int32_t buttons = kLButton)
	{
		CPoint point = where;
		return editor->getFrame ()->onMouseDown (point, CButtonState (buttons));
	}
	void move (const CPoint& where, int32_t buttons = kLButton)
	{
		CPoint point = where;
		editor->getFrame ()->onMouseMoved (point, CButtonState (buttons));
	}
	void release (const CPoint& where)
	{
		CPoint point = where;
		editor->getFrame ()->onMouseUp (point, CButtonState (kLButton));
	}

	using Kinds = std::vector<RecordingHandler::Kind>;
	Kinds kinds () const
	{
		Kinds result;
		for (const auto& edit : handler.edits)
			result.push_back (edit.kind);
		return result;
	}

	VST3Editor* editor = nullptr;
	std::vector<std::pair<CControl*, IControlListener*>> registered;
};

TEST_F (SteppedNotificationTest, HostSwitchingBypassTellsTheButtonsListenersOnce)
{
	open ("<view class=\"COnOffButton\" control-tag=\"Bypass\" size=\"40, 20\"/>");
	COnOffButton* button = only<COnOffButton> (kBypassId);
	ASSERT_TRUE (button);
	CountingListener registeredListener;
	listenTo (button, registeredListener);
	host.fire (); // the deferred update brings the value the button holds
	EXPECT_EQ (registeredListener.changes, 0);
	EXPECT_TRUE (handler.edits.empty ());

	ASSERT_EQ (controller->setParamNormalized (kBypassId, 1.0), kResultOk);
	EXPECT_EQ (button->getMin (), 0.f);
	EXPECT_EQ (button->getMax (), 1.f);
	EXPECT_EQ (button->getDefaultValue (), 0.f);
	EXPECT_EQ (button->getValue (), 1.f);
	EXPECT_FALSE (button->isDirty ()); // invalidated
	EXPECT_EQ (registeredListener.changes, 1);
	EXPECT_EQ (registeredListener.lastValue, 1.f);
	ASSERT_EQ (handler.edits.size (), 1u); // told through the editor, without begin or end
	EXPECT_EQ (handler.edits[0].kind, RecordingHandler::kPerform);
	EXPECT_EQ (handler.edits[0].id, kBypassId);
	EXPECT_EQ (handler.edits[0].value, 1.);
	EXPECT_EQ (controller->getParamNormalized (kBypassId), 1.);

	// The same value again moves nothing and tells nobody.
	controller->setParamNormalized (kBypassId, 1.0);
	controller->getParameterObject (kBypassId)->changed ();
	host.fire ();
	EXPECT_EQ (registeredListener.changes, 1);
	EXPECT_EQ (handler.edits.size (), 1u);

	controller->setParamNormalized (kBypassId, 0.0);
	EXPECT_EQ (registeredListener.changes, 2);
	ASSERT_EQ (handler.edits.size (), 2u);
	EXPECT_EQ (handler.edits[1].value, 0.);
}

TEST_F (SteppedNotificationTest, ContinuousParametersOnlyMoveTheirControls)
{
	open (); // the shipped description
	host.fire ();
	std::vector<CountingListener> listeners (32);
	size_t used = 0;
	for (int32_t tag = 0; tag <= 6; ++tag)
	{
		for (CControl* control : viewsOf<CControl> (rootOf (editor), tag))
			listenTo (control, listeners.at (used++));
		controller->setParamNormalized (tag, 0.9);
		for (CControl* control : viewsOf<CControl> (rootOf (editor), tag))
			EXPECT_FLOAT_EQ (control->getValueNormalized (), 0.9f) << tag;
	}
	EXPECT_GE (used, 14u);
	for (const auto& l : listeners)
		EXPECT_EQ (l.changes, 0);
	EXPECT_TRUE (handler.edits.empty ());
}

TEST_F (SteppedNotificationTest, LabelsShowTheStepsTextAndAreNeverTold)
{
	open ("<view class=\"CTextLabel\" control-tag=\"ThruNull\" size=\"50, 20\"/>");
	host.fire ();
	CTextLabel* label = only<CTextLabel> (kThruNullId);
	ASSERT_TRUE (label);
	CountingListener registeredListener;
	listenTo (label, registeredListener);
	EXPECT_EQ (label->getText (), "Off");
	controller->setParamNormalized (kThruNullId, 1.0);
	EXPECT_EQ (label->getText (), "On");
	controller->setParamNormalized (kThruNullId, 0.0);
	EXPECT_EQ (label->getText (), "Off");
	EXPECT_EQ (registeredListener.changes, 0);
	EXPECT_TRUE (handler.edits.empty ());
}

TEST_F (SteppedNotificationTest, OptionMenusListTheStepsAndSelectTheValue)
{
	open ("<view class=\"CTextLabel\" control-tag=\"Bypass\" size=\"50, 20\"/>");
	ParameterChangeListener* binding = editor->getParameterChangeListener (kBypassId);
	ASSERT_TRUE (binding);
	SharedPointer<COptionMenu> menu (new COptionMenu (CRect (0, 0, 60, 20)), false);
	menu->setTag (kBypassId);
	menu->addEntry ("stale");
	CountingListener registeredListener;
	menu->registerControlListener (&registeredListener);
	binding->addControl (menu.get ());
	host.fire ();
	ASSERT_EQ (menu->getNbEntries (), 2);
	EXPECT_EQ (menu->getEntry (0)->title, "Off");
	EXPECT_EQ (menu->getEntry (1)->title, "On");
	EXPECT_EQ (menu->getEntry (1)->flags, 0);
	EXPECT_EQ (menu->getCurrentIndex (), 0);

	controller->setParamNormalized (kBypassId, 1.0);
	EXPECT_EQ (menu->getNbEntries (), 2); // rebuilt, not added to
	EXPECT_EQ (menu->getCurrentIndex (), 1);
	EXPECT_EQ (menu->getValue (), 1.f);
	EXPECT_EQ (registeredListener.changes, 0);
	EXPECT_TRUE (handler.edits.empty ());
	binding->removeControl (menu.get ());
	menu->unregisterControlListener (&registeredListener);
}

TEST_F (SteppedNotificationTest, ReadOnlySteppedParameterLocksItsControls)
{
	open ("<view class=\"COnOffButton\" control-tag=\"ThruNull\" size=\"40, 20\"/>");
	host.fire ();
	COnOffButton* button = only<COnOffButton> (kThruNullId);
	ASSERT_TRUE (button);
	auto& info = controller->getParameterObject (kThruNullId)->getInfo ();
	info.flags |= ParameterInfo::kIsReadOnly;
	controller->setParamNormalized (kThruNullId, 1.0);
	EXPECT_FALSE (button->getMouseEnabled ());
	EXPECT_EQ (button->getValue (), 1.f);
	info.flags &= ~ParameterInfo::kIsReadOnly;
	controller->setParamNormalized (kThruNullId, 0.0);
	EXPECT_TRUE (button->getMouseEnabled ());
}

TEST_F (SteppedNotificationTest, UsersEditOfASteppedControlIsToldOnce)
{
	open ("<view class=\"COnOffButton\" control-tag=\"Bypass\" size=\"40, 20\"/>"
	      "<view class=\"CVerticalSwitch\" control-tag=\"ThruNull\" origin=\"100, 0\" "
	      "size=\"20, 40\"/>");
	host.fire ();
	COnOffButton* button = only<COnOffButton> (kBypassId);
	CVerticalSwitch* toggle = only<CVerticalSwitch> (kThruNullId);
	ASSERT_TRUE (button && toggle);
	CountingListener buttonListener, switchListener;
	listenTo (button, buttonListener);
	listenTo (toggle, switchListener);

	EXPECT_EQ (press (CPoint (20, 10)), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	EXPECT_EQ (buttonListener.changes, 1);
	EXPECT_EQ (kinds (), (Kinds {RecordingHandler::kBegin, RecordingHandler::kPerform,
	                             RecordingHandler::kEnd}));

	// The switch's lower half is "On"; a drag up goes back to "Off".
	handler.edits.clear ();
	EXPECT_EQ (press (CPoint (110, 30)), kMouseEventHandled);
	move (CPoint (110, 5));
	release (CPoint (110, 5));
	EXPECT_EQ (switchListener.changes, 2);
	ASSERT_EQ (kinds (), (Kinds {RecordingHandler::kBegin, RecordingHandler::kPerform,
	                             RecordingHandler::kPerform, RecordingHandler::kEnd}));
	EXPECT_EQ (handler.edits[1].value, 1.);
	EXPECT_EQ (handler.edits[2].value, 0.);

	// Alt-click on the switch away from its default: begin, the default, end.
	controller->setParamNormalized (kThruNullId, 1.0);
	EXPECT_EQ (switchListener.changes, 3); // the host's change, told
	handler.edits.clear ();
	EXPECT_EQ (press (CPoint (110, 30), kLButton | kAlt),
	           kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	EXPECT_EQ (switchListener.changes, 4);
	ASSERT_EQ (kinds (), (Kinds {RecordingHandler::kBegin, RecordingHandler::kPerform,
	                             RecordingHandler::kEnd}));
	EXPECT_EQ (handler.edits[1].value, 0.);
	EXPECT_EQ (toggle->getValue (), 0.f);
}

// The shipped description's Level slider: vertical, minimum at the bottom;
// the points follow its geometry wherever the layout puts it.
TEST_F (SteppedNotificationTest, ShippedSliderJumpsBesideItsHandleAndResetsOnAltClick)
{
	controller->setKnobMode (Vst::kLinearMode);
	open ();
	host.fire ();
	CSlider* level = only<CSlider> (kLevelId);
	ASSERT_TRUE (level);
	EXPECT_EQ (level->getSliderMode (), SliderMode::UseGlobal);
	EXPECT_EQ (level->effectiveSliderMode (), SliderMode::BRFreeClick);
	const CRect size = level->getViewSize ();
	const double travel = level->getHandleTravel ();
	ASSERT_GT (travel, 0.);
	// Beside the handle, the press centres it one pixel past the pointer.
	const double grab = size.top + level->getHandleHeight () * 0.5 - 1.0;

	// At the default 0.75 the handle sits a quarter down; the press lands below it.
	const CRect handle = level->calculateHandleRect (level->getValueNormalized ());
	const CCoord x = size.getCenter ().x;
	const CCoord first = handle.bottom + 10.;
	const CCoord second = first + 10.;
	ASSERT_LT (second, size.bottom);
	EXPECT_EQ (press (CPoint (x, first)), kMouseEventHandled);
	move (CPoint (x, second));
	release (CPoint (x, second));
	ASSERT_EQ (kinds (), (Kinds {RecordingHandler::kBegin, RecordingHandler::kPerform,
	                             RecordingHandler::kPerform, RecordingHandler::kEnd}));
	for (const auto& edit : handler.edits)
		EXPECT_EQ (edit.id, kLevelId);
	EXPECT_NEAR (handler.edits[1].value, 1. - (first - grab) / travel, 1e-6);
	EXPECT_NEAR (handler.edits[2].value, 1. - (second - grab) / travel, 1e-6);
	EXPECT_NEAR (controller->getParamNormalized (kLevelId), 1. - (second - grab) / travel, 1e-6);

	handler.edits.clear ();
	EXPECT_EQ (press (CPoint (x, size.top + 1.), kLButton | kAlt),
	           kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	ASSERT_EQ (kinds (), (Kinds {RecordingHandler::kBegin, RecordingHandler::kPerform,
	                             RecordingHandler::kEnd}));
	EXPECT_FLOAT_EQ (static_cast<float> (handler.edits[1].value), 0.75f);
	EXPECT_FLOAT_EQ (static_cast<float> (controller->getParamNormalized (kLevelId)), 0.75f);

	// A knob too.
	CKnob* delay = only<CKnob> (kDelayId);
	ASSERT_TRUE (delay);
	controller->setParamNormalized (kDelayId, 0.9);
	handler.edits.clear ();
	EXPECT_EQ (press (delay->getViewSize ().getCenter (), kLButton | kAlt),
	           kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	ASSERT_EQ (kinds (), (Kinds {RecordingHandler::kBegin, RecordingHandler::kPerform,
	                             RecordingHandler::kEnd}));
	EXPECT_FLOAT_EQ (static_cast<float> (handler.edits[1].value), 1.f / 3.f);
}

} // namespace
