// The platform part of the about line. On macOS it tells a native run from a
// translated one by the outcome of the "sysctl.proc_translated" query; the
// mapping of that outcome is built everywhere, so that it is tested
// everywhere.
#pragma once

#include "pluginterfaces/base/ftypes.h"

#include <cerrno>
#include <string>

#ifdef __APPLE__
#include <sys/sysctl.h>
#include <sys/types.h>
#endif

namespace Steinberg {
namespace Vst {

// The text for the query's result (0 or -1), the errno of a failed call and
// the value a successful call gave.
inline const char* translationQueryPlatform (int result, int errorNumber, int32 value)
{
	if (result != 0)
		return errorNumber == ENOENT ? "x86_64-macOS" : "unknown";
	switch (value)
	{
		case 0: return "arm64-macOS";
		case 1: return "arm64-macOS (T)";
		case 2: return "x86_64-macOS";
		default: return "unknown";
	}
}

// The architecture this module was built for.
inline const char* buildArchitecture ()
{
#if defined(__x86_64__)
	return "x86_64";
#elif defined(__aarch64__)
	return "aarch64";
#elif defined(__i386__)
	return "i386";
#else
	return "unknown";
#endif
}

inline std::string aboutPlatformText ()
{
#if defined(__APPLE__)
	int32 value = 0;
	size_t size = sizeof (value);
	errno = 0;
	int result = sysctlbyname ("sysctl.proc_translated", &value, &size, nullptr, 0);
	return translationQueryPlatform (result, result != 0 ? errno : 0, value);
#elif defined(__linux__)
	return std::string (buildArchitecture ()) + "-Linux";
#else
	return "unknown";
#endif
}

} // namespace Vst
} // namespace Steinberg
