// What the controller tests share: a controller owned like a host owns one,
// its display texts as std::string, and stored records built from blocks.
#pragma once

#include "streams.h"
#include "texts.h"

#include "common/plugparamids.h"
#include "controller/plugcontroller.h"
#include "processor/plugparamblock.h"

#include <gtest/gtest.h>

#include <string>

namespace Steinberg {
namespace Vst {

// Owns one reference to a controller, like a host's smart pointer.
template <typename Controller = PlugController>
struct ControllerRef
{
	ControllerRef () : controller (new Controller) {}
	~ControllerRef () { controller->release (); }
	ControllerRef (const ControllerRef&) = delete;
	ControllerRef& operator= (const ControllerRef&) = delete;
	Controller* operator-> () const { return controller; }
	Controller& operator* () const { return *controller; }
	Controller* controller;
};

// The text the host shows for tag at the given normalized value.
inline std::string displayOf (IEditController& controller, ParamID tag, ParamValue value)
{
	String128 text {};
	EXPECT_EQ (controller.getParamStringByValue (tag, value, text), kResultTrue) << tag;
	return toAscii (text);
}

// The text the host shows for tag at its current value.
inline std::string displayOf (IEditController& controller, ParamID tag)
{
	return displayOf (controller, tag, controller.getParamNormalized (tag));
}

// The normalized values of tags 0 to 8 as the controller reports them.
inline std::vector<ParamValue> valuesOf (IEditController& controller)
{
	std::vector<ParamValue> values;
	for (ParamID tag = 0; tag < static_cast<ParamID> (kNumPlugParams); ++tag)
		values.push_back (controller.getParamNormalized (tag));
	return values;
}

// The nine values of a record as the controller should report them.
inline std::vector<ParamValue> valuesOf (const PlugParamBlock& block)
{
	return {block.level, block.delay,    block.depth, block.degree,
	        block.rate,  block.feedback, block.mix,   block.thruNull ? 1.0 : 0.0,
	        block.bypass ? 1.0 : 0.0};
}

inline Bytes recordOf (const PlugParamBlock& block)
{
	auto stream = owned (new MemoryStream);
	EXPECT_EQ (block.write (stream), kResultOk);
	return bytesOf (*stream);
}

// The controller's normalized defaults, tags 0 to 8.
inline std::vector<ParamValue> controllerDefaults ()
{
	return {0.75, (3.0 - 0.5) / 7.5, 0.25, 0.25, 0.2, 0.5, 1.0, 0.0, 0.0};
}

} // namespace Vst
} // namespace Steinberg
