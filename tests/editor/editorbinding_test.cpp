#include "editorfixture.h"

#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/controls/conoffbutton.h"
#include "vstgui/lib/controls/cparamdisplay.h"
#include "vstgui/lib/controls/cslider.h"
#include "vstgui/lib/controls/ctextlabel.h"
#include "vstgui/plugin-bindings/parameterchangelistener.h"

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace VSTGUI;

namespace {

class EditorBindingTest : public EditorTest
{
protected:
	void SetUp () override
	{
		EditorTest::SetUp ();
		controller->setKnobMode (Vst::kLinearMode);
	}
	void TearDown () override
	{
		if (editor)
			closeEditor (editor);
		EditorTest::TearDown ();
	}

	void open ()
	{
		editor = openEditor ();
		ASSERT_TRUE (editor);
		host.fire (); // the deferred updates
	}

	template <typename T>
	T* only (int32_t tag)
	{
		auto views = viewsOf<T> (rootOf (editor), tag);
		EXPECT_EQ (views.size (), 1u) << tag;
		return views.empty () ? nullptr : views.front ();
	}

	// Frame coordinates.
	CMouseEventResult press (CCoord x, CCoord y)
	{
		CPoint where (x, y);
		return editor->getFrame ()->onMouseDown (where, CButtonState (kLButton));
	}
	void move (CCoord x, CCoord y)
	{
		CPoint where (x, y);
		editor->getFrame ()->onMouseMoved (where, CButtonState (kLButton));
	}
	void release (CCoord x, CCoord y)
	{
		CPoint where (x, y);
		editor->getFrame ()->onMouseUp (where, CButtonState (kLButton));
	}

	VST3Editor* editor = nullptr;
};

TEST_F (EditorBindingTest, DisplaysShowTheParametersAfterTheDeferredUpdate)
{
	editor = openEditor ();
	ASSERT_TRUE (editor);
	const char* expected[] = {"0.00", "3.00", "25", "45", "0.40", "50", "100"};
	for (int32_t tag = 0; tag <= 6; ++tag)
	{
		CParamDisplay* display = only<CParamDisplay> (tag);
		ASSERT_TRUE (display);
		EXPECT_EQ (display->getValue (), 0.f) << tag; // nothing until the update comes
	}
	host.fire ();
	for (int32_t tag = 0; tag <= 6; ++tag)
	{
		CParamDisplay* display = only<CParamDisplay> (tag);
		EXPECT_EQ (display->getDisplayText (), expected[tag]) << tag;
		EXPECT_FLOAT_EQ (display->getDefaultValue (),
		                 controller->getParameterObject (tag)->getInfo ().defaultNormalizedValue);
	}
	for (int32_t tag : {7, 8})
	{
		COnOffButton* button = only<COnOffButton> (tag);
		ASSERT_TRUE (button);
		EXPECT_EQ (button->getValue (), 0.f);
		EXPECT_EQ (button->getMin (), 0.f);
		EXPECT_EQ (button->getMax (), 1.f);
	}
	EXPECT_TRUE (handler.edits.empty ());
}

TEST_F (EditorBindingTest, EveryTagReachesTheParameterOfThatIdentifier)
{
	open ();
	for (int32_t tag = 0; tag <= 8; ++tag)
	{
		ParameterChangeListener* listener = editor->getParameterChangeListener (tag);
		ASSERT_TRUE (listener) << tag;
		ASSERT_TRUE (listener->getParameter ()) << tag;
		EXPECT_EQ (listener->getParameter ()->getInfo ().id, static_cast<ParamID> (tag));
		for (CControl* control : viewsOf<CControl> (rootOf (editor), tag))
			EXPECT_TRUE (listener->containsControl (control)) << tag;
	}
	EXPECT_EQ (editor->getParameterChangeListener (-1), nullptr);
	EXPECT_EQ (editor->getParameterChangeListener (9), nullptr);
}

TEST_F (EditorBindingTest, HostChangesMoveTheControlsAndSendNothing)
{
	open ();
	ASSERT_EQ (controller->setParamNormalized (kDepthId, 0.5), kResultOk);
	CKnob* knob = only<CKnob> (kDepthId);
	ASSERT_TRUE (knob);
	EXPECT_EQ (knob->getValueNormalized (), 0.5f);
	EXPECT_EQ (only<CParamDisplay> (kDepthId)->getDisplayText (), "50");
	controller->setParamNormalized (kLevelId, 1.0);
	EXPECT_EQ (only<CSlider> (kLevelId)->getValue (), 1.f);
	EXPECT_EQ (only<CParamDisplay> (kLevelId)->getDisplayText (), "12.00");
	EXPECT_TRUE (handler.edits.empty ()); // continuous: nobody is told

	// A read-only parameter locks its controls on the next pass; the flag
	// gone, they open again.
	auto& info = controller->getParameterObject (kDepthId)->getInfo ();
	info.flags |= ParameterInfo::kIsReadOnly;
	controller->setParamNormalized (kDepthId, 0.25);
	EXPECT_FALSE (knob->getMouseEnabled ());
	EXPECT_FALSE (only<CParamDisplay> (kDepthId)->getMouseEnabled ());
	info.flags &= ~ParameterInfo::kIsReadOnly;
	controller->setParamNormalized (kDepthId, 0.5);
	EXPECT_TRUE (knob->getMouseEnabled ());
}

TEST_F (EditorBindingTest, KnobDragSendsBeginPerformsAndEnd)
{
	open ();
	CKnob* knob = only<CKnob> (kDelayId);
	ASSERT_TRUE (knob);
	const CPoint centre = knob->getViewSize ().getCenter ();
	EXPECT_EQ (press (centre.x, centre.y), kMouseEventHandled);
	move (centre.x, centre.y - 20);
	move (centre.x, centre.y - 40);
	move (centre.x, centre.y - 400); // beyond the end
	release (centre.x, centre.y - 400);

	ASSERT_EQ (handler.edits.size (), 5u);
	EXPECT_EQ (handler.edits.front ().kind, RecordingHandler::kBegin);
	EXPECT_EQ (handler.edits.back ().kind, RecordingHandler::kEnd);
	double last = 1. / 3.;
	for (size_t i = 0; i < handler.edits.size (); ++i)
	{
		const auto& edit = handler.edits[i];
		EXPECT_EQ (edit.id, kDelayId);
		if (i == 0 || i + 1 == handler.edits.size ())
			continue;
		EXPECT_EQ (edit.kind, RecordingHandler::kPerform);
		EXPECT_GT (edit.value, last);
		EXPECT_LE (edit.value, 1.);
		last = edit.value;
	}
	EXPECT_NEAR (handler.edits[1].value, 1. / 3. + 0.1, 1e-6);
	EXPECT_EQ (last, 1.);
	EXPECT_EQ (controller->getParamNormalized (kDelayId), 1.);
	EXPECT_EQ (only<CParamDisplay> (kDelayId)->getDisplayText (), "8.00");
}

TEST_F (EditorBindingTest, ButtonClickSendsOneEdit)
{
	open ();
	COnOffButton* button = only<COnOffButton> (kBypassId);
	ASSERT_TRUE (button);
	const CPoint centre = button->getViewSize ().getCenter ();
	EXPECT_EQ (press (centre.x, centre.y), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	ASSERT_EQ (handler.edits.size (), 3u);
	EXPECT_EQ (handler.edits[0].kind, RecordingHandler::kBegin);
	EXPECT_EQ (handler.edits[1].kind, RecordingHandler::kPerform);
	EXPECT_EQ (handler.edits[1].value, 1.);
	EXPECT_EQ (handler.edits[2].kind, RecordingHandler::kEnd);
	for (const auto& edit : handler.edits)
		EXPECT_EQ (edit.id, kBypassId);
	EXPECT_EQ (controller->getParamNormalized (kBypassId), 1.);
	EXPECT_EQ (controller->getParamNormalized (kThruNullId), 0.);
}

TEST_F (EditorBindingTest, ClosingMidDragEndsTheHostsEdit)
{
	open ();
	CKnob* knob = only<CKnob> (kRateId);
	const CPoint centre = knob->getViewSize ().getCenter ();
	press (centre.x, centre.y);
	move (centre.x, centre.y - 30);
	closeEditor (editor);
	editor = nullptr;
	ASSERT_FALSE (handler.edits.empty ());
	EXPECT_EQ (handler.edits.back ().kind, RecordingHandler::kEnd);
	EXPECT_EQ (handler.edits.back ().id, kRateId);
	// The value at the press was restored on the way out.
	EXPECT_NEAR (controller->getParamNormalized (kRateId), 0.2, 1e-6);
}

TEST_F (EditorBindingTest, AboutLineAnswersItsButtonOnly)
{
	open ();
	std::vector<CTextLabel*> aboutLabels;
	std::vector<COnOffButton*> aboutButtons;
	forEachView (rootOf (editor), [&] (CView* view) {
		if (view->asViewContainer () && view->getSubController ())
		{
			forEachView (view, [&] (CView* inner) {
				if (auto* label = dynamic_cast<CTextLabel*> (inner))
					aboutLabels.push_back (label);
				if (auto* button = dynamic_cast<COnOffButton*> (inner))
					aboutButtons.push_back (button);
			});
		}
	});
	ASSERT_EQ (aboutLabels.size (), 1u);
	ASSERT_EQ (aboutButtons.size (), 1u);
	EXPECT_EQ (aboutLabels[0]->getText (), "");
	CPoint where = aboutButtons[0]->getViewSize ().getCenter ();
	// The button's rectangle is in its container's coordinates.
	CView* container = aboutButtons[0]->getParentView ();
	where.offset (container->getViewSize ().left, container->getViewSize ().top);
	press (where.x, where.y);
	EXPECT_EQ (aboutLabels[0]->getText ().getString (), "3.1.0, VST3 x86_64-Linux  ");
	press (where.x, where.y);
	EXPECT_EQ (aboutLabels[0]->getText (), "");
	EXPECT_TRUE (handler.edits.empty ()); // bound to no parameter
	host.fire ();
	EXPECT_EQ (aboutLabels[0]->getText (), "");
}

TEST_F (EditorBindingTest, LabelsAndTagsWithoutParameters)
{
	controller->descriptionFile = writeDescription (
	    "labels.uidesc",
	    descriptionWith ("<view class=\"CTextLabel\" control-tag=\"Bypass\" size=\"50, 20\" title=\"x\"/>"
	                     "<view class=\"CKnob\" control-tag=\"Spare\" origin=\"0, 50\" size=\"40, 40\"/>"
	                     "<view class=\"CKnob\" control-tag=\"Spare\" origin=\"50, 50\" size=\"40, 40\"/>"
	                     "<view class=\"CParamDisplay\" control-tag=\"Spare\" origin=\"100, 50\" "
	                     "size=\"40, 20\"/>"));
	open ();
	CTextLabel* label = only<CTextLabel> (kBypassId);
	ASSERT_TRUE (label);
	EXPECT_EQ (label->getText (), "Off");
	controller->setParamNormalized (kBypassId, 1.0);
	EXPECT_EQ (label->getText (), "On");

	// Tag 42 names no parameter: its controls follow each other only.
	auto knobs = viewsOf<CKnob> (rootOf (editor), 42);
	ASSERT_EQ (knobs.size (), 2u);
	ParameterChangeListener* spare = editor->getParameterChangeListener (42);
	ASSERT_TRUE (spare);
	EXPECT_EQ (spare->getParameter (), nullptr);
	EXPECT_EQ (spare->getParameterID (), 42u);
	press (20, 70);
	move (20, 50);
	release (20, 50);
	EXPECT_FLOAT_EQ (knobs[0]->getValueNormalized (), 0.1f);
	EXPECT_FLOAT_EQ (knobs[1]->getValueNormalized (), 0.1f);
	EXPECT_EQ (only<CParamDisplay> (42)->getDisplayText (), "0.10"); // no text from the controller
	EXPECT_TRUE (handler.edits.empty ());
}

TEST_F (EditorBindingTest, KnobModeIsTheHostsKnobMode)
{
	open ();
	EXPECT_EQ (editor->getKnobMode (), VSTGUI::kLinearMode);
	controller->setKnobMode (Vst::kCircularMode);
	EXPECT_EQ (editor->getFrame ()->getKnobMode (), VSTGUI::kCircularMode);
	controller->setKnobMode (Vst::kRelativCircularMode);
	EXPECT_EQ (editor->getKnobMode (), VSTGUI::kRelativCircularMode);
	controller->setKnobMode (Vst::kLinearMode);
}

} // namespace
