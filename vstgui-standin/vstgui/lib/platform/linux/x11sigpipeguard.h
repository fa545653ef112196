// Keeps a write on an X connection that the server has closed from ending
// the host. Such a write raises SIGPIPE, whose default action kills the
// process; the X library writes without sparing the signal, and how the
// host disposes of it is the host's to decide. While a guard lives, SIGPIPE
// is blocked on the calling thread; when it goes, a SIGPIPE raised meanwhile
// is taken back and the thread's mask is as it was. One already pending
// when the guard came is left to the host.
#pragma once

namespace VSTGUI {
namespace X11 {

class SigpipeGuard
{
public:
	SigpipeGuard () noexcept;
	~SigpipeGuard () noexcept;

	SigpipeGuard (const SigpipeGuard&) = delete;
	SigpipeGuard& operator= (const SigpipeGuard&) = delete;

private:
	bool wasBlocked {false};
	bool wasPending {false};
};

} // namespace X11
} // namespace VSTGUI
