// Each control draws itself from its value and its attributes, through the
// drawing context, in the coordinates its container hands down.
#include "recordingdrawcontext.h"

#include "vstgui/lib/controls/chorizontalswitch.h"
#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/controls/conoffbutton.h"
#include "vstgui/lib/controls/cparamdisplay.h"
#include "vstgui/lib/controls/cslider.h"
#include "vstgui/lib/controls/ctextlabel.h"
#include "vstgui/lib/controls/cverticalswitch.h"
#include "vstgui/lib/cviewcontainer.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace VSTGUI;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr CColor kTrack {1, 2, 3};
constexpr CColor kValue {4, 5, 6};
constexpr CColor kHandle {7, 8, 9};

// A container that records what its children ask to have redrawn.
class RecordingContainer : public CViewContainer
{
public:
	using CViewContainer::CViewContainer;
	void invalidRect (const CRect& rect) override { invalidated.push_back (rect); }
	std::vector<CRect> invalidated;
};

// Minimum at the bottom, as the shipped sliders run.
void styleSlider (CSlider& slider)
{
	slider.setHandleSize (CPoint (30, 14));
	slider.setBackColor (kTrack);
	slider.setValueColor (kValue);
	slider.setHandleColor (kHandle);
}

TEST (SliderDrawingTest, HandleSitsAtTheValueAndTheFillRunsFromTheMinimum)
{
	CSlider slider (CRect (10, 20, 40, 120), nullptr, -1, kVertical | kBottom);
	styleSlider (slider);
	slider.setValueNormalized (0.25f);
	RecordingDrawContext context;
	slider.draw (&context);

	auto rounds = context.of (RecordingDrawContext::kRoundRect);
	ASSERT_EQ (rounds.size (), 3u); // track, fill, handle
	// The track runs between the handle's middles at both ends.
	EXPECT_EQ (rounds[0].fill, kTrack);
	EXPECT_EQ (rounds[0].rect.top, 27.);
	EXPECT_EQ (rounds[0].rect.bottom, 113.);
	EXPECT_EQ (rounds[0].rect.getCenter ().x, 25.);
	// A quarter up from the bottom: 86 pixels of travel, the handle's top at
	// 20 + 0.75 * 86.
	EXPECT_EQ (rounds[2].fill, kHandle);
	EXPECT_EQ (rounds[2].rect, CRect (10, 84.5, 40, 98.5));
	EXPECT_EQ (rounds[1].fill, kValue);
	EXPECT_EQ (rounds[1].rect.top, 91.5);
	EXPECT_EQ (rounds[1].rect.bottom, 113.);
	// The grip line crosses the handle's middle.
	auto lines = context.of (RecordingDrawContext::kLine);
	ASSERT_EQ (lines.size (), 1u);
	EXPECT_EQ (lines[0].from.y, 91.5);
	EXPECT_EQ (lines[0].to.y, 91.5);

	// At the minimum nothing is filled and the handle rests at the bottom.
	slider.setValueNormalized (0.f);
	RecordingDrawContext atMinimum;
	slider.draw (&atMinimum);
	rounds = atMinimum.of (RecordingDrawContext::kRoundRect);
	ASSERT_EQ (rounds.size (), 2u);
	EXPECT_EQ (rounds[1].rect, CRect (10, 106, 40, 120));
}

TEST (SliderDrawingTest, HorizontalAndReversedSlidersFillFromTheirMinimum)
{
	CSlider slider (CRect (0, 0, 110, 20), nullptr, -1, kHorizontal | kLeft);
	slider.setHandleSize (CPoint (10, 20));
	slider.setValueNormalized (1.f);
	RecordingDrawContext context;
	slider.draw (&context);
	auto rounds = context.of (RecordingDrawContext::kRoundRect);
	ASSERT_EQ (rounds.size (), 3u);
	EXPECT_EQ (rounds[1].rect.left, 5.);
	EXPECT_EQ (rounds[1].rect.right, 105.);
	EXPECT_EQ (rounds[2].rect, CRect (100, 0, 110, 20));

	slider.setStyle (kHorizontal | kRight);
	slider.setValueNormalized (0.5f);
	RecordingDrawContext reversed;
	slider.draw (&reversed);
	rounds = reversed.of (RecordingDrawContext::kRoundRect);
	ASSERT_EQ (rounds.size (), 3u);
	EXPECT_EQ (rounds[1].rect.left, 55.); // from the right end to the middle
	EXPECT_EQ (rounds[1].rect.right, 105.);
}

TEST (SliderDrawingTest, InvisibleColoursLeaveTheirPartOut)
{
	CSlider slider (CRect (10, 20, 40, 120), nullptr, -1, kVertical | kBottom);
	styleSlider (slider);
	slider.setValueNormalized (0.5f);
	slider.setBackColor (kTransparentCColor);
	slider.setValueColor (kTransparentCColor);
	RecordingDrawContext context;
	slider.draw (&context);
	auto rounds = context.of (RecordingDrawContext::kRoundRect);
	ASSERT_EQ (rounds.size (), 1u);
	EXPECT_EQ (rounds[0].fill, kHandle);
	EXPECT_TRUE (context.of (RecordingDrawContext::kLine).empty ());
}

TEST (KnobDrawingTest, CoronaAndPointerFollowTheValue)
{
	CKnob knob (CRect (0, 0, 60, 60));
	knob.setCoronaColor (kValue);
	knob.setFrameColor (kTrack);
	knob.setHandleColor (kHandle);
	knob.setValueNormalized (0.5f);
	RecordingDrawContext context;
	knob.draw (&context);

	auto arcs = context.of (RecordingDrawContext::kArc);
	ASSERT_EQ (arcs.size (), 2u);
	// The track over the whole range, then the corona up to the value.
	EXPECT_EQ (arcs[0].frame, kTrack);
	EXPECT_NEAR (arcs[0].startAngle, kPi * 0.75, 1e-6);
	EXPECT_NEAR (arcs[0].endAngle, kPi * 2.25, 1e-6);
	EXPECT_EQ (arcs[1].frame, kValue);
	EXPECT_NEAR (arcs[1].endAngle, kPi * 1.5, 1e-6);
	EXPECT_EQ (arcs[1].rect, CRect (0, 0, 60, 60));
	EXPECT_EQ (context.of (RecordingDrawContext::kEllipse).size (), 1u);
	// Half way points straight up.
	auto lines = context.of (RecordingDrawContext::kLine);
	ASSERT_EQ (lines.size (), 1u);
	EXPECT_EQ (lines[0].frame, kHandle);
	EXPECT_NEAR (lines[0].from.x, 30., 1e-4); // the angles are floats
	EXPECT_NEAR (lines[0].to.x, 30., 1e-4);
	EXPECT_LT (lines[0].to.y, lines[0].from.y);
	EXPECT_LT (lines[0].to.y, 30.);

	// At the minimum there is no corona, and the pointer looks down-left.
	knob.setValueNormalized (0.f);
	RecordingDrawContext atMinimum;
	knob.draw (&atMinimum);
	EXPECT_EQ (atMinimum.of (RecordingDrawContext::kArc).size (), 1u);
	lines = atMinimum.of (RecordingDrawContext::kLine);
	ASSERT_EQ (lines.size (), 1u);
	EXPECT_LT (lines[0].to.x, 30.);
	EXPECT_GT (lines[0].to.y, 30.);
}

TEST (KnobDrawingTest, ArcsStayInsideANonSquareView)
{
	CKnob knob (CRect (100, 10, 180, 50));
	EXPECT_EQ (knob.getArcRect (), CRect (120, 10, 160, 50));
	knob.setHandleLineWidth (-2.);
	EXPECT_EQ (knob.getHandleLineWidth (), 0.);
	RecordingDrawContext context;
	knob.draw (&context);
	EXPECT_TRUE (context.of (RecordingDrawContext::kLine).empty ()); // no pointer of width 0
}

TEST (OnOffButtonDrawingTest, FillAndThumbShowTheState)
{
	COnOffButton button (CRect (0, 0, 40, 20));
	button.setBackColor (kTrack);
	button.setOnColor (kValue);
	button.setHandleColor (kHandle);
	RecordingDrawContext off;
	button.draw (&off);
	ASSERT_EQ (off.of (RecordingDrawContext::kRoundRect).size (), 1u);
	EXPECT_EQ (off.of (RecordingDrawContext::kRoundRect)[0].fill, kTrack);
	ASSERT_EQ (off.of (RecordingDrawContext::kEllipse).size (), 1u);
	const CRect offThumb = off.of (RecordingDrawContext::kEllipse)[0].rect;
	EXPECT_LT (offThumb.getCenter ().x, 20.);

	button.setValue (button.getMax ());
	EXPECT_TRUE (button.isOn ());
	RecordingDrawContext on;
	button.draw (&on);
	EXPECT_EQ (on.of (RecordingDrawContext::kRoundRect)[0].fill, kValue);
	const CRect onThumb = on.of (RecordingDrawContext::kEllipse)[0].rect;
	EXPECT_GT (onThumb.getCenter ().x, 20.);
	EXPECT_EQ (onThumb.getWidth (), offThumb.getWidth ());
	EXPECT_NEAR (onThumb.right, 40. - offThumb.left, 1e-9); // mirrored
}

TEST (SwitchDrawingTest, OneCellPerPositionTheSelectedOneLit)
{
	// Three positions: 0, 1 and 2.
	CHorizontalSwitch horizontal (CRect (0, 0, 90, 20));
	horizontal.setMax (2.f);
	horizontal.setBackColor (kTrack);
	horizontal.setOnColor (kValue);
	horizontal.setValue (1.f);
	ASSERT_EQ (horizontal.getPositionCount (), 3);
	EXPECT_EQ (horizontal.getCurrentPosition (), 1);
	RecordingDrawContext context;
	horizontal.draw (&context);
	auto cells = context.of (RecordingDrawContext::kRoundRect);
	ASSERT_EQ (cells.size (), 3u);
	EXPECT_EQ (cells[0].fill, kTrack);
	EXPECT_EQ (cells[1].fill, kValue);
	EXPECT_EQ (cells[2].fill, kTrack);
	EXPECT_EQ (cells[1].rect, CRect (31, 0, 59, 20)); // a pixel of gap each side
	// The cell drawn lit is the one a press there picks.
	EXPECT_EQ (horizontal.valueFromPoint (cells[1].rect.getCenter ()), 1.f);

	CVerticalSwitch vertical (CRect (0, 0, 20, 40));
	vertical.setOnColor (kValue);
	vertical.setValue (vertical.getMax ());
	RecordingDrawContext verticalContext;
	vertical.draw (&verticalContext);
	cells = verticalContext.of (RecordingDrawContext::kRoundRect);
	ASSERT_EQ (cells.size (), 2u);
	EXPECT_EQ (cells[1].fill, kValue);
	EXPECT_EQ (cells[1].rect, CRect (0, 21, 20, 39));
	EXPECT_EQ (vertical.valueFromPoint (cells[1].rect.getCenter ()), vertical.getMax ());
}

TEST (SwitchDrawingTest, HugeOrEmptyRangesStayDrawable)
{
	CHorizontalSwitch wide (CRect (0, 0, 100, 20));
	wide.setMax (1e9f);
	EXPECT_LE (wide.getPositionCount (), 4097);
	wide.setValue (1e9f);
	EXPECT_EQ (wide.getCurrentPosition (), wide.getPositionCount () - 1);
	CHorizontalSwitch none (CRect (0, 0, 100, 20));
	none.setMax (0.f);
	EXPECT_EQ (none.getCurrentPosition (), 0);
	RecordingDrawContext context;
	none.draw (&context);
	EXPECT_EQ (context.of (RecordingDrawContext::kRoundRect).size (), 2u);
}

TEST (ParamDisplayDrawingTest, BackgroundFrameAndTextInItsStyle)
{
	CParamDisplay display (CRect (10, 10, 90, 32));
	display.setValueToStringFunction ([] (float, std::string& text, CParamDisplay*) {
		text = "0.40";
		return true;
	});
	display.setBackColor (kTrack);
	display.setFrameColor (kHandle);
	display.setFontColor (kValue);
	display.setFont (CFontDesc ("DejaVu Sans", 13, kBoldFace));
	display.setRoundRectRadius (5);
	RecordingDrawContext context;
	display.draw (&context);
	auto rounds = context.of (RecordingDrawContext::kRoundRect);
	ASSERT_EQ (rounds.size (), 1u);
	EXPECT_EQ (rounds[0].style, kDrawFilledAndStroked);
	EXPECT_EQ (rounds[0].fill, kTrack);
	EXPECT_EQ (rounds[0].frame, kHandle);
	auto strings = context.of (RecordingDrawContext::kString);
	ASSERT_EQ (strings.size (), 1u);
	EXPECT_EQ (strings[0].text, "0.40");
	EXPECT_EQ (strings[0].fontColor, kValue);
	EXPECT_EQ (strings[0].font, CFontDesc ("DejaVu Sans", 13, kBoldFace));
	EXPECT_EQ (strings[0].rect, CRect (10, 10, 90, 32));
	EXPECT_EQ (strings[0].align, kCenterText);

	// Left-aligned text keeps off the edge; no visible colour, no background.
	display.setHoriAlign (kLeftText);
	display.setBackColor (kTransparentCColor);
	display.setFrameColor (kTransparentCColor);
	display.setRoundRectRadius (0);
	RecordingDrawContext plain;
	display.draw (&plain);
	EXPECT_TRUE (plain.of (RecordingDrawContext::kRoundRect).empty ());
	EXPECT_TRUE (plain.of (RecordingDrawContext::kRect).empty ());
	ASSERT_EQ (plain.of (RecordingDrawContext::kString).size (), 1u);
	EXPECT_EQ (plain.of (RecordingDrawContext::kString)[0].rect,
	           CRect (10 + CParamDisplay::kTextInset, 10, 90 - CParamDisplay::kTextInset, 32));
}

TEST (ParamDisplayDrawingTest, EmptyLabelDrawsOnlyItsBackground)
{
	CTextLabel label (CRect (0, 0, 100, 20));
	label.setBackColor (kTrack);
	RecordingDrawContext context;
	label.draw (&context);
	EXPECT_EQ (context.of (RecordingDrawContext::kRect).size (), 1u);
	EXPECT_TRUE (context.of (RecordingDrawContext::kString).empty ());
	label.setText ("Bypass");
	RecordingDrawContext titled;
	label.draw (&titled);
	ASSERT_EQ (titled.of (RecordingDrawContext::kString).size (), 1u);
	EXPECT_EQ (titled.of (RecordingDrawContext::kString)[0].text, "Bypass");
}

TEST (ContainerDrawingTest, ChildrenDrawOffsetAndOnlyWhereTheClipReaches)
{
	CViewContainer outer (CRect (0, 0, 400, 300));
	auto* inner = new CViewContainer (CRect (100, 50, 300, 250));
	inner->setBackgroundColor (kTrack);
	auto* near = new CTextLabel (CRect (10, 10, 60, 30), "near");
	auto* far = new CTextLabel (CRect (150, 150, 190, 190), "far");
	auto* hidden = new CTextLabel (CRect (10, 40, 60, 60), "hidden");
	hidden->setVisible (false);
	auto* edge = new CTextLabel (CRect (90, 10, 160, 30), "edge"); // crosses the clip's edge
	inner->addView (near);
	inner->addView (far);
	inner->addView (hidden);
	inner->addView (edge);
	outer.addView (inner);

	RecordingDrawContext context;
	context.setClipRect (CRect (0, 0, 200, 120));
	outer.draw (&context);
	auto rects = context.of (RecordingDrawContext::kRect);
	ASSERT_EQ (rects.size (), 1u);
	EXPECT_EQ (rects[0].rect, CRect (100, 50, 300, 250));
	auto strings = context.of (RecordingDrawContext::kString);
	ASSERT_EQ (strings.size (), 2u);
	EXPECT_EQ (strings[0].text, "near");
	EXPECT_EQ (strings[0].rect, CRect (110, 60, 160, 80));
	EXPECT_EQ (strings[1].text, "edge");
	// Children are clipped to their container and to the clip asked for.
	EXPECT_EQ (strings[1].clip, CRect (100, 50, 200, 120));
	// The context is handed back as it was given.
	EXPECT_EQ (context.getOrigin (), CPoint ());
	EXPECT_EQ (context.getClipRect (), CRect (0, 0, 200, 120));
}

TEST (ContainerDrawingTest, StyleChangesAskForARedrawAndLeaveTheValueClean)
{
	RecordingContainer container (CRect (0, 0, 200, 200));
	auto* knob = new CKnob (CRect (10, 10, 70, 70));
	container.addView (knob);
	knob->setValue (0.7f);
	knob->invalid ();
	container.invalidated.clear ();
	knob->setCoronaColor (kValue);
	knob->setHandleLineWidth (2.);
	ASSERT_EQ (container.invalidated.size (), 2u);
	EXPECT_EQ (container.invalidated[0], CRect (10, 10, 70, 70));
	// A redraw for the look is no change of value for the listeners.
	EXPECT_FALSE (knob->isDirty ());
}

TEST (DrawContextTest, StateIsSavedAndRestoredWhole)
{
	RecordingDrawContext context (CRect (0, 0, 100, 100));
	context.setFillColor (kTrack);
	context.setLineWidth (3.);
	context.saveGlobalState ();
	context.setFillColor (kValue);
	context.setLineWidth (-1.);
	EXPECT_EQ (context.getLineWidth (), 0.);
	context.moveOrigin (CPoint (10, 20));
	context.setClipRect (CRect (0, 0, 50, 50));
	EXPECT_EQ (context.getSurfaceClipRect (), CRect (10, 20, 60, 70));
	EXPECT_EQ (context.getClipRect (), CRect (0, 0, 50, 50));
	context.setClipRect (CRect (40, 40, 500, 500)); // narrows, never widens
	EXPECT_EQ (context.getClipRect (), CRect (40, 40, 50, 50));
	context.restoreGlobalState ();
	EXPECT_EQ (context.getFillColor (), kTrack);
	EXPECT_EQ (context.getLineWidth (), 3.);
	EXPECT_EQ (context.getOrigin (), CPoint ());
	EXPECT_EQ (context.getClipRect (), CRect (0, 0, 100, 100));
	context.restoreGlobalState (); // one too many: nothing changes
	EXPECT_EQ (context.getFillColor (), kTrack);
}

} // namespace
