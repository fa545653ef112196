// The built bundle loaded as a Linux host loads it, with an X11 host around
// it: the controller initialized with a component handler that records the
// edits, and editors opened in top-level windows of the host.
#pragma once

#include "moduleloader.h"
#include "recordinghandler.h"
#include "x11testhost.h"

#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <gtest/gtest.h>

#include <memory>

namespace Steinberg {

const uint8_t kDerazidControllerCid[16] = {0x11, 0x00, 0x25, 0x6F, 0x4E, 0x20, 0x4D, 0xB1,
                                           0x99, 0x9D, 0x57, 0x11, 0xA7, 0xBF, 0xE2, 0x07};

constexpr int kEditorWidth = 680;
constexpr int kEditorHeight = 320;

// Skips the test without a display, unless one is required.
#define DERAZID_NEED_DISPLAY(host)                                                     \
	do                                                                                 \
	{                                                                                  \
		if (!(host).ok ())                                                             \
		{                                                                              \
			if (X11TestHost::displayRequired ())                                       \
				FAIL () << "no X display, and DERAZID_REQUIRE_DISPLAY is set";         \
			GTEST_SKIP () << "no X display";                                           \
		}                                                                              \
	} while (false)

class ModuleWindowTest : public ::testing::Test
{
protected:
	void SetUp () override
	{
		DERAZID_NEED_DISPLAY (host);
		module = std::make_unique<LoadedModule> (builtModulePath ());
		ASSERT_TRUE (module->ok ()) << module->error ();
		ASSERT_TRUE (module->enter ());
		factory = owned (module->factory ());
		ASSERT_TRUE (factory);
		controller = createController ();
		ASSERT_TRUE (controller);
	}

	void TearDown () override
	{
		for (auto& c : controllers)
			c->terminate ();
		controllers.clear ();
		controller = nullptr;
		factory = nullptr;
		if (module)
		{
			EXPECT_TRUE (module->leave ());
		}
		module.reset ();
	}

	IPtr<Vst::IEditController> createController ()
	{
		Vst::IEditController* created = nullptr;
		if (factory->createInstance (reinterpret_cast<FIDString> (kDerazidControllerCid),
		                             Vst::IEditController::iid,
		                             reinterpret_cast<void**> (&created)) != kResultOk)
			return nullptr;
		IPtr<Vst::IEditController> result = owned (created);
		if (result->initialize (&hostApplication) != kResultOk)
			return nullptr;
		result->setComponentHandler (&handler);
		controllers.push_back (result);
		return result;
	}

	// The editor embedded in the parent, as a host opens it.
	IPtr<IPlugView> openEditor (XWindowId parent, Vst::IEditController* of = nullptr)
	{
		IPtr<IPlugView> view = owned ((of ? of : controller.get ())->createView (Vst::ViewType::kEditor));
		EXPECT_TRUE (view);
		if (!view)
			return nullptr;
		EXPECT_EQ (view->setFrame (&host), kResultTrue);
		EXPECT_EQ (view->attached (reinterpret_cast<void*> (parent), kPlatformTypeX11EmbedWindowID),
		           kResultTrue);
		return view;
	}

	void closeEditor (IPtr<IPlugView>& view)
	{
		EXPECT_EQ (view->removed (), kResultTrue);
		view->setFrame (nullptr);
		view = nullptr;
	}

	// The editor's window in the parent, once it is there and viewable.
	XWindowId waitForChild (XWindowId parent)
	{
		XWindowId child = 0;
		host.runUntil (
		    [&] {
			    auto children = host.childrenOf (parent);
			    child = children.size () == 1 ? children[0] : 0;
			    return child && host.geometryOf (child).viewable;
		    },
		    3000);
		return child;
	}

	// A screenshot once the window shows more than a blank and has settled:
	// the first drawing may come before the parameters' values have.
	Picture waitForPicture (XWindowId window)
	{
		Picture picture;
		Picture previous;
		host.runUntil (
		    [&] {
			    previous = std::move (picture);
			    host.runFor (30);
			    picture = host.screenshot (window);
			    return !picture.empty () && picture.countColors () > 50 &&
			           previous.width == picture.width &&
			           picture.countDifferences (previous, {0, 0, picture.width, picture.height}) == 0;
		    },
		    3000);
		return picture;
	}

	X11TestHost host;
	Vst::HostApplication hostApplication;
	Vst::RecordingHandler handler;
	std::unique_ptr<LoadedModule> module;
	IPtr<IPluginFactory> factory;
	IPtr<Vst::IEditController> controller;
	std::vector<IPtr<Vst::IEditController>> controllers;
};

} // namespace Steinberg
