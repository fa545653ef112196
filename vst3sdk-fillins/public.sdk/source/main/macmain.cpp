// Module entry and exit of the VST3 macOS convention, counted like the
// Linux entry.
#include "pluginterfaces/base/fplatform.h"

// Provided by the plug-in: run at the first entry and the last exit.
bool InitModule ();
bool DeinitModule ();

#ifdef __APPLE__

#include <CoreFoundation/CoreFoundation.h>

void* moduleHandle = nullptr;

namespace {
int moduleCounter = 0;
}

extern "C" {
SMTG_EXPORT_SYMBOL bool bundleEntry (CFBundleRef ref);
SMTG_EXPORT_SYMBOL bool bundleExit (void);
}

bool bundleEntry (CFBundleRef ref)
{
	if (++moduleCounter == 1)
	{
		if (ref)
			CFRetain (ref);
		moduleHandle = ref;
		return InitModule ();
	}
	return true;
}

bool bundleExit (void)
{
	if (moduleCounter <= 0)
		return false;
	if (--moduleCounter == 0)
	{
		if (moduleHandle)
			CFRelease (static_cast<CFBundleRef> (moduleHandle));
		moduleHandle = nullptr;
		return DeinitModule ();
	}
	return true;
}

#endif
