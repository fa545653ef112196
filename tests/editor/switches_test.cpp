// The stock switches: the press picks a position along the axis, and each
// creator makes its kind.
#include "controlfixtures.h"

#include "vstgui/lib/controls/chorizontalswitch.h"
#include "vstgui/lib/controls/cverticalswitch.h"
#include "vstgui/lib/sharedpointer.h"
#include "vstgui/uidescription/iviewcreator.h"
#include "vstgui/uidescription/uiattributes.h"
#include "vstgui/uidescription/uiviewfactory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace VSTGUI;
using Steinberg::Vst::RecordingHandler;

namespace {

constexpr auto kBegin = RecordingHandler::kBegin;
constexpr auto kEnd = RecordingHandler::kEnd;

TEST (SwitchTest, PressPicksThePositionAlongTheAxis)
{
	HostForwardingListener listener;
	CVerticalSwitch vertical (CRect (0, 10, 20, 100), &listener, 8);
	vertical.setMax (2.f); // three positions of 30 pixels
	const std::pair<CCoord, float> picks[] = {{10, 0.f},  {39, 0.f},  {40, 1.f},  {69, 1.f},
	                                          {70, 2.f},  {99, 2.f},  {150, 2.f}, {-20, 0.f}};
	for (const auto& pick : picks)
	{
		CPoint where (10, pick.first);
		EXPECT_EQ (vertical.onMouseDown (where, CButtonState (kLButton)), kMouseEventHandled);
		EXPECT_EQ (vertical.getValue (), pick.second) << pick.first;
		vertical.onMouseUp (where, CButtonState (kLButton));
	}
	// A drag goes on picking until the release.
	listener.handler.edits.clear ();
	CPoint where (10, 15);
	vertical.onMouseDown (where, CButtonState (kLButton));
	where.y = 75;
	EXPECT_EQ (vertical.onMouseMoved (where, CButtonState (kLButton)), kMouseEventHandled);
	EXPECT_EQ (vertical.getValue (), 2.f);
	EXPECT_EQ (vertical.onMouseCancel (), kMouseEventHandled); // back to the value before the press
	EXPECT_EQ (vertical.getValue (), 0.f);
	EXPECT_EQ (listener.handler.edits.front ().kind, kBegin);
	EXPECT_EQ (listener.handler.edits.back ().kind, kEnd);
	EXPECT_FALSE (vertical.isEditing ());

	// Two positions on a range of one, left to right.
	CHorizontalSwitch horizontal (CRect (10, 0, 50, 20), &listener, 7);
	for (const auto& pick : {std::make_pair (10., 0.f), std::make_pair (29., 0.f),
	                         std::make_pair (30., 1.f), std::make_pair (49., 1.f)})
	{
		where = CPoint (pick.first, 10);
		horizontal.onMouseDown (where, CButtonState (kLButton));
		EXPECT_EQ (horizontal.getValue (), pick.second) << pick.first;
		horizontal.onMouseUp (where, CButtonState (kLButton));
	}
	EXPECT_EQ (horizontal.onMouseDown (where, CButtonState (kRButton)), kMouseEventNotHandled);

	// A switch of no size picks its first position.
	CVerticalSwitch flat (CRect (0, 0, 20, 0), &listener, 8);
	where = CPoint (10, 0);
	flat.setValue (1.f);
	flat.onMouseDown (where, CButtonState (kLButton));
	EXPECT_EQ (flat.getValue (), 0.f);
	flat.onMouseUp (where, CButtonState (kLButton));
}

TEST (SwitchTest, CreatorsMakeEachKind)
{
	UIViewFactory factory;
	for (const char* name : {"CVerticalSwitch", "CHorizontalSwitch"})
	{
		UIAttributes element;
		element.setAttribute ("class", name);
		element.setAttribute ("size", "20, 60");
		element.setAttribute ("max-value", "2");
		SharedPointer<CView> view (factory.createView (element, nullptr), false);
		ASSERT_TRUE (view) << name;
		auto* control = dynamic_cast<CControl*> (view.get ());
		ASSERT_TRUE (control);
		EXPECT_EQ (control->getMax (), 2.f);
		EXPECT_EQ (view->getViewSize ().getHeight (), 60.);
		EXPECT_EQ (dynamic_cast<CVerticalSwitch*> (view.get ()) != nullptr,
		           std::string (name) == "CVerticalSwitch");
		const IViewCreator* other =
		    UIViewFactory::getViewCreator (std::string (name) == "CVerticalSwitch" ? "CHorizontalSwitch"
		                                                                          : "CVerticalSwitch");
		EXPECT_FALSE (other->apply (view.get (), element, nullptr));
	}
}

} // namespace
