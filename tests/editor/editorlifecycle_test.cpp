#include "editorfixture.h"

#include "vstgui/lib/controls/cparamdisplay.h"
#include "vstgui/lib/controls/ctextlabel.h"
#include "vstgui/lib/platform/linux/x11runloop.h"

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace VSTGUI;

namespace {

TEST_F (EditorTest, RefusesParentsItCannotServe)
{
	IPtr<IPlugView> view = owned (controller->createView (ViewType::kEditor));
	ASSERT_TRUE (view);
	view->setFrame (&host);
	EXPECT_EQ (view->isPlatformTypeSupported (kPlatformTypeX11EmbedWindowID), kResultTrue);
	for (FIDString type : {kPlatformTypeHWND, kPlatformTypeNSView, "x11embedwindowid"})
		EXPECT_EQ (view->isPlatformTypeSupported (type), kResultFalse) << type;
	EXPECT_EQ (view->isPlatformTypeSupported (nullptr), kResultFalse);

	ViewRect size;
	ASSERT_EQ (view->getSize (&size), kResultTrue); // before attached: the template's size
	EXPECT_EQ (size.getWidth (), 680);
	EXPECT_EQ (size.getHeight (), 320);
	EXPECT_EQ (view->getSize (nullptr), kInvalidArgument);

	EXPECT_EQ (view->attached (nullptr, kPlatformTypeX11EmbedWindowID), kResultFalse);
	EXPECT_EQ (view->attached (fakeX11Window (), kPlatformTypeHWND), kResultFalse);
	EXPECT_EQ (view->attached (fakeX11Window (), nullptr), kResultFalse);
	auto* editor = static_cast<VST3Editor*> (view.get ());
	EXPECT_EQ (editor->getFrame (), nullptr);
	EXPECT_TRUE (host.timers.empty ());
	EXPECT_TRUE (controller->aboutControllers.empty ());
	EXPECT_EQ (controller->opened, 0);
	EXPECT_EQ (view->removed (), kResultFalse);
	view->setFrame (nullptr);
}

TEST_F (EditorTest, BrokenDescriptionsOpenNothingAndLeaveNothing)
{
	const std::string aboutAndKnob = "<view class=\"CViewContainer\" sub-controller=\"AboutController\">"
	                                 "<view class=\"CTextLabel\"/><view class=\"COnOffButton\"/></view>"
	                                 "<view class=\"CKnob\" control-tag=\"Depth\"/>";
	const std::string files[] = {
	    ::testing::TempDir () + "absent.uidesc",
	    writeDescription ("broken.uidesc", descriptionWith (aboutAndKnob).substr (0, 300)),
	    writeDescription ("noview.uidesc",
	                      "<vstgui-ui-description><template name=\"other\" size=\"10, 10\"/>"
	                      "</vstgui-ui-description>"),
	    writeDescription ("nosize.uidesc", "<vstgui-ui-description><template name=\"view\"/>"
	                                       "</vstgui-ui-description>"),
	    writeDescription ("huge.uidesc", "<vstgui-ui-description><template name=\"view\" "
	                                     "size=\"1e12, 1e12\"/></vstgui-ui-description>"),
	    writeDescription ("noclass.uidesc",
	                      "<vstgui-ui-description><template name=\"view\" class=\"CNothing\" "
	                      "sub-controller=\"AboutController\" size=\"100, 100\">" +
	                          aboutAndKnob + "</template></vstgui-ui-description>"),
	};
	for (const std::string& file : files)
	{
		controller->descriptionFile = file;
		IPtr<IPlugView> view = owned (controller->createView (ViewType::kEditor));
		ASSERT_TRUE (view);
		view->setFrame (&host);
		ViewRect size;
		if (file.find ("noclass") == std::string::npos)
		{
			EXPECT_EQ (view->getSize (&size), kResultFalse) << file;
		}
		EXPECT_EQ (view->attached (fakeX11Window (), kPlatformTypeX11EmbedWindowID), kResultFalse)
		    << file;
		EXPECT_EQ (static_cast<VST3Editor*> (view.get ())->getFrame (), nullptr);
		EXPECT_TRUE (host.timers.empty ()) << file;
		EXPECT_TRUE (controller->aboutControllers.empty ()) << file;
		EXPECT_EQ (view->removed (), kResultFalse);
		view->setFrame (nullptr);
	}
	EXPECT_EQ (controller->opened, 0);
}

TEST_F (EditorTest, OpensAndClosesTwoHundredTimes)
{
	for (int cycle = 0; cycle < 200; ++cycle)
	{
		VST3Editor* editor = openEditor ();
		ASSERT_TRUE (editor);
		ViewRect size;
		ASSERT_EQ (editor->getSize (&size), kResultTrue);
		ASSERT_EQ (size.getWidth (), 680);
		ASSERT_EQ (controller->aboutControllers.size (), 1u);
		ASSERT_EQ (host.timers.size (), 1u); // the idle timer
		host.fire ();
		closeEditor (editor);
		ASSERT_TRUE (host.timers.empty ());
		ASSERT_TRUE (controller->aboutControllers.empty ());
		ASSERT_EQ (controller->getRefCount (), controllerReferences);
	}
	EXPECT_EQ (host.registrations, 200);
	EXPECT_EQ (controller->opened, 200);
	EXPECT_EQ (controller->closed, 200);
}

TEST_F (EditorTest, TwoEditorsAtOnceKeepApart)
{
	FakeHostFrame secondHost;
	VST3Editor* first = openEditor ();
	VST3Editor* second = openEditor (&secondHost);
	ASSERT_TRUE (first && second);
	ASSERT_EQ (controller->aboutControllers.size (), 2u);
	auto* secondAbout = controller->aboutControllers[1];
	EXPECT_EQ (host.timers.size () + secondHost.timers.size (), 2u);
	EXPECT_NE (rootOf (first), rootOf (second));

	closeEditor (first);
	EXPECT_EQ (controller->aboutControllers, std::vector<TestEditController::AboutController*> {secondAbout});
	// The second still follows the parameters, its timer on whichever run
	// loop is left.
	controller->setParamNormalized (kMixId, 0.5);
	host.fire ();
	secondHost.fire ();
	auto displays = viewsOf<CParamDisplay> (rootOf (second), kMixId);
	ASSERT_EQ (displays.size (), 1u);
	EXPECT_EQ (displays[0]->getDisplayText (), "50");
	closeEditor (second);
	EXPECT_TRUE (secondHost.timers.empty ());
}

TEST_F (EditorTest, AnyOrderOfCallsIsSafe)
{
	// Attached twice: the second parent replaces the first.
	VST3Editor* editor = openEditor ();
	ASSERT_TRUE (editor);
	EXPECT_EQ (editor->attached (fakeX11Window (), kPlatformTypeX11EmbedWindowID), kResultTrue);
	EXPECT_EQ (controller->aboutControllers.size (), 1u);
	EXPECT_EQ (host.timers.size (), 1u);
	EXPECT_EQ (controller->opened, 2);
	EXPECT_EQ (controller->closed, 1);
	EXPECT_EQ (editor->removed (), kResultTrue);
	EXPECT_EQ (editor->removed (), kResultFalse);
	editor->release ();

	// The last release without removed: the views go before the controller.
	editor = openEditor ();
	ASSERT_TRUE (editor);
	editor->release ();
	EXPECT_TRUE (controller->aboutControllers.empty ());
	EXPECT_TRUE (host.timers.empty ());

	// Released without ever being attached.
	IPlugView* view = controller->createView (ViewType::kEditor);
	ASSERT_TRUE (view);
	view->release ();
}

TEST_F (EditorTest, WithoutARunLoopTestsFireTheTimers)
{
	host.offersRunLoop = false;
	const size_t before = X11::RunLoop::instance ().countTimers ();
	VST3Editor* editor = openEditor ();
	ASSERT_TRUE (editor);
	EXPECT_EQ (X11::RunLoop::instance ().countTimers (), before + 1);
	auto displays = viewsOf<CParamDisplay> (rootOf (editor), kLevelId);
	ASSERT_EQ (displays.size (), 1u);
	X11::RunLoop::instance ().fireUnhostedTimers ();
	EXPECT_EQ (displays[0]->getDisplayText (), "0.00");
	closeEditor (editor);
	EXPECT_EQ (X11::RunLoop::instance ().countTimers (), before);
}

TEST_F (EditorTest, OtherViewNamesOpenNoEditor)
{
	EXPECT_EQ (controller->createView ("Editor"), nullptr);
	EXPECT_EQ (controller->createView (nullptr), nullptr);
}

} // namespace
