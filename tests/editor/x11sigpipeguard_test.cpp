// A write to a socket whose peer is gone, under the platform layer's
// SIGPIPE guard, with SIGPIPE at its default action (which would end the
// test): the process lives on and its signal state is as it was, including
// a host's own blocked and pending SIGPIPE.
#include "vstgui/lib/platform/linux/x11sigpipeguard.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace {

using VSTGUI::X11::SigpipeGuard;

bool sigpipeIn (const sigset_t& set) { return sigismember (&set, SIGPIPE) == 1; }

bool sigpipeBlocked ()
{
	sigset_t mask;
	pthread_sigmask (SIG_SETMASK, nullptr, &mask);
	return sigpipeIn (mask);
}

bool sigpipePending ()
{
	sigset_t pending;
	sigpending (&pending);
	return sigpipeIn (pending);
}

void setSigpipeBlocked (bool blocked)
{
	sigset_t sigpipe;
	sigemptyset (&sigpipe);
	sigaddset (&sigpipe, SIGPIPE);
	pthread_sigmask (blocked ? SIG_BLOCK : SIG_UNBLOCK, &sigpipe, nullptr);
}

class SigpipeGuardTest : public ::testing::Test
{
protected:
	void SetUp () override
	{
		struct sigaction byDefault {};
		byDefault.sa_handler = SIG_DFL;
		sigaction (SIGPIPE, &byDefault, &previous);
		ASSERT_EQ (socketpair (AF_UNIX, SOCK_STREAM, 0, ends), 0);
		close (ends[1]);
	}

	void TearDown () override
	{
		close (ends[0]);
		sigaction (SIGPIPE, &previous, nullptr);
	}

	// A write the peer is no longer there for, under a guard; its errno.
	int guardedWrite ()
	{
		const SigpipeGuard guard;
		const char byte = 0;
		return write (ends[0], &byte, 1) < 0 ? errno : 0;
	}

	int ends[2] {-1, -1};
	struct sigaction previous {};
};

TEST_F (SigpipeGuardTest, BrokenWriteLeavesNoSignalAndTheMaskAsItWas)
{
	ASSERT_FALSE (sigpipeBlocked ());
	EXPECT_EQ (guardedWrite (), EPIPE);
	EXPECT_EQ (errno, EPIPE); // the guard keeps the write's errno
	EXPECT_FALSE (sigpipeBlocked ());
	EXPECT_FALSE (sigpipePending ());
	struct sigaction action {};
	sigaction (SIGPIPE, nullptr, &action);
	EXPECT_EQ (action.sa_handler, SIG_DFL);

	// Nested guards, as one member calling another.
	{
		const SigpipeGuard outer;
		EXPECT_EQ (guardedWrite (), EPIPE);
		EXPECT_TRUE (sigpipeBlocked ());
		EXPECT_FALSE (sigpipePending ());
	}
	EXPECT_FALSE (sigpipeBlocked ());
}

TEST_F (SigpipeGuardTest, HostsBlockedSigpipeStaysBlockedAndItsOwnPending)
{
	for (const bool hostHasOnePending : {false, true})
	{
		setSigpipeBlocked (true);
		if (hostHasOnePending)
			pthread_kill (pthread_self (), SIGPIPE);
		EXPECT_EQ (guardedWrite (), EPIPE);
		EXPECT_TRUE (sigpipeBlocked ()) << hostHasOnePending;
		EXPECT_EQ (sigpipePending (), hostHasOnePending);

		// The host takes its own, if any, before unblocking.
		sigset_t sigpipe;
		sigemptyset (&sigpipe);
		sigaddset (&sigpipe, SIGPIPE);
		const timespec now {0, 0};
		while (sigtimedwait (&sigpipe, nullptr, &now) == SIGPIPE)
		{
		}
		setSigpipeBlocked (false);
	}
}

} // namespace
