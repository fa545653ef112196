// The module's class factory: holds the factory information and an ordered
// list of registered classes and creates their instances on demand. The
// Debian SDK subset lacks it, so it is provided here under the SDK's own
// name and path.
#pragma once

#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/base/ipluginbase.h"

#include <atomic>
#include <vector>

namespace Steinberg {

class CPluginFactory : public IPluginFactory3
{
public:
	using CreateFunction = FUnknown* (*)(void* context);

	explicit CPluginFactory (const PFactoryInfo& info);
	virtual ~CPluginFactory ();

	bool registerClass (const PClassInfo* info, CreateFunction createFunc, void* context = nullptr);
	bool registerClass (const PClassInfo2* info, CreateFunction createFunc, void* context = nullptr);
	bool registerClass (const PClassInfoW* info, CreateFunction createFunc, void* context = nullptr);
	bool isClassRegistered (const FUID& cid) const;
	void removeAllClasses ();

	//---from FUnknown---
	tresult PLUGIN_API queryInterface (const TUID _iid, void** obj) SMTG_OVERRIDE;
	uint32 PLUGIN_API addRef () SMTG_OVERRIDE;
	uint32 PLUGIN_API release () SMTG_OVERRIDE;

	//---from IPluginFactory---
	tresult PLUGIN_API getFactoryInfo (PFactoryInfo* info) SMTG_OVERRIDE;
	int32 PLUGIN_API countClasses () SMTG_OVERRIDE;
	tresult PLUGIN_API getClassInfo (int32 index, PClassInfo* info) SMTG_OVERRIDE;
	tresult PLUGIN_API createInstance (FIDString cid, FIDString _iid, void** obj) SMTG_OVERRIDE;

	//---from IPluginFactory2---
	tresult PLUGIN_API getClassInfo2 (int32 index, PClassInfo2* info) SMTG_OVERRIDE;

	//---from IPluginFactory3---
	tresult PLUGIN_API getClassInfoUnicode (int32 index, PClassInfoW* info) SMTG_OVERRIDE;
	tresult PLUGIN_API setHostContext (FUnknown* context) SMTG_OVERRIDE;

protected:
	struct PClassEntry
	{
		PClassInfo2 info8;
		PClassInfoW info16;
		CreateFunction createFunc;
		void* context;
	};

	const PClassEntry* entryAt (int32 index) const;

	std::atomic<uint32> refCount {1};
	PFactoryInfo factoryInfo;
	std::vector<PClassEntry> classes;
};

// The module's one factory, set by GetPluginFactory and cleared by the
// factory's destructor.
extern IPluginFactory* gPluginFactory;

} // namespace Steinberg
