// Module entry and exit of the VST3 Linux convention. Hosts may enter the
// module several times; only the first entry initialises and only the last
// exit tears down.
#include "pluginterfaces/base/fplatform.h"

// Provided by the plug-in: run at the first entry and the last exit.
bool InitModule ();
bool DeinitModule ();

#if SMTG_OS_LINUX

void* moduleHandle = nullptr;

namespace {
int moduleCounter = 0;
}

extern "C" {
SMTG_EXPORT_SYMBOL bool ModuleEntry (void* sharedLibraryHandle);
SMTG_EXPORT_SYMBOL bool ModuleExit (void);
}

bool ModuleEntry (void* sharedLibraryHandle)
{
	if (++moduleCounter == 1)
	{
		moduleHandle = sharedLibraryHandle;
		return InitModule ();
	}
	return true;
}

bool ModuleExit (void)
{
	// An exit without a matching entry must not drive the count negative.
	if (moduleCounter <= 0)
		return false;
	if (--moduleCounter == 0)
	{
		moduleHandle = nullptr;
		return DeinitModule ();
	}
	return true;
}

#endif
