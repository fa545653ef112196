// An X server of the test's own (Xvfb on a display it finds free), named by
// the environment's DISPLAY while it runs: a server a test may kill without
// taking anyone else's windows along.
#pragma once

#include <sys/types.h>

#include <string>

namespace Steinberg {

class PrivateXServer
{
public:
	// Starts the server and waits until it takes connections; ok () tells.
	PrivateXServer ();
	// Stops the server if it still runs and gives DISPLAY back.
	~PrivateXServer ();

	PrivateXServer (const PrivateXServer&) = delete;
	PrivateXServer& operator= (const PrivateXServer&) = delete;

	bool ok () const { return !name.empty (); }
	const std::string& displayName () const { return name; }

	// Ends the server, which closes every connection to it, and waits until
	// it is gone.
	void killServer ();

private:
	pid_t pid {-1};
	std::string name;
	std::string savedDisplay;
	bool hadDisplay {false};
};

} // namespace Steinberg
