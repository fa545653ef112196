#include "public.sdk/source/main/pluginfactory.h"

#include "pluginterfaces/base/ustring.h"

#include <cstring>
#include <new>

namespace Steinberg {

IPluginFactory* gPluginFactory = nullptr;

namespace {

void str16ToStr8 (char8* dst, const char16* src, int32 dstSize)
{
	UString (const_cast<char16*> (src), dstSize).toAscii (dst, dstSize);
}

} // namespace

CPluginFactory::CPluginFactory (const PFactoryInfo& info) : factoryInfo (info) {}

CPluginFactory::~CPluginFactory ()
{
	if (gPluginFactory == this)
		gPluginFactory = nullptr;
}

bool CPluginFactory::registerClass (const PClassInfo* info, CreateFunction createFunc,
                                    void* context)
{
	if (!info || !createFunc)
		return false;
	PClassInfo2 info2;
	memcpy (info2.cid, info->cid, sizeof (TUID));
	info2.cardinality = info->cardinality;
	strncpy8 (info2.category, info->category, PClassInfo::kCategorySize);
	strncpy8 (info2.name, info->name, PClassInfo::kNameSize);
	return registerClass (&info2, createFunc, context);
}

bool CPluginFactory::registerClass (const PClassInfo2* info, CreateFunction createFunc,
                                    void* context)
{
	if (!info || !createFunc)
		return false;
	PClassEntry entry {*info, {}, createFunc, context};
	entry.info16.fromAscii (*info);
	try
	{
		classes.push_back (entry);
	}
	catch (const std::bad_alloc&)
	{
		return false;
	}
	return true;
}

bool CPluginFactory::registerClass (const PClassInfoW* info, CreateFunction createFunc,
                                    void* context)
{
	if (!info || !createFunc)
		return false;
	PClassEntry entry {{}, *info, createFunc, context};
	memcpy (entry.info8.cid, info->cid, sizeof (TUID));
	entry.info8.cardinality = info->cardinality;
	strncpy8 (entry.info8.category, info->category, PClassInfo::kCategorySize);
	str16ToStr8 (entry.info8.name, info->name, PClassInfo::kNameSize);
	entry.info8.classFlags = info->classFlags;
	strncpy8 (entry.info8.subCategories, info->subCategories, PClassInfo2::kSubCategoriesSize);
	str16ToStr8 (entry.info8.vendor, info->vendor, PClassInfo2::kVendorSize);
	str16ToStr8 (entry.info8.version, info->version, PClassInfo2::kVersionSize);
	str16ToStr8 (entry.info8.sdkVersion, info->sdkVersion, PClassInfo2::kVersionSize);
	try
	{
		classes.push_back (entry);
	}
	catch (const std::bad_alloc&)
	{
		return false;
	}
	return true;
}

bool CPluginFactory::isClassRegistered (const FUID& cid) const
{
	for (const auto& entry : classes)
		if (FUnknownPrivate::iidEqual (cid.toTUID (), entry.info8.cid))
			return true;
	return false;
}

void CPluginFactory::removeAllClasses () { classes.clear (); }

const CPluginFactory::PClassEntry* CPluginFactory::entryAt (int32 index) const
{
	if (index < 0 || index >= static_cast<int32> (classes.size ()))
		return nullptr;
	return &classes[static_cast<size_t> (index)];
}

tresult PLUGIN_API CPluginFactory::queryInterface (const TUID _iid, void** obj)
{
	QUERY_INTERFACE (_iid, obj, IPluginFactory::iid, IPluginFactory)
	QUERY_INTERFACE (_iid, obj, IPluginFactory2::iid, IPluginFactory2)
	QUERY_INTERFACE (_iid, obj, IPluginFactory3::iid, IPluginFactory3)
	QUERY_INTERFACE (_iid, obj, FUnknown::iid, IPluginFactory)
	if (obj)
		*obj = nullptr;
	return kNoInterface;
}

uint32 PLUGIN_API CPluginFactory::addRef () { return ++refCount; }

uint32 PLUGIN_API CPluginFactory::release ()
{
	uint32 remaining = --refCount;
	if (remaining == 0)
		delete this;
	return remaining;
}

tresult PLUGIN_API CPluginFactory::getFactoryInfo (PFactoryInfo* info)
{
	if (!info)
		return kInvalidArgument;
	memcpy (info, &factoryInfo, sizeof (PFactoryInfo));
	return kResultOk;
}

int32 PLUGIN_API CPluginFactory::countClasses () { return static_cast<int32> (classes.size ()); }

tresult PLUGIN_API CPluginFactory::getClassInfo (int32 index, PClassInfo* info)
{
	const PClassEntry* entry = entryAt (index);
	if (!entry)
		return kInvalidArgument;
	if (!info)
		return kInvalidArgument;
	memcpy (info->cid, entry->info8.cid, sizeof (TUID));
	info->cardinality = entry->info8.cardinality;
	strncpy8 (info->category, entry->info8.category, PClassInfo::kCategorySize);
	strncpy8 (info->name, entry->info8.name, PClassInfo::kNameSize);
	return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfo2 (int32 index, PClassInfo2* info)
{
	const PClassEntry* entry = entryAt (index);
	if (!entry)
		return kInvalidArgument;
	if (!info)
		return kInvalidArgument;
	memcpy (info, &entry->info8, sizeof (PClassInfo2));
	return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfoUnicode (int32 index, PClassInfoW* info)
{
	const PClassEntry* entry = entryAt (index);
	if (!entry)
		return kInvalidArgument;
	if (!info)
		return kInvalidArgument;
	memcpy (info, &entry->info16, sizeof (PClassInfoW));
	return kResultOk;
}

tresult PLUGIN_API CPluginFactory::createInstance (FIDString cid, FIDString _iid, void** obj)
{
	if (!obj)
		return kInvalidArgument;
	*obj = nullptr;
	if (!cid || !_iid)
		return kInvalidArgument;
	for (const auto& entry : classes)
	{
		if (!FUnknownPrivate::iidEqual (entry.info8.cid, cid))
			continue;
		FUnknown* instance = nullptr;
		try
		{
			instance = entry.createFunc (entry.context);
		}
		catch (...)
		{
			instance = nullptr;
		}
		if (!instance)
			return kOutOfMemory;
		tresult result = instance->queryInterface (_iid, obj);
		instance->release ();
		if (result != kResultOk)
			*obj = nullptr;
		return result == kResultOk ? kResultOk : kNoInterface;
	}
	return kNoInterface;
}

tresult PLUGIN_API CPluginFactory::setHostContext (FUnknown* /*context*/) { return kNotImplemented; }

} // namespace Steinberg
