#include "moduleloader.h"

#include <dlfcn.h>

#include <cstdlib>

namespace Steinberg {

LoadedModule::LoadedModule (const std::string& path)
{
	handle = dlopen (path.c_str (), RTLD_NOW | RTLD_LOCAL);
	if (!handle)
	{
		const char* message = dlerror ();
		loadError = message ? message : "dlopen failed";
		return;
	}
	entry = reinterpret_cast<EntryFunction> (symbol ("ModuleEntry"));
	exit = reinterpret_cast<ExitFunction> (symbol ("ModuleExit"));
	getFactory = reinterpret_cast<FactoryFunction> (symbol ("GetPluginFactory"));
}

LoadedModule::~LoadedModule ()
{
	while (entered > 0)
		leave ();
	if (handle)
		dlclose (handle);
}

void* LoadedModule::symbol (const char* name) const { return handle ? dlsym (handle, name) : nullptr; }

bool LoadedModule::enter ()
{
	if (!entry || !entry (handle))
		return false;
	++entered;
	return true;
}

bool LoadedModule::leave ()
{
	if (!exit || entered == 0)
		return false;
	--entered;
	return exit ();
}

std::string builtModulePath ()
{
	const char* installed = std::getenv ("DERAZID_INSTALLED_MODULE");
	return installed && *installed ? installed : DERAZID_MODULE_PATH;
}

} // namespace Steinberg
