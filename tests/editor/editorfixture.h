// An edit controller with a component handler and a host frame with a run
// loop, and the editor opened for them as a Linux host would.
#pragma once

#include "descriptionfiles.h"
#include "fakehostframe.h"
#include "recordinghandler.h"
#include "testeditcontroller.h"

#include "vstgui/lib/cframe.h"
#include "vstgui/lib/platform/linux/x11platform.h"

#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <gtest/gtest.h>

namespace Steinberg {
namespace Vst {

// A window id that no X server hands out (the protocol keeps the top three
// bits of every id clear): where the tests have a display, the editor must
// not open inside some other client's window, such as a window test's host
// running beside them.
inline void* fakeX11Window () { return reinterpret_cast<void*> (uintptr_t {0xe0000012}); }

class EditorTest : public ::testing::Test
{
protected:
	void SetUp () override
	{
		VSTGUI::X11::Platform::setResourcePath (DERAZID_RESOURCES_DIR);
		ASSERT_EQ (controller->initialize (&hostApplication), kResultOk);
		ASSERT_EQ (controller->setComponentHandler (&handler), kResultTrue);
		controllerReferences = controller->getRefCount ();
	}

	void TearDown () override
	{
		EXPECT_EQ (controller->getRefCount (), controllerReferences);
		EXPECT_TRUE (controller->aboutControllers.empty ());
		EXPECT_TRUE (host.timers.empty ());
		controller->terminate ();
		controller->release ();
		VSTGUI::X11::Platform::setResourcePath ("");
	}

	// The editor as the host gets it: created, given the frame, attached.
	VSTGUI::VST3Editor* openEditor (FakeHostFrame* frame = nullptr)
	{
		IPlugView* view = controller->createView (ViewType::kEditor);
		EXPECT_TRUE (view);
		if (!view)
			return nullptr;
		view->setFrame (frame ? frame : &host);
		EXPECT_EQ (view->attached (fakeX11Window (), kPlatformTypeX11EmbedWindowID), kResultTrue);
		return static_cast<VSTGUI::VST3Editor*> (view);
	}

	void closeEditor (IPlugView* view)
	{
		EXPECT_EQ (view->removed (), kResultTrue);
		view->setFrame (nullptr);
		view->release ();
	}

	// The editor's view tree.
	static VSTGUI::CView* rootOf (VSTGUI::VST3Editor* editor)
	{
		return editor && editor->getFrame () ? editor->getFrame ()->getView (0) : nullptr;
	}

	TestEditController* controller = new TestEditController;
	HostApplication hostApplication;
	RecordingHandler handler;
	FakeHostFrame host;
	int32 controllerReferences = 0;
};

} // namespace Vst
} // namespace Steinberg
