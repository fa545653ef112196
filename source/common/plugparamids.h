// Parameter identifiers shared by the processor's parameter intake, the
// controller's parameter list and the editor's control tags.
#pragma once

#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg {
namespace Vst {

enum PlugParamId : ParamID
{
	kLevelId = 0,
	kDelayId = 1,
	kDepthId = 2,
	kDegreeId = 3,
	kRateId = 4,
	kFeedbackId = 5,
	kMixId = 6,
	kThruNullId = 7,
	kBypassId = 8,
};

constexpr int32 kNumPlugParams = 9;

} // namespace Vst
} // namespace Steinberg
