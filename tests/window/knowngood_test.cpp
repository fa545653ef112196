// The test host itself, checked on a third-party editor known to embed in a
// Linux host: it must give that editor a window it draws into, drive it with
// the run loop, read back what it drew, and see everything unregistered at
// removed. Only then do the window tests of our own editor mean something.
#include "modulewindowfixture.h"

#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"

#include <sys/stat.h>

#include <cstring>

namespace Steinberg {
namespace {

const char* const kKnownGoodModule = "/usr/lib/vst3/ZamComp.vst3/Contents/x86_64-linux/ZamComp.so";

bool fileExists (const char* path)
{
	struct stat info {};
	return stat (path, &info) == 0;
}

// The class of the category, first of all.
bool findClass (IPluginFactory& factory, const char* category, TUID cid)
{
	for (int32 i = 0; i < factory.countClasses (); ++i)
	{
		PClassInfo info {};
		if (factory.getClassInfo (i, &info) == kResultOk && std::strcmp (info.category, category) == 0)
		{
			std::memcpy (cid, info.cid, sizeof (TUID));
			return true;
		}
	}
	return false;
}

// The edit controller: its own class, or the component that is one too.
IPtr<Vst::IEditController> createEditController (IPluginFactory& factory)
{
	TUID cid {};
	void* created = nullptr;
	if (findClass (factory, kVstComponentControllerClass, cid) &&
	    factory.createInstance (cid, Vst::IEditController::iid, &created) == kResultOk && created)
		return owned (static_cast<Vst::IEditController*> (created));
	if (!findClass (factory, kVstAudioEffectClass, cid) ||
	    factory.createInstance (cid, FUnknown::iid, &created) != kResultOk || !created)
		return nullptr;
	IPtr<FUnknown> component = owned (static_cast<FUnknown*> (created));
	Vst::IEditController* controller = nullptr;
	if (component->queryInterface (Vst::IEditController::iid, reinterpret_cast<void**> (&controller)) !=
	    kResultOk)
		return nullptr;
	return owned (controller);
}

TEST (KnownGoodEditorTest, HostEmbedsDrivesAndReadsBackAThirdPartyEditor)
{
	X11TestHost host;
	DERAZID_NEED_DISPLAY (host);
	if (!fileExists (kKnownGoodModule))
	{
		if (X11TestHost::displayRequired ())
			FAIL () << kKnownGoodModule << " missing: the install step installs zam-plugins";
		GTEST_SKIP () << kKnownGoodModule << " missing";
	}
	LoadedModule module (kKnownGoodModule);
	ASSERT_TRUE (module.ok ()) << module.error ();
	ASSERT_TRUE (module.enter ());
	{
		IPtr<IPluginFactory> factory = owned (module.factory ());
		ASSERT_TRUE (factory);
		IPtr<Vst::IEditController> controller = createEditController (*factory);
		ASSERT_TRUE (controller);
		Vst::HostApplication hostApplication;
		ASSERT_EQ (controller->initialize (&hostApplication), kResultOk);

		IPtr<IPlugView> view = owned (controller->createView (Vst::ViewType::kEditor));
		ASSERT_TRUE (view);
		ASSERT_EQ (view->isPlatformTypeSupported (kPlatformTypeX11EmbedWindowID), kResultTrue);
		EXPECT_EQ (view->setFrame (&host), kResultTrue);
		ViewRect size;
		ASSERT_EQ (view->getSize (&size), kResultTrue);
		ASSERT_GT (size.getWidth (), 0);
		ASSERT_GT (size.getHeight (), 0);
		const XWindowId parent = host.createParent (0, 0, size.getWidth (), size.getHeight ());
		ASSERT_EQ (view->attached (reinterpret_cast<void*> (parent), kPlatformTypeX11EmbedWindowID),
		           kResultOk);

		// It embeds a window of its own, drives it from our run loop, and we
		// read back what it drew.
		Picture picture;
		host.runUntil (
		    [&] {
			    picture = host.screenshot (parent);
			    return !host.childrenOf (parent).empty () && !picture.empty () &&
			           picture.countColors () > 10;
		    },
		    5000);
		EXPECT_FALSE (host.childrenOf (parent).empty ());
		EXPECT_GE (host.timerRegistrations + host.eventHandlerRegistrations, 1);
		ASSERT_FALSE (picture.empty ());
		EXPECT_TRUE (savePng (picture, screenshotPath ("known-good-editor.png")));
		EXPECT_GT (picture.countColors (), 10u);

		EXPECT_EQ (view->removed (), kResultOk);
		EXPECT_EQ (host.timerCount (), 0u);
		EXPECT_EQ (host.eventHandlerCount (), 0u);
		view->setFrame (nullptr);
		view = nullptr;
		controller->terminate ();
	}
	EXPECT_TRUE (module.leave ());
}

} // namespace
} // namespace Steinberg
