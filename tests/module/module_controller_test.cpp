// The controller class as a host finds and drives it through the built
// module: its factory entry, its pairing with the processor, and a session
// in which the host keeps both sides in step.
#include "audioblock.h"
#include "hostparameterchanges.h"
#include "moduleloader.h"
#include "streams.h"
#include "texts.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstmessage.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

const uint8_t kProcessorCid[16] = {0x8F, 0x43, 0xB8, 0xB5, 0xD0, 0xCC, 0x4F, 0x9F,
                                   0x8C, 0x77, 0xB2, 0xE5, 0xB0, 0x8C, 0x60, 0x35};
const uint8_t kControllerCid[16] = {0x11, 0x00, 0x25, 0x6F, 0x4E, 0x20, 0x4D, 0xB1,
                                    0x99, 0x9D, 0x57, 0x11, 0xA7, 0xBF, 0xE2, 0x07};

// The nine values as a stored record holds them: seven normalized values,
// then the switches as 1.0 or 0.0.
std::vector<ParamValue> recordValues (const Bytes& record)
{
	std::vector<ParamValue> values;
	if (record.size () != 72)
		return values;
	for (size_t offset = 8; offset < 64; offset += 8)
	{
		double value = 0.0;
		std::memcpy (&value, &record[offset], 8); // the test machine is little-endian
		values.push_back (value);
	}
	for (size_t offset = 64; offset < 72; offset += 4)
	{
		int32 value = 0;
		std::memcpy (&value, &record[offset], 4);
		values.push_back (value > 0 ? 1.0 : 0.0);
	}
	return values;
}

std::vector<ParamValue> controllerValues (IEditController& controller)
{
	std::vector<ParamValue> values;
	for (ParamID tag = 0; tag < 9; ++tag)
		values.push_back (controller.getParamNormalized (tag));
	return values;
}

class ControllerModuleTest : public ::testing::Test
{
protected:
	void SetUp () override
	{
		ASSERT_TRUE (module.ok ()) << module.error ();
		ASSERT_TRUE (module.enter ());
		factory = owned (module.factory ());
		ASSERT_TRUE (factory);
	}

	template <typename Interface>
	IPtr<Interface> create (const uint8_t (&cid)[16])
	{
		Interface* object = nullptr;
		EXPECT_EQ (factory->createInstance (reinterpret_cast<FIDString> (cid), Interface::iid,
		                                    reinterpret_cast<void**> (&object)),
		           kResultOk);
		return owned (object);
	}

	// The processor's stored record, as the host saves it in a project.
	Bytes savedState (IComponent& processor)
	{
		auto stream = owned (new MemoryStream);
		EXPECT_EQ (processor.getState (stream), kResultOk);
		return bytesOf (*stream);
	}

	LoadedModule module {builtModulePath ()};
	IPtr<IPluginFactory> factory;
	HostApplication hostApplication; // not reference counted: lives as long as the test
	FUnknown* host = &hostApplication;
};

} // namespace

TEST_F (ControllerModuleTest, FactoryListsProcessorThenController)
{
	ASSERT_EQ (factory->countClasses (), 2);
	FUnknownPtr<IPluginFactory2> factory2 (factory);
	FUnknownPtr<IPluginFactory3> factory3 (factory);
	ASSERT_TRUE (factory2 && factory3);

	PClassInfo2 first {};
	ASSERT_EQ (factory2->getClassInfo2 (0, &first), kResultOk);
	EXPECT_EQ (std::memcmp (first.cid, kProcessorCid, 16), 0);

	// The controller's record, byte for byte as the host receives it.
	TUID cid;
	std::memcpy (cid, kControllerCid, 16);
	const PClassInfo2 expected (cid, 0x7FFFFFFF, "Component Controller Class",
	                            "za Derazid Controller", 0, "", nullptr, "3.1.0.1", "VST 3.7.3");
	PClassInfo2 second;
	std::memset (static_cast<void*> (&second), 0xA5, sizeof (second));
	ASSERT_EQ (factory2->getClassInfo2 (1, &second), kResultOk);
	EXPECT_EQ (std::memcmp (&second, &expected, sizeof (PClassInfo2)), 0);
	EXPECT_STREQ (second.name, "za Derazid Controller");

	PClassInfo plain;
	std::memset (static_cast<void*> (&plain), 0xA5, sizeof (plain));
	ASSERT_EQ (factory->getClassInfo (1, &plain), kResultOk);
	const PClassInfo expectedPlain (cid, 0x7FFFFFFF, "Component Controller Class",
	                                "za Derazid Controller");
	EXPECT_EQ (std::memcmp (&plain, &expectedPlain, sizeof (PClassInfo)), 0);

	PClassInfoW wide {};
	ASSERT_EQ (factory3->getClassInfoUnicode (1, &wide), kResultOk);
	EXPECT_EQ (std::memcmp (wide.cid, kControllerCid, 16), 0);
	EXPECT_EQ (wide.cardinality, 0x7FFFFFFF);
	EXPECT_STREQ (wide.category, "Component Controller Class");
	EXPECT_EQ (toAscii (wide.name), "za Derazid Controller");
	EXPECT_EQ (wide.classFlags, 0u);
	EXPECT_STREQ (wide.subCategories, "");
	EXPECT_EQ (toAscii (wide.vendor), "");
	EXPECT_EQ (toAscii (wide.version), "3.1.0.1");
	EXPECT_EQ (toAscii (wide.sdkVersion), "VST 3.7.3");

	EXPECT_EQ (factory2->getClassInfo2 (2, &second), kInvalidArgument);
}

TEST_F (ControllerModuleTest, ProcessorNamesTheControllerClass)
{
	auto processor = create<IComponent> (kProcessorCid);
	ASSERT_TRUE (processor);
	ASSERT_EQ (processor->initialize (host), kResultOk);
	TUID named {};
	ASSERT_EQ (processor->getControllerClassId (named), kResultTrue);
	PClassInfo2 info {};
	FUnknownPtr<IPluginFactory2> factory2 (factory);
	ASSERT_EQ (factory2->getClassInfo2 (1, &info), kResultOk);
	EXPECT_EQ (std::memcmp (named, info.cid, 16), 0);

	// The named class is one the factory creates, as a fresh controller.
	IEditController* controller = nullptr;
	ASSERT_EQ (factory->createInstance (reinterpret_cast<FIDString> (named), IEditController::iid,
	                                    reinterpret_cast<void**> (&controller)),
	           kResultOk);
	ASSERT_NE (controller, nullptr);
	EXPECT_EQ (controller->getParameterCount (), 0);
	ASSERT_EQ (controller->initialize (host), kResultOk);
	EXPECT_EQ (controller->getParameterCount (), 9);
	controller->terminate ();
	EXPECT_EQ (controller->release (), 0u);
	processor->terminate ();
}

TEST_F (ControllerModuleTest, HostSessionKeepsBothSidesEqual)
{
	auto processor = create<IComponent> (kProcessorCid);
	auto controller = create<IEditController> (kControllerCid);
	ASSERT_TRUE (processor && controller);
	ASSERT_EQ (processor->initialize (host), kResultOk);
	ASSERT_EQ (controller->initialize (host), kResultOk);

	FUnknownPtr<IConnectionPoint> processorPoint (processor);
	FUnknownPtr<IConnectionPoint> controllerPoint (controller);
	ASSERT_TRUE (processorPoint && controllerPoint);
	EXPECT_EQ (processorPoint->connect (controllerPoint), kResultOk);
	EXPECT_EQ (controllerPoint->connect (processorPoint), kResultOk);

	// Set up: the controller follows the processor's record.
	Bytes record = savedState (*processor);
	ASSERT_EQ (controller->setComponentState (streamOf (record)), kResultOk);
	EXPECT_EQ (controllerValues (*controller), recordValues (record));

	// A project is loaded: both sides get the stored record.
	const std::vector<ParamValue> project {0.9, 0.1, 0.6, 0.5, 0.35, 0.2, 0.7, 1.0, 0.0};
	Bytes projectRecord (72, 0);
	for (size_t i = 0; i < 7; ++i)
		std::memcpy (&projectRecord[8 + 8 * i], &project[i], 8);
	projectRecord[64] = 1;
	ASSERT_EQ (processor->setState (streamOf (projectRecord)), kResultOk);
	ASSERT_EQ (controller->setComponentState (streamOf (projectRecord)), kResultOk);
	EXPECT_EQ (controllerValues (*controller), project);

	// Playback starts.
	FUnknownPtr<IAudioProcessor> audio (processor);
	ASSERT_TRUE (audio);
	ProcessSetup setup {kRealtime, kSample32, 256, 48000.0};
	ASSERT_EQ (audio->setupProcessing (setup), kResultOk);
	ASSERT_EQ (processor->setActive (true), kResultOk);
	audio->setProcessing (true);
	StereoBlock<float> block (256);
	ASSERT_EQ (audio->process (block.data), kResultOk);
	EXPECT_EQ (recordValues (savedState (*processor)), project);

	// The user edits in the host: the controller takes each value, the
	// processor gets it as the last point of a queue in the next block.
	const std::vector<ParamValue> edits {0.5, 0.75, 0.1, 1.0, 0.0, 0.95, 0.4, 0.0, 0.8};
	HostParameterChanges changes;
	for (ParamID tag = 0; tag < 9; ++tag)
	{
		ASSERT_EQ (controller->setParamNormalized (tag, edits[tag]), kResultTrue);
		changes.add (tag, {{0, 0.3}, {128, edits[tag]}});
	}
	std::vector<ParamValue> shown = edits;
	shown[8] = 1.0; // a switch stored as on
	block.data.inputParameterChanges = &changes;
	ASSERT_EQ (audio->process (block.data), kResultOk);
	block.data.inputParameterChanges = nullptr;
	ASSERT_EQ (audio->process (block.data), kResultOk);

	// The host saves and later hands the record back to the controller: the
	// two sides agree on every value.
	record = savedState (*processor);
	ASSERT_EQ (controller->setComponentState (streamOf (record)), kResultOk);
	EXPECT_EQ (controllerValues (*controller), recordValues (record));
	EXPECT_EQ (recordValues (record), shown);
	EXPECT_EQ (controllerValues (*controller), shown);

	audio->setProcessing (false);
	processor->setActive (false);
	EXPECT_EQ (controllerPoint->disconnect (processorPoint), kResultOk);
	EXPECT_EQ (processorPoint->disconnect (controllerPoint), kResultOk);
	controller->terminate ();
	processor->terminate ();
}
