// The controller's editor side: the editor it creates from the shipped
// description, the about-line sub-controllers it hands out and its delegate
// defaults.
#include "controllertesting.h"
#include "descriptionfiles.h"
#include "fakehostframe.h"
#include "recordinghandler.h"

#include "common/plugparamids.h"
#include "controller/plugaboutcontroller.h"
#include "controller/plugcontroller.h"

#include "vstgui/lib/cframe.h"
#include "vstgui/lib/controls/conoffbutton.h"
#include "vstgui/lib/controls/cparamdisplay.h"
#include "vstgui/lib/controls/ctextlabel.h"
#include "vstgui/lib/platform/linux/x11platform.h"
#include "vstgui/plugin-bindings/vst3editor.h"
#include "vstgui/uidescription/uiattributes.h"

#include "public.sdk/source/vst/hosting/hostclasses.h"
#include "pluginterfaces/vst/ivsthostapplication.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace VSTGUI;

namespace {

// The controller with its list of sub-controllers open to the tests.
class ProbedController : public PlugController
{
public:
	using PlugController::aboutControllers;
};

using About = PlugAboutController<PlugController>;

// A host context that may say it is the AU wrapper.
class WrapperContext : public HostApplication, public IVst3ToAUWrapper
{
public:
	enum Answer
	{
		kNone,
		kInterface,
		kOkWithoutPointer,
		kPointerWithoutOk
	};

	tresult PLUGIN_API queryInterface (const TUID iid, void** obj) override
	{
		if (FUnknownPrivate::iidEqual (iid, IVst3ToAUWrapper::iid))
		{
			++queries;
			switch (answer)
			{
				case kInterface:
					++references;
					*obj = static_cast<IVst3ToAUWrapper*> (this);
					return kResultOk;
				case kOkWithoutPointer: *obj = nullptr; return kResultOk;
				case kPointerWithoutOk:
					++references;
					*obj = static_cast<IVst3ToAUWrapper*> (this);
					return kResultFalse;
				case kNone: break;
			}
			*obj = nullptr;
			return kNoInterface;
		}
		return HostApplication::queryInterface (iid, obj);
	}
	uint32 PLUGIN_API addRef () override { return ++references; }
	uint32 PLUGIN_API release () override { return --references; }

	Answer answer = kNone;
	int queries = 0;
	int references = 0;
};

void* fakeWindow () { return reinterpret_cast<void*> (uintptr_t {0x4e00031}); }

class PlugControllerEditorTest : public ::testing::Test
{
protected:
	void SetUp () override
	{
		X11::Platform::setResourcePath (DERAZID_RESOURCES_DIR);
		ASSERT_EQ (controller->initialize (static_cast<IHostApplication*> (&context)), kResultOk);
		ASSERT_EQ (controller->setComponentHandler (&handler), kResultTrue);
		references = controller->getRefCount ();
	}
	void TearDown () override
	{
		EXPECT_EQ (controller->getRefCount (), references);
		EXPECT_TRUE (controller->aboutControllers.empty ());
		EXPECT_TRUE (host.timers.empty ());
		controller->terminate ();
		controller->release ();
		X11::Platform::setResourcePath ("");
	}

	VST3Editor* open (FakeHostFrame& frame)
	{
		IPlugView* view = controller->createView ("editor");
		EXPECT_TRUE (view);
		if (!view)
			return nullptr;
		view->setFrame (&frame);
		EXPECT_EQ (view->attached (fakeWindow (), kPlatformTypeX11EmbedWindowID), kResultTrue);
		return static_cast<VST3Editor*> (view);
	}
	static void close (IPlugView* view)
	{
		EXPECT_EQ (view->removed (), kResultTrue);
		view->release ();
	}
	static CView* rootOf (VST3Editor* editor) { return editor->getFrame ()->getView (0); }

	// The about line's label and button in an open editor.
	static std::pair<CTextLabel*, COnOffButton*> aboutLine (VST3Editor* editor)
	{
		std::pair<CTextLabel*, COnOffButton*> found {};
		forEachView (rootOf (editor), [&] (CView* view) {
			if (!view->getSubController ())
				return;
			forEachView (view, [&] (CView* inner) {
				if (auto* label = dynamic_cast<CTextLabel*> (inner))
					found.first = label;
				if (auto* button = dynamic_cast<COnOffButton*> (inner))
					found.second = button;
			});
		});
		return found;
	}

	static void click (COnOffButton* button)
	{
		CPoint where = button->getViewSize ().getCenter ();
		button->onMouseDown (where, CButtonState (kLButton));
	}

	ProbedController* controller = new ProbedController;
	WrapperContext context;
	RecordingHandler handler;
	FakeHostFrame host;
	int32 references = 0;
};

TEST_F (PlugControllerEditorTest, EditorShowsTheParametersAndTheAboutLine)
{
	controller->setKnobMode (Vst::kCircularMode);
	VST3Editor* editor = open (host);
	ASSERT_TRUE (editor);
	EXPECT_EQ (EditController::getHostKnobMode (), Vst::kLinearMode);
	EXPECT_EQ (editor->getKnobMode (), VSTGUI::kLinearMode);
	EXPECT_EQ (controller->getRefCount (), references + 1); // the editor's reference
	EXPECT_EQ (editor->getDelegate (), static_cast<VST3EditorDelegate*> (controller));
	ViewRect size;
	ASSERT_EQ (editor->getSize (&size), kResultTrue);
	EXPECT_GT (size.getWidth (), 0);

	host.fire ();
	const char* expected[] = {"0.00", "3.00", "25", "45", "0.40", "50", "100"};
	for (int32_t tag = 0; tag <= 6; ++tag)
	{
		auto displays = viewsOf<CParamDisplay> (rootOf (editor), tag);
		ASSERT_EQ (displays.size (), 1u) << tag;
		EXPECT_EQ (displays[0]->getDisplayText (), expected[tag]) << tag;
	}

	ASSERT_EQ (controller->aboutControllers.size (), 1u);
	auto line = aboutLine (editor);
	ASSERT_TRUE (line.first && line.second);
	EXPECT_EQ (line.first->getText (), "");
	click (line.second);
	EXPECT_EQ (line.first->getText ().getString (), "3.1.0, VST3 x86_64-Linux  ");
	EXPECT_TRUE (handler.edits.empty ());
	close (editor);
}

TEST_F (PlugControllerEditorTest, OpensAndClosesTwoHundredTimesAndTwoAtOnce)
{
	for (int cycle = 0; cycle < 200; ++cycle)
	{
		VST3Editor* editor = open (host);
		ASSERT_TRUE (editor);
		host.fire ();
		close (editor);
		ASSERT_TRUE (controller->aboutControllers.empty ());
		ASSERT_TRUE (host.timers.empty ());
		ASSERT_EQ (controller->getRefCount (), references);
	}
	FakeHostFrame otherHost;
	VST3Editor* first = open (host);
	VST3Editor* second = open (otherHost);
	ASSERT_TRUE (first && second);
	ASSERT_EQ (controller->aboutControllers.size (), 2u);
	About* secondAbout = controller->aboutControllers[1];
	close (first);
	EXPECT_EQ (controller->aboutControllers, std::vector<About*> {secondAbout});
	close (second);
	EXPECT_TRUE (otherHost.timers.empty ());
}

TEST_F (PlugControllerEditorTest, AboutLineNamesTheFormatTheHostContextGives)
{
	struct Case
	{
		WrapperContext::Answer answer;
		const char* line;
	};
	const Case cases[] = {
	    {WrapperContext::kNone, "3.1.0, VST3 x86_64-Linux  "},
	    {WrapperContext::kInterface, "3.1.0, AU x86_64-Linux  "},
	    {WrapperContext::kOkWithoutPointer, "3.1.0, VST3 x86_64-Linux  "},
	    {WrapperContext::kPointerWithoutOk, "3.1.0, VST3 x86_64-Linux  "},
	};
	for (const Case& c : cases)
	{
		context.answer = c.answer;
		const int before = context.references;
		IController* sub = controller->createSubController ("AboutController", nullptr, nullptr);
		ASSERT_TRUE (sub);
		if (c.answer == WrapperContext::kInterface)
		{
			EXPECT_EQ (context.references, before); // the wrapper given back
		}
		CTextLabel label (CRect (0, 0, 100, 20));
		COnOffButton button (CRect (0, 0, 20, 20));
		button.setValue (1.f);
		UIAttributes attributes;
		sub->verifyView (&label, attributes, nullptr);
		sub->verifyView (&button, attributes, nullptr);
		EXPECT_EQ (label.getText ().getString (), c.line) << c.answer;
		delete sub;
		context.references = before;
	}
	EXPECT_EQ (context.queries, 4);
}

TEST_F (PlugControllerEditorTest, AboutLineWithoutAHostContextSaysVST3)
{
	ProbedController* bare = new ProbedController;
	ASSERT_EQ (bare->initialize (nullptr), kResultOk);
	IController* sub = bare->createSubController ("AboutController", nullptr, nullptr);
	ASSERT_TRUE (sub);
	CTextLabel label (CRect (0, 0, 100, 20));
	COnOffButton button (CRect (0, 0, 20, 20));
	button.setValue (1.f);
	UIAttributes attributes;
	sub->verifyView (&label, attributes, nullptr);
	sub->verifyView (&button, attributes, nullptr);
	EXPECT_EQ (label.getText ().getString (), "3.1.0, VST3 x86_64-Linux  ");
	delete sub;
	EXPECT_TRUE (bare->aboutControllers.empty ());
	bare->terminate ();
	bare->release ();
}

TEST_F (PlugControllerEditorTest, OnlyAboutControllerIsOffered)
{
	for (const char* name : {"aboutcontroller", "AboutController ", "About", ""})
		EXPECT_EQ (controller->createSubController (name, nullptr, nullptr), nullptr) << name;
	EXPECT_EQ (controller->createSubController (nullptr, nullptr, nullptr), nullptr);
	EXPECT_TRUE (controller->aboutControllers.empty ());
	EXPECT_EQ (context.queries, 0);

	// In creation order; deleting one leaves the others as they stood.
	std::vector<IController*> made;
	for (int i = 0; i < 3; ++i)
		made.push_back (controller->createSubController ("AboutController", nullptr, nullptr));
	ASSERT_EQ (controller->aboutControllers.size (), 3u);
	for (int i = 0; i < 3; ++i)
		EXPECT_EQ (static_cast<IController*> (controller->aboutControllers[i]), made[i]);
	delete made[1];
	ASSERT_EQ (controller->aboutControllers.size (), 2u);
	EXPECT_EQ (static_cast<IController*> (controller->aboutControllers[0]), made[0]);
	EXPECT_EQ (static_cast<IController*> (controller->aboutControllers[1]), made[2]);
	delete made[0];
	delete made[2];
}

TEST_F (PlugControllerEditorTest, RestoredStateSwitchingBypassOnSendsOnePerformEdit)
{
	VST3Editor* editor = open (host);
	ASSERT_TRUE (editor);
	host.fire ();
	ASSERT_TRUE (handler.edits.empty ());

	// Every continuous value moves too, but only the switch comes back.
	const PlugParamBlock stored {0.1, 0.9, 0.8, 0.7, 0.6, 0.05, 0.3, false, true};
	ASSERT_EQ (controller->setComponentState (streamOf (recordOf (stored))), kResultOk);
	ASSERT_EQ (handler.edits.size (), 1u);
	EXPECT_EQ (handler.edits[0].kind, RecordingHandler::kPerform);
	EXPECT_EQ (handler.edits[0].id, kBypassId);
	EXPECT_EQ (handler.edits[0].value, 1.);
	auto buttons = viewsOf<COnOffButton> (rootOf (editor), kBypassId);
	ASSERT_EQ (buttons.size (), 1u);
	EXPECT_EQ (buttons[0]->getValue (), 1.f);

	// The same record again changes nothing and sends nothing.
	ASSERT_EQ (controller->setComponentState (streamOf (recordOf (stored))), kResultOk);
	host.fire ();
	EXPECT_EQ (handler.edits.size (), 1u);

	// Thru Null on, Bypass off: one each.
	const PlugParamBlock next {0.1, 0.9, 0.8, 0.7, 0.6, 0.05, 0.3, true, false};
	ASSERT_EQ (controller->setComponentState (streamOf (recordOf (next))), kResultOk);
	ASSERT_EQ (handler.edits.size (), 3u);
	EXPECT_EQ (handler.edits[1].id, kThruNullId);
	EXPECT_EQ (handler.edits[1].value, 1.);
	EXPECT_EQ (handler.edits[2].id, kBypassId);
	EXPECT_EQ (handler.edits[2].value, 0.);
	for (const auto& edit : handler.edits)
		EXPECT_EQ (edit.kind, RecordingHandler::kPerform);
	close (editor);
}

TEST_F (PlugControllerEditorTest, DelegateKeepsTheToolkitDefaults)
{
	VST3EditorDelegate& delegate = *controller;
	UIAttributes attributes;
	CTextLabel label (CRect (0, 0, 10, 10));
	EXPECT_EQ (delegate.verifyView (&label, attributes, nullptr, nullptr), &label);
	EXPECT_EQ (delegate.createCustomView ("x", attributes, nullptr, nullptr), nullptr);
	ParamID id = 77;
	EXPECT_FALSE (delegate.findParameter (CPoint (1, 1), id, nullptr));
	EXPECT_EQ (id, 77u);
	EXPECT_FALSE (delegate.isPrivateParameter (kBypassId));
	EXPECT_EQ (delegate.createContextMenu (CPoint (), nullptr), nullptr);
	delegate.didOpen (nullptr);
	delegate.willClose (nullptr);

	// Not among the interfaces a host can ask for.
	EXPECT_STREQ (controller->isA (), "EditController");
	void* object = reinterpret_cast<void*> (1);
	const TUID unknownIid = {1, 2, 3, 4};
	EXPECT_EQ (controller->queryInterface (unknownIid, &object), kNoInterface);
	EXPECT_EQ (object, nullptr);
}

} // namespace
