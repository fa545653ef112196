// Loads the built bundle the way a Linux VST3 host does: dlopen, then
// ModuleEntry, then GetPluginFactory; unloads it with ModuleExit.
#pragma once

#include "pluginterfaces/base/ipluginbase.h"

#include <string>

namespace Steinberg {

class LoadedModule
{
public:
	using EntryFunction = bool (*) (void*);
	using ExitFunction = bool (*) ();
	using FactoryFunction = IPluginFactory* (*) ();

	// Opens the module without entering it; ok () tells whether it loaded.
	explicit LoadedModule (const std::string& path);
	~LoadedModule ();

	LoadedModule (const LoadedModule&) = delete;
	LoadedModule& operator= (const LoadedModule&) = delete;

	bool ok () const { return handle && entry && exit && getFactory; }
	const std::string& error () const { return loadError; }
	void* symbol (const char* name) const;

	// Calls ModuleEntry with the library handle; counted by the module.
	bool enter ();
	bool leave ();
	// GetPluginFactory: one reference for the caller.
	IPluginFactory* factory () { return getFactory (); }

	EntryFunction entry = nullptr;
	ExitFunction exit = nullptr;
	FactoryFunction getFactory = nullptr;

private:
	void* handle = nullptr;
	int entered = 0;
	std::string loadError;
};

// Path of the module inside the bundle that this build made, or inside the
// installed copy that DERAZID_INSTALLED_MODULE names.
std::string builtModulePath ();

} // namespace Steinberg
