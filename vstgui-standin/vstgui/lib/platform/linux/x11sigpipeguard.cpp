#include "vstgui/lib/platform/linux/x11sigpipeguard.h"

#include <pthread.h>
#include <signal.h>

#include <cerrno>
#include <ctime>

namespace VSTGUI {
namespace X11 {

namespace {

sigset_t sigpipeOnly ()
{
	sigset_t set;
	sigemptyset (&set);
	sigaddset (&set, SIGPIPE);
	return set;
}

bool sigpipePending ()
{
	sigset_t pending;
	sigemptyset (&pending);
	return sigpending (&pending) == 0 && sigismember (&pending, SIGPIPE) == 1;
}

} // namespace

SigpipeGuard::SigpipeGuard () noexcept
{
	const sigset_t sigpipe = sigpipeOnly ();
	sigset_t previous;
	sigemptyset (&previous);
	pthread_sigmask (SIG_BLOCK, &sigpipe, &previous);
	wasBlocked = sigismember (&previous, SIGPIPE) == 1;
	wasPending = sigpipePending ();
}

SigpipeGuard::~SigpipeGuard () noexcept
{
	// The writes' callers may still look at errno.
	const int savedErrno = errno;
	const sigset_t sigpipe = sigpipeOnly ();
	if (!wasPending && sigpipePending ())
	{
		const timespec now {0, 0};
		while (sigtimedwait (&sigpipe, nullptr, &now) < 0 && errno == EINTR)
		{
		}
	}
	if (!wasBlocked)
		pthread_sigmask (SIG_UNBLOCK, &sigpipe, nullptr);
	errno = savedErrno;
}

} // namespace X11
} // namespace VSTGUI
