// The built bundle's editor on an X server of the test's own that dies under
// it, with SIGPIPE at its default action, which ends a process on a write to
// a closed connection: the host lives on, the editor stops drawing, follows
// the host's changes and resizes, and closes cleanly. The server dies either
// between two turns of the host's loop, when the editor reads of its loss
// first, or at the very moment the editor writes (opening, drawing, asking
// for the keys once its window has the focus, closing), just after the X
// library found the connection alive.
#include "modulewindowfixture.h"
#include "privatexserver.h"
#include "socketwritehook.h"

#include "common/plugparamids.h"

#include <pthread.h>
#include <signal.h>

namespace Steinberg {
namespace {

enum class Death
{
	kBetweenTurns,
	kAtOpening,
	kAtDrawing,
	kAtFocus,
	kAtClosing,
};

const char* nameOf (Death death)
{
	const char* names[] = {"BetweenTurns", "AtOpening", "AtDrawing", "AtFocus", "AtClosing"};
	return names[static_cast<int> (death)];
}

void PrintTo (Death death, std::ostream* out) { *out << nameOf (death); }

bool sigpipeIn (const sigset_t& set) { return sigismember (&set, SIGPIPE) == 1; }

// The private server comes before the fixture's host, which connects to it.
class LostServerTest : protected PrivateXServer,
                       public ModuleWindowTest,
                       public ::testing::WithParamInterface<Death>
{
protected:
	void SetUp () override
	{
		struct sigaction byDefault {};
		byDefault.sa_handler = SIG_DFL;
		sigaction (SIGPIPE, &byDefault, &hostsAction);
		if (!PrivateXServer::ok ())
		{
			if (X11TestHost::displayRequired ())
				FAIL () << "no private X server (Xvfb), and DERAZID_REQUIRE_DISPLAY is set";
			GTEST_SKIP () << "no Xvfb to start a private X server with";
		}
		ModuleWindowTest::SetUp ();
	}

	void TearDown () override
	{
		beforeNextSocketWrite (nullptr); // an action not run must not outlive the test
		ModuleWindowTest::TearDown ();
		sigaction (SIGPIPE, &hostsAction, nullptr);
	}

	// Neither a SIGPIPE left behind nor a change to how the process takes one.
	static void expectSigpipeAsBefore ()
	{
		struct sigaction action {};
		sigaction (SIGPIPE, nullptr, &action);
		EXPECT_EQ (action.sa_handler, SIG_DFL);
		sigset_t set;
		pthread_sigmask (SIG_SETMASK, nullptr, &set);
		EXPECT_FALSE (sigpipeIn (set)) << "SIGPIPE left blocked";
		sigpending (&set);
		EXPECT_FALSE (sigpipeIn (set)) << "SIGPIPE left pending";
	}

	struct sigaction hostsAction {};
};

TEST_P (LostServerTest, HostLivesOnAndTheEditorClosesCleanly)
{
	const Death death = GetParam ();
	const XWindowId parent = host.createParent (0, 0, kEditorWidth, kEditorHeight);
	IPtr<IPlugView> view;
	if (death != Death::kAtOpening)
	{
		view = openEditor (parent);
		ASSERT_TRUE (view);
		const XWindowId child = waitForChild (parent);
		ASSERT_NE (child, 0u);
		EXPECT_FALSE (waitForPicture (child).empty ());
		if (death == Death::kAtFocus)
			host.focus (child); // the editor hears of it after the server is gone
	}
	host.disconnectLeavingWindows ();
	if (death == Death::kBetweenTurns)
		killServer ();
	else
		beforeNextSocketWrite ([this] { killServer (); });

	if (death == Death::kAtOpening)
	{
		view = openEditor (parent);
		ASSERT_TRUE (view);
		EXPECT_TRUE (socketWriteHookRan ());
	}
	if (death != Death::kAtClosing)
	{
		// A change to draw, then turns of the loop until the editor has let
		// its connection go, a resize and another change.
		controller->setParamNormalized (Vst::kDepthId, 0.3);
		EXPECT_TRUE (host.runUntil ([&] { return host.eventHandlerCount () == 0; }, 3000));
		EXPECT_TRUE ((death != Death::kAtDrawing && death != Death::kAtFocus) ||
		             socketWriteHookRan ());
		ViewRect smaller (0, 0, kEditorWidth / 2, kEditorHeight / 2);
		view->onSize (&smaller);
		controller->setParamNormalized (Vst::kMixId, 0.6);
		host.runFor (50);
	}
	closeEditor (view);
	EXPECT_TRUE (death == Death::kBetweenTurns || socketWriteHookRan ());
	EXPECT_EQ (host.eventHandlerCount (), 0u);
	EXPECT_EQ (host.timerCount (), 0u);
	expectSigpipeAsBefore ();
}

INSTANTIATE_TEST_SUITE_P (Moments, LostServerTest,
                          ::testing::Values (Death::kBetweenTurns, Death::kAtOpening,
                                             Death::kAtDrawing, Death::kAtFocus,
                                             Death::kAtClosing),
                          [] (const auto& info) { return std::string (nameOf (info.param)); });

} // namespace
} // namespace Steinberg
