#include "controllertesting.h"

#include "public.sdk/source/vst/hosting/hostclasses.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

// Records the knob modes that reach the controller's own setKnobMode.
class KnobModeProbe : public PlugController
{
public:
	tresult PLUGIN_API setKnobMode (KnobMode mode) override
	{
		modes.push_back (mode);
		return PlugController::setKnobMode (mode);
	}
	std::vector<KnobMode> modes;
};

class ControllerLifecycle : public ::testing::Test
{
protected:
	HostApplication host;
};

} // namespace

TEST_F (ControllerLifecycle, InitializeRegistersOnceTerminateClears)
{
	ControllerRef<> controller;
	EXPECT_EQ (controller->getParameterCount (), 0);
	ASSERT_EQ (controller->initialize (&host), kResultOk);
	EXPECT_EQ (controller->getParameterCount (), 9);
	controller->setParamNormalized (kFeedbackId, 0.9);

	// While the first context is held the base refuses; that is answered as
	// success, and the earlier parameters stay.
	EXPECT_EQ (controller->initialize (&host), kResultOk);
	EXPECT_EQ (controller->getParameterCount (), 9);
	EXPECT_EQ (controller->getParamNormalized (kFeedbackId), 0.9);

	EXPECT_EQ (controller->terminate (), kResultOk);
	EXPECT_EQ (controller->getParameterCount (), 0);
	ASSERT_EQ (controller->initialize (&host), kResultOk);
	EXPECT_EQ (valuesOf (*controller), controllerDefaults ());
	controller->terminate ();
}

TEST_F (ControllerLifecycle, InitializeWithoutAContextRegistersOnce)
{
	ControllerRef<> controller;
	ASSERT_EQ (controller->initialize (nullptr), kResultOk);
	controller->setParamNormalized (kMixId, 0.25);
	// The base does not refuse without a context; the list must not double.
	EXPECT_EQ (controller->initialize (nullptr), kResultOk);
	EXPECT_EQ (controller->initialize (&host), kResultOk);
	EXPECT_EQ (controller->getParameterCount (), 9);
	EXPECT_EQ (controller->getParamNormalized (kMixId), 0.25);
	controller->terminate ();
	ASSERT_EQ (controller->initialize (nullptr), kResultOk);
	EXPECT_EQ (valuesOf (*controller), controllerDefaults ());
	controller->terminate ();
}

TEST_F (ControllerLifecycle, NoStateOfItsOwnNoHelpNoAboutBox)
{
	ControllerRef<> controller;
	ASSERT_EQ (controller->initialize (&host), kResultOk);
	auto stream = owned (new MemoryStream);
	EXPECT_EQ (controller->getState (stream), kNotImplemented);
	EXPECT_EQ (stream->getSize (), 0);
	EXPECT_EQ (controller->setState (streamOf (recordOf ({0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1,
	                                                      true, true}))),
	           kNotImplemented);
	EXPECT_EQ (valuesOf (*controller), controllerDefaults ());
	for (TBool onlyCheck : {true, false})
	{
		EXPECT_EQ (controller->openHelp (onlyCheck), kResultFalse);
		EXPECT_EQ (controller->openAboutBox (onlyCheck), kResultFalse);
	}
	controller->terminate ();
}

TEST_F (ControllerLifecycle, EditorViewSetsLinearKnobsOtherNamesNothing)
{
	ControllerRef<KnobModeProbe> controller;
	ASSERT_EQ (controller->initialize (&host), kResultOk);
	EXPECT_EQ (controller->setKnobMode (kCircularMode), kResultOk);
	EXPECT_EQ (EditController::getHostKnobMode (), kCircularMode);
	controller->modes.clear ();

	IPtr<IPlugView> editor = owned (controller->createView ("editor"));
	EXPECT_TRUE (editor);
	EXPECT_EQ (controller->modes, std::vector<KnobMode> {kLinearMode});
	EXPECT_EQ (EditController::getHostKnobMode (), kLinearMode);

	// The mode is module-wide: another controller sets it for all.
	ControllerRef<> other;
	EXPECT_EQ (other->setKnobMode (kRelativCircularMode), kResultOk);
	controller->modes.clear ();
	for (const char* name : {"Editor", "editor ", "edit", "editorx", "", "view"})
		EXPECT_EQ (controller->createView (name), nullptr) << name;
	EXPECT_EQ (controller->createView (nullptr), nullptr);
	EXPECT_TRUE (controller->modes.empty ());
	EXPECT_EQ (EditController::getHostKnobMode (), kRelativCircularMode);

	IPtr<IPlugView> second = owned (controller->createView ("editor"));
	EXPECT_TRUE (second);
	EXPECT_NE (second, editor); // every call a new editor
	EXPECT_EQ (EditController::getHostKnobMode (), kLinearMode);
	editor = nullptr;
	second = nullptr;
	controller->terminate ();
}
