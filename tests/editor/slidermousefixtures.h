// Sliders driven through their mouse handlers: one in each of the four
// directions with a track of known geometry, and a horizontal one whose test
// may change the global mode (restored after) and counts the assertions
// reported. What the host would receive is recorded.
#pragma once

#include "controlfixtures.h"

#include "vstgui/lib/platform/linux/x11runloop.h"
#include "vstgui/lib/vstguidebug.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace VSTGUI {
namespace {

using Steinberg::Vst::RecordingHandler;
using Kinds = std::vector<RecordingHandler::Kind>;
constexpr auto kBegin = RecordingHandler::kBegin;
constexpr auto kPerform = RecordingHandler::kPerform;
constexpr auto kEnd = RecordingHandler::kEnd;

inline void fireTimers () { X11::RunLoop::instance ().fireUnhostedTimers (); }

struct Geometry
{
	bool horizontal;
	bool inverse;
	const char* name;
};

// A slider whose track starts at 10 along its axis and runs 100 pixels, with
// a handle 10 pixels long: the centre offset is 10 + 5 - 1 = 14.
class SliderGeometryTest : public ::testing::TestWithParam<Geometry>
{
protected:
	static constexpr CCoord kHandleLength = 10.;

	SliderGeometryTest ()
	: slider (GetParam ().horizontal ? CRect (10, 20, 120, 40) : CRect (20, 10, 40, 120), &listener,
	          styleOf (GetParam ()), GetParam ().horizontal ? kHandleLength : 20.,
	          GetParam ().horizontal ? 20. : kHandleLength)
	{
	}

	void SetUp () override
	{
		ASSERT_EQ (slider.getHandleTravel (), 100.);
		ASSERT_EQ (X11::RunLoop::instance ().countTimers (), 0u);
	}

	static int32_t styleOf (const Geometry& g)
	{
		if (g.horizontal)
			return kHorizontal | (g.inverse ? kRight : kLeft);
		return kVertical | (g.inverse ? kBottom : kTop);
	}

	// n is the handle's share of the track from its start; the value runs
	// the other way with kRight or kBottom.
	float valueFor (float n) const { return GetParam ().inverse ? 1.f - n : n; }
	void start (float n, SliderMode mode = SliderMode::UseGlobal)
	{
		slider.setSliderMode (mode);
		slider.setValueNormalized (valueFor (n));
		slider.invalid ();
	}

	CPoint at (CCoord axis) const
	{
		return GetParam ().horizontal ? CPoint (axis, 30) : CPoint (30, axis);
	}
	CMouseEventResult press (CCoord axis, int32_t buttons = kLButton)
	{
		CPoint where = at (axis);
		return slider.onMouseDown (where, CButtonState (buttons));
	}
	CMouseEventResult move (CCoord axis, int32_t buttons = kLButton)
	{
		CPoint where = at (axis);
		return slider.onMouseMoved (where, CButtonState (buttons));
	}
	CMouseEventResult release (CCoord axis)
	{
		CPoint where = at (axis);
		return slider.onMouseUp (where, CButtonState (kLButton));
	}

	// Where the handle starts along the axis for the slider's value.
	CCoord handleStart () const
	{
		const CRect r = slider.calculateHandleRect (slider.getValueNormalized ());
		return GetParam ().horizontal ? r.left : r.top;
	}

	Kinds kinds () const
	{
		Kinds result;
		for (const auto& edit : listener.handler.edits)
			result.push_back (edit.kind);
		return result;
	}
	const std::vector<RecordingHandler::Edit>& edits () const { return listener.handler.edits; }

	HostForwardingListener listener;
	TestSlider slider;
};

const auto kDirections = ::testing::Values (Geometry {true, false, "Left"}, Geometry {true, true, "Right"},
                                            Geometry {false, false, "Top"}, Geometry {false, true, "Bottom"});

inline std::string directionName (const ::testing::TestParamInfo<Geometry>& info)
{
	return info.param.name;
}

// Counts the reports of broken assumptions.
struct Assertions
{
	static void handle (const char*, int, const char* description)
	{
		++count;
		last = description ? description : "";
	}
	static inline int count = 0;
	static inline std::string last;
};

class SliderModeTest : public ::testing::Test
{
protected:
	void SetUp () override
	{
		Assertions::count = 0;
		setAssertionHandler (&Assertions::handle);
	}
	void TearDown () override
	{
		CSliderBase::setGlobalSliderMode (SliderMode::BRFreeClick);
		setAssertionHandler (nullptr);
	}

	CMouseEventResult press (CCoord x, int32_t buttons = kLButton)
	{
		CPoint where (x, 30);
		return slider.onMouseDown (where, CButtonState (buttons));
	}
	void release ()
	{
		CPoint where;
		slider.onMouseUp (where, CButtonState (kLButton));
	}
	void start (float value)
	{
		slider.setValueNormalized (value);
		slider.invalid ();
	}

	HostForwardingListener listener;
	TestSlider slider {CRect (10, 20, 120, 40), &listener, kHorizontal | kLeft, 10., 20.};
};

} // namespace
} // namespace VSTGUI
