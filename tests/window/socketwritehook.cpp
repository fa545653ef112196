#include "socketwritehook.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/uio.h>

namespace Steinberg {

namespace {

std::function<void ()>& pendingAction ()
{
	static std::function<void ()> action;
	return action;
}

bool ran = false;

bool isSocket (int fd)
{
	struct stat status {};
	return fstat (fd, &status) == 0 && S_ISSOCK (status.st_mode);
}

} // namespace

void beforeNextSocketWrite (std::function<void ()> action)
{
	pendingAction () = std::move (action);
	ran = false;
}

bool socketWriteHookRan () { return ran; }

} // namespace Steinberg

// Exported from the executable (see the test's CMake target), so that the
// X library, loaded with the module, calls this one.
extern "C" __attribute__ ((visibility ("default"))) ssize_t
writev (int fd, const struct iovec* vector, int count)
{
	using Writev = ssize_t (*) (int, const struct iovec*, int);
	static const auto next = reinterpret_cast<Writev> (dlsym (RTLD_NEXT, "writev"));
	std::function<void ()>& action = Steinberg::pendingAction ();
	if (action && Steinberg::isSocket (fd))
	{
		const std::function<void ()> now = std::move (action);
		action = nullptr;
		Steinberg::ran = true;
		now ();
	}
	return next (fd, vector, count);
}
