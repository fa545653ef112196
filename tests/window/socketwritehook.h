// An action run just before the process's next write to a socket through
// writev, the call the X library writes with: how a test ends an X server at
// the moment a client has found it alive and is about to write to it. The
// test executable's own writev stands in front of the C library's.
#pragma once

#include <functional>

namespace Steinberg {

// Replaces an action not yet run.
void beforeNextSocketWrite (std::function<void ()> action);
// Whether the last action set has run.
bool socketWriteHookRan ();

} // namespace Steinberg
