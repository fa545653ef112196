// Drives the built bundle as a Linux VST3 host does: through dlopen, the
// module's exports and the VST3 interfaces only.
#include "moduleloader.h"
#include "streams.h"
#include "texts.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/vstspeaker.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

const uint8_t kProcessorCid[16] = {0x8F, 0x43, 0xB8, 0xB5, 0xD0, 0xCC, 0x4F, 0x9F,
                                   0x8C, 0x77, 0xB2, 0xE5, 0xB0, 0x8C, 0x60, 0x35};
const uint8_t kControllerCid[16] = {0x11, 0x00, 0x25, 0x6F, 0x4E, 0x20, 0x4D, 0xB1,
                                    0x99, 0x9D, 0x57, 0x11, 0xA7, 0xBF, 0xE2, 0x07};

class ModuleTest : public ::testing::Test
{
protected:
	void SetUp () override
	{
		ASSERT_TRUE (module.ok ()) << module.error ();
		ASSERT_TRUE (module.enter ());
	}

	// A processor created through the factory, initialized by a host
	// context; released by the caller.
	IComponent* createProcessor (IPluginFactory* factory)
	{
		IComponent* component = nullptr;
		EXPECT_EQ (factory->createInstance (reinterpret_cast<FIDString> (kProcessorCid),
		                                    IComponent::iid, reinterpret_cast<void**> (&component)),
		           kResultOk);
		if (component)
		{
			EXPECT_EQ (component->initialize (host), kResultOk);
		}
		return component;
	}

	LoadedModule module {builtModulePath ()};
	HostApplication hostApplication; // not reference counted: lives as long as the test
	FUnknown* host = &hostApplication;
};

} // namespace

TEST_F (ModuleTest, FactoryIsSharedUntilTheLastRelease)
{
	IPluginFactory* first = module.factory ();
	IPluginFactory* second = module.factory ();
	ASSERT_NE (first, nullptr);
	EXPECT_EQ (first, second);
	EXPECT_EQ (first->addRef (), 3u); // two handed out, plus this one
	EXPECT_EQ (first->release (), 2u);
	EXPECT_EQ (second->release (), 1u);
	EXPECT_EQ (first->release (), 0u);

	IPluginFactory* fresh = module.factory ();
	ASSERT_NE (fresh, nullptr);
	EXPECT_EQ (fresh->addRef (), 2u); // a new factory with one reference
	fresh->release ();
	PFactoryInfo info {};
	ASSERT_EQ (fresh->getFactoryInfo (&info), kResultOk);
	EXPECT_EQ (info.flags, 16);
	EXPECT_STREQ (info.vendor, "Derazid Audio");
	EXPECT_EQ (std::strncmp (info.email, "mailto:", 7), 0);
	EXPECT_GT (std::strlen (info.url), 0u);
	EXPECT_GE (fresh->countClasses (), 1);
	fresh->release ();
}

TEST_F (ModuleTest, ProcessorClassRecord)
{
	IPtr<IPluginFactory> factory = owned (module.factory ());
	FUnknownPtr<IPluginFactory2> factory2 (factory);
	FUnknownPtr<IPluginFactory3> factory3 (factory);
	ASSERT_TRUE (factory2);
	ASSERT_TRUE (factory3);

	PClassInfo2 info {};
	ASSERT_EQ (factory2->getClassInfo2 (0, &info), kResultOk);
	EXPECT_EQ (std::memcmp (info.cid, kProcessorCid, 16), 0);
	EXPECT_EQ (info.cardinality, 0x7FFFFFFF);
	EXPECT_STREQ (info.category, "Audio Module Class");
	EXPECT_STREQ (info.name, "za Derazid");
	EXPECT_EQ (info.classFlags, 1u);
	EXPECT_STREQ (info.subCategories, "Fx|Modulation");
	EXPECT_STREQ (info.vendor, "");
	EXPECT_STREQ (info.version, "3.1.0.1");
	EXPECT_STREQ (info.sdkVersion, "VST 3.7.3");

	PClassInfoW wide {};
	ASSERT_EQ (factory3->getClassInfoUnicode (0, &wide), kResultOk);
	EXPECT_EQ (std::memcmp (wide.cid, kProcessorCid, 16), 0);
	EXPECT_EQ (toAscii (wide.name), "za Derazid");
	EXPECT_EQ (toAscii (wide.version), "3.1.0.1");
	EXPECT_EQ (toAscii (wide.sdkVersion), "VST 3.7.3");
	EXPECT_EQ (toAscii (wide.vendor), "");
	EXPECT_STREQ (wide.subCategories, "Fx|Modulation");
	EXPECT_EQ (wide.classFlags, 1u);

	PClassInfo plain {};
	ASSERT_EQ (factory->getClassInfo (0, &plain), kResultOk);
	EXPECT_STREQ (plain.name, "za Derazid");
	EXPECT_EQ (factory->getClassInfo (99, &plain), kInvalidArgument);
	EXPECT_EQ (factory->getClassInfo (-1, &plain), kInvalidArgument);
}

TEST_F (ModuleTest, CreatesIndependentProcessorsThatNameTheirController)
{
	IPtr<IPluginFactory> factory = owned (module.factory ());
	IPtr<IComponent> a = owned (createProcessor (factory));
	IPtr<IComponent> b = owned (createProcessor (factory));
	ASSERT_TRUE (a && b);
	EXPECT_NE (a.get (), b.get ());

	TUID controller {};
	ASSERT_EQ (a->getControllerClassId (controller), kResultTrue);
	EXPECT_EQ (std::memcmp (controller, kControllerCid, 16), 0);

	BusInfo info {};
	ASSERT_EQ (a->getBusInfo (kAudio, kInput, 0, info), kResultTrue);
	EXPECT_EQ (toAscii (info.name), "AudioInput");
	ASSERT_EQ (a->getBusInfo (kAudio, kOutput, 0, info), kResultTrue);
	EXPECT_EQ (toAscii (info.name), "AudioOutput");
	EXPECT_EQ (a->getBusCount (kEvent, kInput), 0);

	// A state given to one does not reach the other.
	Bytes record (72, 0);
	record[8 + 7] = 0x3F; // level 0.0078125
	ASSERT_EQ (a->setState (streamOf (record)), kResultOk);
	auto fromA = owned (new MemoryStream);
	auto fromB = owned (new MemoryStream);
	ASSERT_EQ (a->getState (fromA), kResultOk);
	ASSERT_EQ (b->getState (fromB), kResultOk);
	EXPECT_EQ (bytesOf (*fromA), record);
	EXPECT_NE (bytesOf (*fromB), record);
	EXPECT_EQ (fromB->getSize (), 72);

	a->terminate ();
	b->terminate ();
}

TEST_F (ModuleTest, ProcessorNegotiatesAndActivatesLikeAHostAsks)
{
	IPtr<IPluginFactory> factory = owned (module.factory ());
	IPtr<IComponent> component = owned (createProcessor (factory));
	ASSERT_TRUE (component);
	FUnknownPtr<IAudioProcessor> processor (component);
	ASSERT_TRUE (processor);

	SpeakerArrangement stereo = SpeakerArr::kStereo;
	SpeakerArrangement mono = SpeakerArr::kMono;
	EXPECT_EQ (processor->setBusArrangements (&stereo, 1, &stereo, 1), kResultTrue);
	EXPECT_EQ (processor->setBusArrangements (&mono, 1, &mono, 1), kResultFalse);
	EXPECT_EQ (processor->canProcessSampleSize (kSample64), kResultTrue);
	EXPECT_EQ (processor->canProcessSampleSize (2), kResultFalse);

	for (double rate : {8000.0, 44100.0, 96000.0, 384000.0})
	{
		ProcessSetup setup {kRealtime, kSample64, 4096, rate};
		EXPECT_EQ (processor->setupProcessing (setup), kResultOk) << rate;
		EXPECT_EQ (component->setActive (true), kResultOk) << rate;
		EXPECT_EQ (component->setActive (false), kResultOk) << rate;
	}
	ProcessSetup broken {kRealtime, kSample32, 512, 0.0};
	EXPECT_EQ (processor->setupProcessing (broken), kInvalidArgument);
	EXPECT_EQ (processor->getLatencySamples (), 0u);
	EXPECT_EQ (processor->getTailSamples (), kNoTail);
	component->terminate ();
}

TEST_F (ModuleTest, UnknownClassesAndInterfacesAreRefused)
{
	IPtr<IPluginFactory> factory = owned (module.factory ());
	const uint8_t unknown[16] = {1, 2, 3};
	void* object = reinterpret_cast<void*> (1);
	EXPECT_EQ (factory->createInstance (reinterpret_cast<FIDString> (unknown), IComponent::iid,
	                                    &object),
	           kNoInterface);
	EXPECT_EQ (object, nullptr);
	object = reinterpret_cast<void*> (1);
	EXPECT_EQ (factory->createInstance (reinterpret_cast<FIDString> (kProcessorCid),
	                                    reinterpret_cast<FIDString> (unknown), &object),
	           kNoInterface);
	EXPECT_EQ (object, nullptr);
	EXPECT_EQ (factory->createInstance (nullptr, IComponent::iid, &object), kInvalidArgument);
	EXPECT_EQ (factory->createInstance (reinterpret_cast<FIDString> (kProcessorCid),
	                                    IComponent::iid, nullptr),
	           kInvalidArgument);
}

TEST (ModuleEntryTest, EntryAndExitAreCounted)
{
	LoadedModule module (builtModulePath ());
	ASSERT_TRUE (module.ok ()) << module.error ();
	EXPECT_FALSE (module.exit ()); // no exit before an entry
	EXPECT_TRUE (module.entry (nullptr));
	EXPECT_TRUE (module.entry (nullptr));
	EXPECT_TRUE (module.exit ());
	EXPECT_TRUE (module.exit ());
	EXPECT_FALSE (module.exit ());
}
