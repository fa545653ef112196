#include "vstgui/lib/cframe.h"
#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/controls/conoffbutton.h"
#include "vstgui/lib/controls/cparamdisplay.h"
#include "vstgui/lib/controls/icontrollistener.h"
#include "vstgui/lib/iviewlistener.h"
#include "vstgui/lib/vstguieditorinterface.h"
#include "vstgui/lib/vstkeycode.h"
#include "vstgui/uidescription/icontroller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace VSTGUI;

namespace {

// Writes what it is told into a shared log, under its name.
class LoggingListener : public IControlListener
{
public:
	LoggingListener (std::vector<std::string>& log, std::string name) : log (log), name (name) {}

	void valueChanged (CControl* control) override
	{
		log.push_back (name + " value " + std::to_string (control->getValue ()));
		if (onValue)
			onValue ();
	}
	void controlBeginEdit (CControl*) override { log.push_back (name + " begin"); }
	void controlEndEdit (CControl*) override { log.push_back (name + " end"); }
	void controlTagWillChange (CControl* control) override
	{
		log.push_back (name + " tag from " + std::to_string (control->getTag ()));
	}
	void controlTagDidChange (CControl* control) override
	{
		log.push_back (name + " tag to " + std::to_string (control->getTag ()));
	}

	std::vector<std::string>& log;
	std::string name;
	std::function<void ()> onValue;
};

class FixedKnobMode : public VSTGUIEditorInterface
{
public:
	explicit FixedKnobMode (int32_t mode) : mode (mode) {}
	int32_t getKnobMode () const override { return mode; }
	int32_t mode;
};

void* fakeWindow () { return reinterpret_cast<void*> (uintptr_t {0x2a00007}); }

TEST (ControlTest, ValueStaysInItsRange)
{
	CKnob knob (CRect (0, 0, 10, 10));
	knob.setMin (-36.f);
	knob.setMax (12.f);
	knob.setValue (20.f);
	EXPECT_EQ (knob.getValue (), 12.f);
	knob.setValue (-40.f);
	EXPECT_EQ (knob.getValue (), -36.f);
	knob.setValueNormalized (0.75f);
	EXPECT_EQ (knob.getValue (), 0.f);
	EXPECT_EQ (knob.getValueNormalized (), 0.75f);
	knob.setValueNormalized (3.f);
	EXPECT_EQ (knob.getValue (), 12.f);
	knob.setMax (-36.f); // no range: the normalized value is 0, not a division by zero
	EXPECT_EQ (knob.getValueNormalized (), 0.f);
}

TEST (ControlTest, OwnListenerFirstThenRegisteredOnes)
{
	std::vector<std::string> log;
	LoggingListener own (log, "own"), a (log, "a"), b (log, "b");
	CKnob knob (CRect (0, 0, 10, 10), &own, 3);
	knob.registerControlListener (&a);
	knob.registerControlListener (&b);
	knob.registerControlListener (&a); // once only
	knob.setValue (1.f);
	knob.valueChanged ();
	knob.setTag (5);
	EXPECT_EQ (log, (std::vector<std::string> {"own value 1.000000", "a value 1.000000",
	                                           "b value 1.000000", "own tag from 3", "a tag from 3",
	                                           "b tag from 3", "own tag to 5", "a tag to 5",
	                                           "b tag to 5"}));

	// A listener that leaves while told, taking another with it.
	log.clear ();
	a.onValue = [&] {
		knob.unregisterControlListener (&a);
		knob.unregisterControlListener (&b);
	};
	knob.valueChanged ();
	knob.valueChanged ();
	EXPECT_EQ (log, (std::vector<std::string> {"own value 1.000000", "a value 1.000000",
	                                           "own value 1.000000"}));
}

TEST (ControlTest, NestedEditsTellOnlyTheOutermost)
{
	std::vector<std::string> log;
	LoggingListener own (log, "own"), other (log, "other");
	COnOffButton button (CRect (0, 0, 10, 10), &own);
	button.registerControlListener (&other);
	button.endEdit (); // none open: ignored
	button.beginEdit ();
	button.beginEdit ();
	EXPECT_TRUE (button.isEditing ());
	button.endEdit ();
	EXPECT_TRUE (button.isEditing ());
	button.endEdit ();
	EXPECT_FALSE (button.isEditing ());
	button.endEdit ();
	EXPECT_EQ (log, (std::vector<std::string> {"own begin", "other begin", "own end", "other end"}));
}

TEST (ControlTest, DirtyUntilInvalidated)
{
	CKnob knob (CRect (0, 0, 10, 10));
	EXPECT_FALSE (knob.isDirty ());
	knob.setValue (0.5f);
	EXPECT_TRUE (knob.isDirty ());
	knob.invalid ();
	EXPECT_FALSE (knob.isDirty ());
	knob.setValue (0.5f);
	EXPECT_FALSE (knob.isDirty ());
	knob.setDirty ();
	EXPECT_TRUE (knob.isDirty ());
	knob.setDirty (false);
	EXPECT_FALSE (knob.isDirty ());
}

class FrameTest : public ::testing::Test
{
protected:
	void SetUp () override { ASSERT_TRUE (frame->open (fakeWindow (), PlatformType::kX11EmbedWindowID)); }
	void TearDown () override
	{
		frame->close ();
		frame->forget ();
	}

	// Frame coordinates.
	CMouseEventResult press (CCoord x, CCoord y, int32_t buttons = kLButton)
	{
		CPoint where (x, y);
		return frame->onMouseDown (where, CButtonState (buttons));
	}
	CMouseEventResult move (CCoord x, CCoord y, int32_t buttons = kLButton)
	{
		CPoint where (x, y);
		return frame->onMouseMoved (where, CButtonState (buttons));
	}
	CMouseEventResult release (CCoord x, CCoord y)
	{
		CPoint where (x, y);
		return frame->onMouseUp (where, CButtonState (kLButton));
	}

	std::vector<std::string> log;
	LoggingListener listener {log, "knob"};
	FixedKnobMode knobMode {kLinearMode};
	CFrame* frame = new CFrame (CRect (0, 0, 400, 300), &knobMode);
};

TEST_F (FrameTest, LinearKnobFollowsTheDragAndEndsItsEdit)
{
	// Nested: the knob's rectangle is in its container's coordinates.
	auto* container = new CViewContainer (CRect (100, 50, 300, 250));
	auto* knob = new CKnob (CRect (20, 20, 80, 80), &listener);
	container->addView (knob);
	frame->addView (container);
	knob->setValueNormalized (0.25f);

	EXPECT_EQ (press (170, 120, kLButton | kControl), kMouseEventHandled);
	EXPECT_EQ (log, std::vector<std::string> {"knob begin"});
	EXPECT_EQ (move (170, 80), kMouseEventHandled); // 40 pixels up
	EXPECT_FLOAT_EQ (knob->getValueNormalized (), 0.45f);
	EXPECT_EQ (move (500, -500), kMouseEventHandled); // outside the knob: still its drag
	EXPECT_EQ (knob->getValueNormalized (), 1.f);
	EXPECT_EQ (release (500, -500), kMouseEventHandled);
	EXPECT_EQ (log.back (), "knob end");
	EXPECT_FALSE (knob->isEditing ());
	EXPECT_EQ (move (170, 80), kMouseEventNotHandled); // the gesture is over
}

TEST_F (FrameTest, FocusViewTakesKeysWhileItTakesTheMouseAndGoesWithIt)
{
	auto* container = new CViewContainer (CRect (100, 50, 300, 250));
	auto* knob = new CKnob (CRect (20, 20, 80, 80), &listener);
	container->addView (knob);
	frame->addView (container);
	EXPECT_EQ (frame->getViewAt (CPoint (170, 120)), knob);
	EXPECT_EQ (frame->getViewAt (CPoint (110, 60)), container);
	EXPECT_EQ (frame->getViewAt (CPoint (10, 10)), nullptr);

	VstKeyCode up;
	up.virt = VKEY_UP;
	EXPECT_EQ (frame->onKeyDown (up), -1); // no focus view yet
	frame->setFocusView (knob);
	EXPECT_EQ (frame->onKeyDown (up), 1);
	knob->setMouseEnabled (false); // as for a read-only parameter
	EXPECT_EQ (frame->onKeyDown (up), -1);
	knob->setMouseEnabled (true);
	EXPECT_EQ (log, (std::vector<std::string> {"knob begin", "knob value 0.100000", "knob end"}));

	container->removeView (knob);
	EXPECT_EQ (frame->getFocusView (), nullptr);
	EXPECT_EQ (frame->onKeyDown (up), -1);
}

TEST_F (FrameTest, KnobTakesOnlyTheLeftButtonAlone)
{
	auto* knob = new CKnob (CRect (0, 0, 60, 60), &listener);
	frame->addView (knob);
	for (int32_t buttons : {int32_t {kRButton}, int32_t {kMButton}, kLButton | kRButton, kLButton | kButton4, 0})
	{
		EXPECT_EQ (press (30, 30, buttons), kMouseEventNotHandled) << buttons;
		EXPECT_FALSE (knob->isEditing ());
	}
	EXPECT_TRUE (log.empty ());
	EXPECT_EQ (press (30, 30, kLButton | kDoubleClick), kMouseEventHandled);
	EXPECT_EQ (move (30, 10, kLButton | kRButton), kMouseEventNotHandled);
	release (30, 10);
}

TEST_F (FrameTest, FineKnobDragWithShift)
{
	auto* knob = new CKnob (CRect (0, 0, 60, 60), &listener);
	frame->addView (knob);
	press (30, 30, kLButton | kShift);
	move (30, -70, kLButton | kShift); // 100 pixels, a tenth as far
	EXPECT_FLOAT_EQ (knob->getValueNormalized (), 0.05f);
	release (30, -70);
}

TEST_F (FrameTest, CircularKnobPointsAtThePointer)
{
	knobMode.mode = kRelativCircularMode; // anything but linear
	auto* knob = new CKnob (CRect (0, 0, 60, 60), &listener);
	frame->addView (knob);
	press (30, 30);
	move (30, 0); // straight up: half way
	EXPECT_FLOAT_EQ (knob->getValueNormalized (), 0.5f);
	move (0, 30); // left: a third of the way round
	EXPECT_FLOAT_EQ (knob->getValueNormalized (), 1.f / 6.f);
	move (25, 59); // in the gap below, nearer the start
	EXPECT_EQ (knob->getValueNormalized (), 0.f);
	move (35, 59); // nearer the end
	EXPECT_EQ (knob->getValueNormalized (), 1.f);
	release (35, 59);
}

TEST_F (FrameTest, OnOffButtonTogglesWithinOneEdit)
{
	auto* button = new COnOffButton (CRect (10, 10, 50, 30), &listener);
	frame->addView (button);
	EXPECT_EQ (press (20, 20), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	EXPECT_EQ (button->getValue (), 1.f);
	EXPECT_EQ (log, (std::vector<std::string> {"knob begin", "knob value 1.000000", "knob end"}));
	EXPECT_FALSE (button->isEditing ());
	EXPECT_EQ (move (25, 25), kMouseEventNotHandled); // no gesture follows
	EXPECT_EQ (press (20, 20), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	EXPECT_EQ (button->getValue (), 0.f);
	EXPECT_EQ (press (20, 20, kRButton), kMouseEventNotHandled);
	EXPECT_EQ (button->getValue (), 0.f);
	EXPECT_EQ (press (5, 5), kMouseEventNotHandled); // beside it
}

TEST_F (FrameTest, TopmostEnabledViewUnderThePointerGetsThePress)
{
	auto* below = new COnOffButton (CRect (0, 0, 100, 100), &listener);
	auto* above = new COnOffButton (CRect (50, 50, 150, 150), &listener);
	frame->addView (below);
	frame->addView (above);
	press (75, 75);
	EXPECT_EQ (above->getValue (), 1.f);
	EXPECT_EQ (below->getValue (), 0.f);
	above->setMouseEnabled (false);
	press (75, 75);
	EXPECT_EQ (below->getValue (), 1.f);
	above->setMouseEnabled (true);
	above->setVisible (false);
	press (75, 75);
	EXPECT_EQ (below->getValue (), 0.f);
	press (150, 150); // right and bottom edges are outside
	EXPECT_EQ (above->getValue (), 1.f);
}

TEST_F (FrameTest, ClosingCancelsTheGestureInProgress)
{
	auto* knob = new CKnob (CRect (0, 0, 60, 60), &listener);
	frame->addView (knob);
	knob->remember ();
	knob->setValueNormalized (0.5f);
	knob->invalid ();
	press (30, 30);
	move (30, 10);
	EXPECT_TRUE (knob->isEditing ());
	frame->close ();
	EXPECT_FALSE (knob->isEditing ());
	EXPECT_EQ (knob->getValueNormalized (), 0.5f); // back to the value at the press
	EXPECT_EQ (log.back (), "knob end");
	EXPECT_EQ (frame->getNbViews (), 0u);
	EXPECT_FALSE (knob->isAttached ());
	knob->forget ();
}

TEST_F (FrameTest, ViewRemovedMidGestureGetsNoMoreEvents)
{
	auto* knob = new CKnob (CRect (0, 0, 60, 60), &listener);
	frame->addView (knob);
	press (30, 30);
	frame->removeView (knob); // deleted: AddressSanitizer reports any later touch
	EXPECT_EQ (move (30, 10), kMouseEventNotHandled);
	EXPECT_EQ (release (30, 10), kMouseEventNotHandled);
}

// Records the order of deletions in a tree.
struct DeletionLog : ViewListenerAdapter
{
	void viewWillDelete (CView* view) override
	{
		// Still whole while told.
		names.push_back (dynamic_cast<CKnob*> (view) ? "knob" : "container");
	}
	std::vector<std::string> names;
};

struct LoggedSubController : IController
{
	explicit LoggedSubController (std::vector<std::string>& names) : names (names) {}
	~LoggedSubController () override { names.push_back ("sub-controller"); }
	void valueChanged (CControl*) override {}
	std::vector<std::string>& names;
};

TEST_F (FrameTest, ContainerDeletesChildrenThenItsSubController)
{
	DeletionLog deletions;
	auto* container = new CViewContainer (CRect (0, 0, 100, 100));
	auto* first = new CKnob (CRect (0, 0, 10, 10));
	auto* second = new CKnob (CRect (10, 0, 20, 10));
	container->addView (first);
	container->addView (second);
	container->setSubController (new LoggedSubController (deletions.names));
	for (CView* view : {static_cast<CView*> (container), static_cast<CView*> (first),
	                    static_cast<CView*> (second)})
		view->registerViewListener (&deletions);
	frame->addView (container);
	frame->removeView (container);
	EXPECT_EQ (deletions.names,
	           (std::vector<std::string> {"knob", "knob", "container", "sub-controller"}));
}

TEST_F (FrameTest, ViewsTellTheirListenersOfAttachAndRemoval)
{
	struct Attachments : ViewListenerAdapter
	{
		void viewAttached (CView*) override { ++attached; }
		void viewRemoved (CView*) override { ++removed; }
		int attached = 0;
		int removed = 0;
	} attachments;
	auto* container = new CViewContainer (CRect (0, 0, 100, 100));
	auto* knob = new CKnob (CRect (0, 0, 10, 10));
	knob->registerViewListener (&attachments);
	container->addView (knob);
	EXPECT_EQ (attachments.attached, 0); // not in a frame yet
	EXPECT_EQ (knob->getFrame (), nullptr);
	frame->addView (container);
	EXPECT_EQ (attachments.attached, 1);
	EXPECT_EQ (knob->getFrame (), frame);
	EXPECT_EQ (knob->getParentView (), container);
	knob->remember ();
	container->removeView (knob);
	EXPECT_EQ (attachments.removed, 1);
	EXPECT_EQ (knob->getParentView (), nullptr);
	knob->unregisterViewListener (&attachments);
	knob->forget ();
}

TEST (ParamDisplayTest, TextFromItsFunctionElseFromItsPrecision)
{
	CParamDisplay display (CRect (0, 0, 80, 20));
	display.setValue (0.25f);
	EXPECT_EQ (display.getDisplayText (), "0.25");
	display.setPrecision (0);
	EXPECT_EQ (display.getDisplayText (), "0");
	display.setValueToStringFunction ([] (float value, std::string& result, CParamDisplay*) {
		if (value > 0.5f)
			return false;
		result = "low";
		return true;
	});
	EXPECT_EQ (display.getDisplayText (), "low");
	display.setValue (0.75f); // the function gives none
	EXPECT_EQ (display.getDisplayText (), "1");
}

} // namespace
