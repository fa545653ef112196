#include "privatexserver.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace Steinberg {

namespace {

constexpr int kStartTimeoutMs = 10000;
constexpr int kDisplayFd = 3;

// The display number the server writes to its -displayfd once it listens.
std::string readDisplayNumber (int fd)
{
	std::string number;
	pollfd wait {fd, POLLIN, 0};
	char c = 0;
	while (poll (&wait, 1, kStartTimeoutMs) > 0 && read (fd, &c, 1) == 1 && c != '\n')
		number += c;
	return c == '\n' ? number : std::string ();
}

bool reap (pid_t pid, int milliseconds)
{
	for (int waited = 0; waited <= milliseconds; waited += 10)
	{
		if (waitpid (pid, nullptr, WNOHANG) == pid)
			return true;
		usleep (10000);
	}
	return false;
}

} // namespace

PrivateXServer::PrivateXServer ()
{
	int pipeFds[2];
	if (pipe2 (pipeFds, O_CLOEXEC) != 0)
		return;
	const std::string fd = std::to_string (kDisplayFd);
	std::vector<const char*> argv = {"Xvfb", "-displayfd", fd.c_str (), "-nolisten", "tcp",
	                                 "-screen", "0", "800x600x24", nullptr};
	pid = fork ();
	if (pid == 0)
	{
		// A test that dies takes its server along.
		prctl (PR_SET_PDEATHSIG, SIGTERM);
		const int devNull = open ("/dev/null", O_RDWR);
		dup2 (devNull, STDOUT_FILENO);
		dup2 (devNull, STDERR_FILENO);
		if (pipeFds[1] == kDisplayFd)
			fcntl (kDisplayFd, F_SETFD, 0);
		else
			dup2 (pipeFds[1], kDisplayFd);
		execvp (argv[0], const_cast<char* const*> (argv.data ()));
		_exit (127);
	}
	close (pipeFds[1]);
	const std::string number = pid > 0 ? readDisplayNumber (pipeFds[0]) : std::string ();
	close (pipeFds[0]);
	if (number.empty ())
	{
		killServer ();
		return;
	}
	name = ":" + number;
	const char* display = std::getenv ("DISPLAY");
	hadDisplay = display != nullptr;
	savedDisplay = display ? display : "";
	setenv ("DISPLAY", name.c_str (), 1);
}

PrivateXServer::~PrivateXServer ()
{
	killServer ();
	if (name.empty ())
		return;
	if (hadDisplay)
		setenv ("DISPLAY", savedDisplay.c_str (), 1);
	else
		unsetenv ("DISPLAY");
}

void PrivateXServer::killServer ()
{
	if (pid <= 0)
		return;
	// Terminated, the server closes its clients' connections and removes its
	// lock and socket; one that does not end soon is killed outright.
	kill (pid, SIGTERM);
	if (!reap (pid, 5000))
	{
		kill (pid, SIGKILL);
		waitpid (pid, nullptr, 0);
	}
	pid = -1;
}

} // namespace Steinberg
