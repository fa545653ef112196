// The built bundle's editor in a real X11 window of the host: the child
// window, what it shows and how it follows the host, and the faults of a
// host or a server it survives.
#include "modulewindowfixture.h"
#include "shippedlayout.h"

#include "common/plugparamids.h"
#include "streams.h"

#include <dirent.h>

namespace Steinberg {
namespace {

size_t threadCount ()
{
	size_t count = 0;
	if (DIR* tasks = opendir ("/proc/self/task"))
	{
		while (dirent* entry = readdir (tasks))
			count += entry->d_name[0] != '.';
		closedir (tasks);
	}
	return count;
}

TEST_F (ModuleWindowTest, ChildWindowOfTheTemplateSizeDrawsTheEditor)
{
	const XWindowId parent = host.createParent (0, 0, kEditorWidth, kEditorHeight);
	const size_t threadsBefore = threadCount ();
	IPtr<IPlugView> view = openEditor (parent);
	ASSERT_TRUE (view);
	const XWindowId child = waitForChild (parent);
	ASSERT_NE (child, 0u);
	const auto geometry = host.geometryOf (child);
	EXPECT_EQ (geometry.width, kEditorWidth);
	EXPECT_EQ (geometry.height, kEditorHeight);
	// The connection is watched by the host's loop and the timers run on it.
	EXPECT_EQ (host.eventHandlerCount (), 1u);
	EXPECT_GE (host.timerCount (), 2u);

	const Picture picture = waitForPicture (child);
	// The editor keeps no thread: the text library's first font lookup
	// runs on a short-lived one of its own.
	EXPECT_TRUE (host.runUntil ([&] { return threadCount () == threadsBefore; }, 3000));
	ASSERT_FALSE (picture.empty ());
	EXPECT_TRUE (savePng (picture, screenshotPath ("editor-window.png")));
	EXPECT_GT (picture.countColors (), 50u);
	// Each continuous control shows more than a flat area.
	for (int32_t tag = 0; tag <= static_cast<int32_t> (Vst::kMixId); ++tag)
		EXPECT_GT (picture.countColors (pixelsOf (shippedControlRect (tag))), 4u) << "tag " << tag;

	closeEditor (view);
	EXPECT_TRUE (host.childrenOf (parent).empty ());
	EXPECT_EQ (host.eventHandlerCount (), 0u);
	EXPECT_EQ (host.timerCount (), 0u);
}

TEST_F (ModuleWindowTest, HostChangeRedrawsOnlyThatControl)
{
	const XWindowId parent = host.createParent (0, 0, kEditorWidth, kEditorHeight);
	IPtr<IPlugView> view = openEditor (parent);
	const XWindowId child = waitForChild (parent);
	ASSERT_NE (child, 0u);
	const Picture before = waitForPicture (child);
	ASSERT_FALSE (before.empty ());

	// Automation from the host: the idle timer delivers it, the tick draws it.
	controller->setParamNormalized (Vst::kDepthId, 0.9);
	const PixelRect depth = pixelsOf (shippedControlRect (Vst::kDepthId));
	Picture after;
	host.runUntil (
	    [&] {
		    after = host.screenshot (child);
		    return !after.empty () && after.countDifferences (before, depth) > 100;
	    },
	    2000);
	ASSERT_FALSE (after.empty ());
	EXPECT_TRUE (savePng (after, screenshotPath ("editor-window-depth-90.png")));
	EXPECT_GT (after.countDifferences (before, depth), 100u);
	EXPECT_EQ (after.countDifferences (before, pixelsOf (shippedControlRect (Vst::kDelayId))), 0u);
	EXPECT_EQ (after.countDifferences (before, pixelsOf (shippedControlRect (Vst::kLevelId))), 0u);
	EXPECT_TRUE (handler.edits.empty ()); // following the host sends nothing back
	closeEditor (view);
}

// Opening the editor only shows the switches as the host left them: the host
// must not record an edit, or a project would read as modified on opening.
TEST_F (ModuleWindowTest, OpeningWithTheSwitchesOnSendsTheHostNothing)
{
	const XWindowId parent = host.createParent (0, 0, kEditorWidth, kEditorHeight);
	const PixelRect thruNull = pixelsOf (shippedControlRect (Vst::kThruNullId));
	const PixelRect bypass = pixelsOf (shippedControlRect (Vst::kBypassId));
	// Open, drawn, and many idle ticks later, so the deferred updates are in.
	const auto openAndSettle = [&] (Vst::IEditController* of) {
		IPtr<IPlugView> view = openEditor (parent, of);
		Picture picture = waitForPicture (waitForChild (parent));
		host.runFor (200);
		return std::make_pair (view, picture);
	};
	// A project's record with both switches on: seven values, then the switches.
	Bytes record (72, 0);
	record[64] = record[68] = 1;
	for (bool fromProject : {false, true})
	{
		SCOPED_TRACE (fromProject ? "from a project's record" : "from the host's values");
		IPtr<Vst::IEditController> of = createController ();
		ASSERT_TRUE (of);
		if (fromProject)
			ASSERT_EQ (of->setComponentState (streamOf (record)), kResultOk);
		else
		{
			of->setParamNormalized (Vst::kThruNullId, 1.);
			of->setParamNormalized (Vst::kBypassId, 1.);
		}
		auto [view, picture] = openAndSettle (of);
		ASSERT_FALSE (picture.empty ());
		EXPECT_TRUE (handler.edits.empty ());
		EXPECT_GT (picture.countNear (0x4fb8e6, thruNull), 100u);
		EXPECT_GT (picture.countNear (0xf0a030, bypass), 100u);

		// A host-side change while open still comes back once.
		of->setParamNormalized (Vst::kThruNullId, 0.);
		host.runFor (50);
		ASSERT_EQ (handler.edits.size (), 1u);
		EXPECT_EQ (handler.edits[0].kind, Vst::RecordingHandler::kPerform);
		EXPECT_EQ (handler.edits[0].id, Vst::kThruNullId);
		EXPECT_EQ (handler.edits[0].value, 0.);
		closeEditor (view);

		handler.edits.clear ();
		auto reopened = openAndSettle (of);
		EXPECT_TRUE (handler.edits.empty ());
		EXPECT_EQ (reopened.second.countNear (0x4fb8e6, thruNull), 0u);
		EXPECT_GT (reopened.second.countNear (0xf0a030, bypass), 100u);
		closeEditor (reopened.first);
		handler.edits.clear ();
	}
}

TEST_F (ModuleWindowTest, TwoEditorsAtOnceAreIndependent)
{
	IPtr<Vst::IEditController> second = createController ();
	ASSERT_TRUE (second);
	const XWindowId parentA = host.createParent (0, 0, kEditorWidth, kEditorHeight);
	const XWindowId parentB = host.createParent (0, kEditorHeight + 20, kEditorWidth, kEditorHeight);
	second->setParamNormalized (Vst::kDepthId, 1.0);
	IPtr<IPlugView> viewA = openEditor (parentA);
	IPtr<IPlugView> viewB = openEditor (parentB, second);
	const XWindowId childA = waitForChild (parentA);
	const XWindowId childB = waitForChild (parentB);
	ASSERT_NE (childA, 0u);
	ASSERT_NE (childB, 0u);
	EXPECT_EQ (host.eventHandlerCount (), 2u); // a connection each
	const PixelRect depth = pixelsOf (shippedControlRect (Vst::kDepthId));
	Picture a = waitForPicture (childA);
	Picture b;
	host.runUntil (
	    [&] {
		    b = host.screenshot (childB);
		    return !b.empty () && b.countDifferences (a, depth) > 100;
	    },
	    2000);
	EXPECT_GT (b.countDifferences (a, depth), 100u);

	// The first closes; the second goes on following its host.
	closeEditor (viewA);
	EXPECT_TRUE (host.childrenOf (parentA).empty ());
	EXPECT_EQ (host.eventHandlerCount (), 1u);
	const Picture beforeChange = host.screenshot (childB);
	second->setParamNormalized (Vst::kDepthId, 0.0);
	Picture afterChange;
	host.runUntil (
	    [&] {
		    afterChange = host.screenshot (childB);
		    return afterChange.countDifferences (beforeChange, depth) > 100;
	    },
	    2000);
	EXPECT_GT (afterChange.countDifferences (beforeChange, depth), 100u);
	closeEditor (viewB);
	EXPECT_EQ (host.eventHandlerCount (), 0u);
	EXPECT_EQ (host.timerCount (), 0u);
}

TEST_F (ModuleWindowTest, HundredOpenCloseCyclesLeaveNothing)
{
	const XWindowId parent = host.createParent (0, 0, kEditorWidth, kEditorHeight);
	for (int cycle = 0; cycle < 100; ++cycle)
	{
		IPtr<IPlugView> view = openEditor (parent);
		ASSERT_TRUE (view);
		host.runFor (cycle % 10 == 0 ? 40 : 2); // now and then long enough to draw
		closeEditor (view);
		ASSERT_TRUE (host.childrenOf (parent).empty ()) << "cycle " << cycle;
	}
	EXPECT_EQ (host.eventHandlerCount (), 0u);
	EXPECT_EQ (host.timerCount (), 0u);
	EXPECT_EQ (host.eventHandlerRegistrations, 100);
}

TEST_F (ModuleWindowTest, EditorOpensWithoutARunLoop)
{
	host.offersRunLoop = false;
	const XWindowId parent = host.createParent (0, 0, kEditorWidth, kEditorHeight);
	IPtr<IPlugView> view = openEditor (parent);
	ASSERT_TRUE (view);
	const XWindowId child = waitForChild (parent);
	ASSERT_NE (child, 0u);
	EXPECT_EQ (host.geometryOf (child).width, kEditorWidth);
	EXPECT_EQ (host.eventHandlerRegistrations, 0);
	EXPECT_EQ (host.timerRegistrations, 0);
	closeEditor (view);
	EXPECT_TRUE (host.childrenOf (parent).empty ());
}

TEST_F (ModuleWindowTest, ParentDestroyedFirstStopsDrawingOnly)
{
	const XWindowId parent = host.createParent (0, 0, kEditorWidth, kEditorHeight);
	IPtr<IPlugView> view = openEditor (parent);
	ASSERT_NE (waitForChild (parent), 0u);
	host.runFor (50);
	host.destroyWindow (parent);
	// The editor notices, lets its connection go and keeps following the host.
	host.runUntil ([&] { return host.eventHandlerCount () == 0; }, 2000);
	EXPECT_EQ (host.eventHandlerCount (), 0u);
	controller->setParamNormalized (Vst::kDepthId, 0.7);
	host.runFor (50);
	closeEditor (view);
	EXPECT_EQ (host.timerCount (), 0u);

	// The controller opens a new editor as before.
	const XWindowId another = host.createParent (0, 0, kEditorWidth, kEditorHeight);
	view = openEditor (another);
	EXPECT_NE (waitForChild (another), 0u);
	closeEditor (view);
}

TEST_F (ModuleWindowTest, ParentThatIsNoWindowGivesAnEditorThatDrawsNothing)
{
	const XWindowId pixmap = host.createPixmap ();
	const XWindowId unused = 0x1fffff; // an id no client was given
	for (XWindowId parent : {pixmap, unused})
	{
		IPtr<IPlugView> view = openEditor (parent);
		ASSERT_TRUE (view);
		host.runFor (30);
		EXPECT_EQ (host.eventHandlerCount (), 0u);
		controller->setParamNormalized (Vst::kMixId, 0.5);
		host.runFor (30);
		closeEditor (view);
		EXPECT_EQ (host.timerCount (), 0u);
	}
	host.freePixmap (pixmap);
}

TEST_F (ModuleWindowTest, LostConnectionStopsDrawingAndTheHostGoesOn)
{
	const XWindowId parent = host.createParent (0, 0, kEditorWidth, kEditorHeight);
	IPtr<IPlugView> view = openEditor (parent);
	const XWindowId child = waitForChild (parent);
	ASSERT_NE (child, 0u);
	waitForPicture (child);
	host.killClientOf (child);
	host.runUntil ([&] { return host.eventHandlerCount () == 0; }, 2000);
	EXPECT_EQ (host.eventHandlerCount (), 0u);
	EXPECT_TRUE (host.childrenOf (parent).empty ()); // the server took the window with the client
	controller->setParamNormalized (Vst::kDepthId, 0.1);
	host.runFor (50);
	closeEditor (view);
	EXPECT_EQ (host.timerCount (), 0u);
}

} // namespace
} // namespace Steinberg
