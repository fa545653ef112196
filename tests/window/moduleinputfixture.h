// The built bundle's editor open in a top-level window of the test host,
// played through the server with XTest, with what the host's component
// handler receives; and the same on Level's slider, with its geometry.
#pragma once

#include "modulewindowfixture.h"
#include "shippedlayout.h"

#include "common/plugparamids.h"

namespace Steinberg {

using Kind = Vst::RecordingHandler::Kind;

class ModuleInputTest : public ModuleWindowTest
{
protected:
	void SetUp () override
	{
		ModuleWindowTest::SetUp ();
		if (IsSkipped () || HasFatalFailure ())
			return;
		ASSERT_TRUE (host.hasXTest ());
		parent = host.createParent (0, 0, kEditorWidth, kEditorHeight);
		view = openEditor (parent);
		ASSERT_TRUE (view);
		child = waitForChild (parent);
		ASSERT_NE (child, 0u);
		waitForPicture (child);
		handler.edits.clear ();
	}

	void TearDown () override
	{
		if (view)
			closeEditor (view);
		ModuleWindowTest::TearDown ();
	}

	bool waitForEnd (size_t ends = 1, int timeoutMs = 2000)
	{
		return host.runUntil (
		    [&] {
			    size_t count = 0;
			    for (auto& e : handler.edits)
				    count += e.kind == Kind::kEnd;
			    return count >= ends;
		    },
		    timeoutMs);
	}

	// Presses at the point, moves by the steps in turn, and lets go.
	void drag (int x, int y, const std::vector<std::pair<int, int>>& to)
	{
		host.moveTo (child, x, y);
		host.pressButton (1);
		host.runFor (20);
		for (auto& p : to)
		{
			host.moveTo (child, p.first, p.second);
			host.runFor (20);
		}
		host.releaseButton (1);
	}

	std::vector<Kind> kinds () const
	{
		std::vector<Kind> result;
		for (const auto& e : handler.edits)
			result.push_back (e.kind);
		return result;
	}

	// The performs between one begin and one end for the id; empty, with a
	// test failure, when the edits are not so framed.
	std::vector<double> framedPerforms (Vst::ParamID id)
	{
		std::vector<double> values;
		const auto& edits = handler.edits;
		EXPECT_GE (edits.size (), 2u);
		if (edits.size () < 2)
			return values;
		EXPECT_EQ (edits.front ().kind, Kind::kBegin);
		EXPECT_EQ (edits.back ().kind, Kind::kEnd);
		for (auto& e : edits)
		{
			EXPECT_EQ (e.id, id);
			if (e.kind == Kind::kPerform)
				values.push_back (e.value);
		}
		return values;
	}

	XWindowId parent = 0;
	XWindowId child = 0;
	IPtr<IPlugView> view;
};

// Level's slider: vertical, its minimum at the bottom, at the default 0.75.
class ModuleSliderInputTest : public ModuleInputTest
{
protected:
	void SetUp () override
	{
		ModuleInputTest::SetUp ();
		if (IsSkipped () || HasFatalFailure ())
			return;
		start = controller->getParamNormalized (Vst::kLevelId);
		geometry = shippedSliderGeometry (Vst::kLevelId, static_cast<float> (start));
		ASSERT_GT (geometry.travel, 0.);
		x = static_cast<int> (geometry.size.getCenter ().x);
		y = static_cast<int> (geometry.handle.getCenter ().y);
	}

	double start = 0.;
	SliderGeometry geometry;
	int x = 0;
	int y = 0;
};

} // namespace Steinberg
