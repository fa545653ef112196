#include "texts.h"

#include "controller/brexprangeparameter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

// 20 Hz to 20 kHz: three decades, with the geometric mean in the middle.
IPtr<BRExpRangeParameter> frequencyParameter (ParamValue defaultPlain = 1000.0)
{
	auto parameter = owned (new BRExpRangeParameter (STR16 ("Cutoff"), 12, STR16 ("Hz"),
	                                                 ParameterInfo::kCanAutomate, 20.0, 20000.0,
	                                                 defaultPlain));
	parameter->setPrecision (2);
	return parameter;
}

std::string textOf (const Parameter& parameter, ParamValue normalized)
{
	String128 text;
	for (auto& unit : text)
		unit = 'x';
	parameter.toString (normalized, text);
	return toAscii (text);
}

} // namespace

TEST (BRExpRangeParameter, DefaultIsNormalizedThroughTheExponentialMapping)
{
	auto parameter = frequencyParameter (std::sqrt (20.0 * 20000.0));
	const ParameterInfo& info = parameter->getInfo ();
	EXPECT_NEAR (info.defaultNormalizedValue, 0.5, 1e-12); // linear would be about 0.031
	EXPECT_EQ (parameter->getNormalized (), info.defaultNormalizedValue);
	EXPECT_EQ (info.id, 12u);
	EXPECT_EQ (toAscii (info.title), "Cutoff");
	EXPECT_EQ (toAscii (info.units), "Hz");
	EXPECT_EQ (info.stepCount, 0);
	EXPECT_EQ (info.unitId, kRootUnitId);
	EXPECT_EQ (frequencyParameter (20.0)->getInfo ().defaultNormalizedValue, 0.0);
	EXPECT_EQ (frequencyParameter (20000.0)->getInfo ().defaultNormalizedValue, 1.0);
}

TEST (BRExpRangeParameter, MapsExponentiallyAndExtrapolates)
{
	auto parameter = frequencyParameter ();
	EXPECT_EQ (parameter->toPlain (0.0), 20.0);
	EXPECT_EQ (parameter->toNormalized (20.0), 0.0);
	EXPECT_EQ (parameter->toNormalized (20000.0), 1.0);
	EXPECT_NEAR (parameter->toPlain (0.5), std::sqrt (20.0 * 20000.0), 1e-9);
	EXPECT_NEAR (parameter->toPlain (1.0 / 3.0), 200.0, 1e-9);
	EXPECT_NEAR (parameter->toNormalized (2000.0), 2.0 / 3.0, 1e-12);

	// Neither direction clamps.
	EXPECT_NEAR (parameter->toPlain (1.5), 20.0 * std::pow (1000.0, 1.5), 1e-6);
	EXPECT_NEAR (parameter->toPlain (-1.0 / 3.0), 2.0, 1e-12);
	EXPECT_NEAR (parameter->toNormalized (200000.0), 4.0 / 3.0, 1e-12);

	// The range is read anew on every call.
	parameter->setMin (2.0);
	EXPECT_NEAR (parameter->toPlain (0.25), 20.0, 1e-12);
	parameter->setMax (200.0);
	EXPECT_NEAR (parameter->toNormalized (20.0), 0.5, 1e-12);
}

TEST (BRExpRangeParameter, DisplayHasNoZeroClampAndTextEntryFollowsTheCurve)
{
	auto parameter = frequencyParameter ();
	EXPECT_EQ (textOf (*parameter, 0.0), "20.00");
	EXPECT_EQ (textOf (*parameter, 0.5), "632.46");
	parameter->setNormalized (1.0); // the text is that of the value asked for
	EXPECT_EQ (textOf (*parameter, 1.0 / 3.0), "200.00");
	EXPECT_EQ (textOf (*parameter, 60.0), ""); // far too long for the text

	auto tiny = owned (new BRExpRangeParameter (STR16 ("Tiny"), 0, nullptr, 0, 1e-5, 1.0, 1e-5));
	tiny->setPrecision (6);
	EXPECT_EQ (textOf (*tiny, 0.0), "0.000010");

	ParamValue normalized = -1.0;
	ASSERT_TRUE (parameter->fromString (STR16 ("200"), normalized));
	EXPECT_NEAR (normalized, 1.0 / 3.0, 1e-12);
	ASSERT_TRUE (parameter->fromString (STR16 ("1e9"), normalized));
	EXPECT_EQ (normalized, 1.0);
	ASSERT_TRUE (parameter->fromString (STR16 ("1"), normalized));
	EXPECT_EQ (normalized, 0.0);
}
