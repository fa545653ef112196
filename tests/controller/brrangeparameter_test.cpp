#include "texts.h"

#include "controller/brrangeparameter.h"
#include "controller/nearlyequal.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

IPtr<BRRangeParameter> rangeParameter (ParamValue min, ParamValue max, int32 precision = 4)
{
	auto parameter = owned (new BRRangeParameter (STR16 ("Level"), 3, STR16 ("dB"),
	                                              ParameterInfo::kCanAutomate, min, max, 0.0));
	parameter->setPrecision (precision);
	return parameter;
}

std::string textOf (const Parameter& parameter, ParamValue normalized)
{
	String128 text;
	for (auto& unit : text)
		unit = 'x'; // no leftovers may pass for a result
	parameter.toString (normalized, text);
	return toAscii (text);
}

} // namespace

TEST (BRRangeParameter, ConstructionFillsTheInfoFromItsArguments)
{
	auto parameter = owned (new BRRangeParameter (STR16 ("Delay"), 1, STR16 ("ms"),
	                                              ParameterInfo::kCanAutomate, 0.5, 8.0, 3.0));
	const ParameterInfo& info = parameter->getInfo ();
	EXPECT_EQ (info.id, 1u);
	EXPECT_EQ (toAscii (info.title), "Delay");
	EXPECT_EQ (toAscii (info.units), "ms");
	EXPECT_EQ (toAscii (info.shortTitle), "");
	EXPECT_EQ (info.flags, ParameterInfo::kCanAutomate);
	EXPECT_EQ (info.stepCount, 0);
	EXPECT_EQ (info.unitId, kRootUnitId);
	EXPECT_EQ (info.defaultNormalizedValue, (3.0 - 0.5) / 7.5);
	EXPECT_EQ (parameter->getNormalized (), (3.0 - 0.5) / 7.5);
	EXPECT_EQ (parameter->getPrecision (), 4);

	auto unitless = owned (new BRRangeParameter (STR16 ("Mix"), 6, nullptr, 0, 0.0, 100.0, 100.0));
	EXPECT_EQ (toAscii (unitless->getInfo ().units), "");
	EXPECT_EQ (unitless->getInfo ().flags, 0);
	EXPECT_EQ (unitless->getNormalized (), 1.0);
}

TEST (BRRangeParameter, DisplayShowsTheArgumentWithTheParameterPrecision)
{
	auto level = rangeParameter (-36.0, 12.0, 2);
	EXPECT_EQ (textOf (*level, 0.75), "0.00");
	EXPECT_EQ (textOf (*level, 0.0), "-36.00");
	EXPECT_EQ (textOf (*level, 0.875), "6.00");
	level->setNormalized (1.0); // the text is that of the value asked for
	EXPECT_EQ (textOf (*level, 0.5), "-12.00");

	EXPECT_EQ (textOf (*rangeParameter (0.0, 2.0, 2), 0.2), "0.40");
	auto depth = rangeParameter (0.0, 100.0, 0);
	EXPECT_EQ (textOf (*depth, 0.25), "25");
	EXPECT_EQ (textOf (*depth, 0.256), "26"); // rounds, does not cut
	EXPECT_EQ (textOf (*depth, 1.5), "150");  // extrapolates

	// Never the "On"/"Off" of the SDK's two-state parameters.
	depth->getInfo ().stepCount = 1;
	EXPECT_EQ (textOf (*depth, 0.75), "75");
}

TEST (BRRangeParameter, PlainValuesNearZeroReadAsAnUnsignedZero)
{
	auto level = rangeParameter (-36.0, 12.0, 2);
	EXPECT_EQ (textOf (*level, 0.7499999), "0.00"); // plain about -0.0000048
	EXPECT_EQ (textOf (*level, 0.749999), "0.00");  // plain about -0.000048
	// Above the fixed threshold the sign stays, even where it rounds to zero.
	EXPECT_EQ (textOf (*level, 0.74999), "-0.00"); // plain -0.00048

	auto fine = rangeParameter (-1.0, 1.0); // precision left at 4
	EXPECT_EQ (textOf (*fine, (1.0 - 0.00004) / 2.0), "0.0000");
	EXPECT_EQ (textOf (*fine, (1.0 - 0.00006) / 2.0), "-0.0001");

	// The threshold does not follow the precision.
	fine->setPrecision (6);
	EXPECT_EQ (textOf (*fine, (1.0 + 0.00004) / 2.0), "0.000000");
	EXPECT_EQ (textOf (*fine, (1.0 + 0.00006) / 2.0), "0.000060");
}

TEST (BRRangeParameter, NumbersTooLongForTheTextGiveNoText)
{
	auto parameter = rangeParameter (0.0, 100.0, 2);
	EXPECT_EQ (textOf (*parameter, -1e200), "");
	EXPECT_EQ (textOf (*parameter, 5e122), ""); // 125 digits, the point, two decimals
	EXPECT_EQ (textOf (*parameter, 5e121).size (), 127u); // the longest that fits
	EXPECT_EQ (textOf (*parameter, std::numeric_limits<double>::infinity ()), "inf");
	parameter->setPrecision (200);
	EXPECT_EQ (textOf (*parameter, 0.5), "");
}

TEST (IsNearlyEqual, ToleratesLessThanTheZeroThresholdAndNaN)
{
	EXPECT_TRUE (isNearlyEqual (1.0, 1.00004));
	EXPECT_TRUE (isNearlyEqual (1.00004, 1.0));
	EXPECT_FALSE (isNearlyEqual (1.0, 1.0001));
	EXPECT_FALSE (isNearlyEqual (-1.0001, -1.0));
	EXPECT_FALSE (isNearlyEqual (0.0, kPlainValueTolerance));

	const double nan = std::numeric_limits<double>::quiet_NaN ();
	const double inf = std::numeric_limits<double>::infinity ();
	EXPECT_TRUE (isNearlyEqual (nan, 1.0));
	EXPECT_TRUE (isNearlyEqual (1.0, nan));
	EXPECT_TRUE (isNearlyEqual (inf, inf)); // inf - inf is NaN
	EXPECT_FALSE (isNearlyEqual (inf, 1.0));
}
