// The module's one exported factory entry. The factory is built on the first
// call, registers the module's classes in a fixed order, and is shared by
// every later call until the host has released it.
#include "factory/plugids.h"
#include "common/version.h"
#include "controller/plugcontroller.h"
#include "processor/plugprocessor.h"

#include "public.sdk/source/main/pluginfactory.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

const PFactoryInfo& factoryInfo ()
{
	static const PFactoryInfo info ("Derazid Audio", "https://derazid-audio.org",
	                                "mailto:support@derazid-audio.org", PFactoryInfo::kUnicode);
	return info;
}

void registerProcessorClass (CPluginFactory& factory)
{
	TUID cid;
	kProcessorUID.toTUID (cid);
	static const PClassInfo2 record (cid, PClassInfo::kManyInstances, kVstAudioEffectClass,
	                                 "za Derazid", Vst::kDistributable, "Fx|Modulation", nullptr,
	                                 PLUG_VERSION_STR, PLUG_SDK_VERSION_STR);
	factory.registerClass (&record, PlugProcessor::createInstance, nullptr);
}

void registerControllerClass (CPluginFactory& factory)
{
	TUID cid;
	kControllerUID.toTUID (cid);
	static const PClassInfo2 record (cid, PClassInfo::kManyInstances, kVstComponentControllerClass,
	                                 "za Derazid Controller", 0, "", nullptr, PLUG_VERSION_STR,
	                                 PLUG_SDK_VERSION_STR);
	factory.registerClass (&record, PlugController::createInstance, nullptr);
}

} // namespace

// The module needs nothing set up or torn down at entry and exit.
bool InitModule () { return true; }
bool DeinitModule () { return true; }

extern "C" SMTG_EXPORT_SYMBOL IPluginFactory* PLUGIN_API GetPluginFactory ()
{
	if (gPluginFactory)
	{
		gPluginFactory->addRef ();
		return gPluginFactory;
	}
	auto* factory = new (std::nothrow) CPluginFactory (factoryInfo ());
	if (!factory)
		return nullptr;
	gPluginFactory = factory;
	registerProcessorClass (*factory);
	registerControllerClass (*factory);
	return gPluginFactory;
}
