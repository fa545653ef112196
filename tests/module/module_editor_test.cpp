// The editor as a Linux host opens it from the built bundle: through the
// controller's createView, embedded in an X11 window id, its timers on the
// host frame's run loop, the description read from the bundle's resources.
#include "fakehostframe.h"
#include "moduleloader.h"

#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

const uint8_t kControllerCid[16] = {0x11, 0x00, 0x25, 0x6F, 0x4E, 0x20, 0x4D, 0xB1,
                                    0x99, 0x9D, 0x57, 0x11, 0xA7, 0xBF, 0xE2, 0x07};

TEST (EditorModuleTest, HostOpensSizesAndClosesTheEditor)
{
	LoadedModule module {builtModulePath ()};
	ASSERT_TRUE (module.ok ()) << module.error ();
	ASSERT_TRUE (module.enter ());
	{
		IPtr<IPluginFactory> factory = owned (module.factory ());
		ASSERT_TRUE (factory);
		IEditController* created = nullptr;
		ASSERT_EQ (factory->createInstance (reinterpret_cast<FIDString> (kControllerCid),
		                                    IEditController::iid,
		                                    reinterpret_cast<void**> (&created)),
		           kResultOk);
		IPtr<IEditController> controller = owned (created);
		HostApplication hostApplication;
		ASSERT_EQ (controller->initialize (&hostApplication), kResultOk);

		FakeHostFrame host;
		for (int round = 0; round < 3; ++round)
		{
			IPtr<IPlugView> view = owned (controller->createView (ViewType::kEditor));
			ASSERT_TRUE (view);
			EXPECT_EQ (view->isPlatformTypeSupported (kPlatformTypeX11EmbedWindowID), kResultTrue);
			EXPECT_EQ (view->setFrame (&host), kResultTrue);
			ViewRect size;
			ASSERT_EQ (view->getSize (&size), kResultTrue); // found in the bundle's Resources
			EXPECT_EQ (size.getWidth (), 680);
			EXPECT_EQ (size.getHeight (), 320);
			ASSERT_EQ (view->attached (reinterpret_cast<void*> (uintptr_t {0x1a00004}),
			                           kPlatformTypeX11EmbedWindowID),
			           kResultTrue);
			EXPECT_EQ (host.timers.size (), 1u);
			host.fire ();
			ASSERT_EQ (view->getSize (&size), kResultTrue);
			EXPECT_EQ (size.getWidth (), 680);
			EXPECT_EQ (view->removed (), kResultTrue);
			EXPECT_TRUE (host.timers.empty ());
			view->setFrame (nullptr);
		}
		EXPECT_EQ (host.registrations, 3);
		EXPECT_EQ (controller->createView ("other"), nullptr);
		controller->terminate ();
	}
	EXPECT_TRUE (module.leave ());
}

} // namespace
