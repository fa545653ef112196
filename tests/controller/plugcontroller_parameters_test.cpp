#include "controllertesting.h"

#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <cmath>
#include <limits>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

struct ExpectedParameter
{
	const char* title;
	const char* units;
	int32 flags;
	int32 stepCount;
	int32 precision;
	const char* defaultText;
};

// By index, which is also the tag.
const ExpectedParameter kExpected[] = {
	{"Level", "dB", 1, 0, 2, "0.00"},          {"Delay", "ms", 1, 0, 2, "3.00"},
	{"Depth", "%", 1, 0, 0, "25"},             {"Degree", "deg", 1, 0, 0, "45"},
	{"Rate", "Hz", 1, 0, 2, "0.40"},           {"Feedback", "%", 1, 0, 0, "50"},
	{"Mix", "%", 1, 0, 0, "100"},              {"Thru Null", "", 1, 1, 4, "Off"},
	{"Bypass", "", 0x10001, 1, 4, "Off"},
};

class ControllerParameters : public ::testing::Test
{
protected:
	void SetUp () override { ASSERT_EQ (controller->initialize (&host), kResultOk); }
	void TearDown () override { controller->terminate (); }

	// The normalized value that text entry gives, or NaN when it is refused.
	ParamValue entered (ParamID tag, const char16_t* text)
	{
		ParamValue value = -7.0;
		auto* string = reinterpret_cast<TChar*> (const_cast<char16_t*> (text));
		if (controller->getParamValueByString (tag, string, value) != kResultTrue)
		{
			EXPECT_EQ (value, -7.0) << "a refused text must leave the value alone";
			return std::numeric_limits<double>::quiet_NaN ();
		}
		return value;
	}

	HostApplication host;
	ControllerRef<> controller;
};

} // namespace

TEST_F (ControllerParameters, TableInIndexOrderAtTheDefaults)
{
	ASSERT_EQ (controller->getParameterCount (), 9);
	const std::vector<ParamValue> defaults = controllerDefaults ();
	for (int32 index = 0; index < 9; ++index)
	{
		SCOPED_TRACE (index);
		const ExpectedParameter& expected = kExpected[index];
		ParameterInfo info {};
		ASSERT_EQ (controller->getParameterInfo (index, info), kResultTrue);
		EXPECT_EQ (info.id, static_cast<ParamID> (index));
		EXPECT_EQ (toAscii (info.title), expected.title);
		EXPECT_EQ (toAscii (info.shortTitle), "");
		EXPECT_EQ (toAscii (info.units), expected.units);
		EXPECT_EQ (info.flags, expected.flags);
		EXPECT_EQ (info.stepCount, expected.stepCount);
		EXPECT_EQ (info.unitId, 0);
		EXPECT_EQ (info.defaultNormalizedValue, defaults[index]);
		EXPECT_EQ (controller->getParameterObject (info.id)->getPrecision (), expected.precision);
		EXPECT_EQ (displayOf (*controller, info.id), expected.defaultText);
	}
	EXPECT_EQ (valuesOf (*controller), defaults);
	EXPECT_EQ (controller->getParamNormalized (kDelayId), 1.0 / 3.0);

	ParameterInfo info {};
	info.id = 1234;
	for (int32 outside : {9, -1, std::numeric_limits<int32>::max (),
	                      std::numeric_limits<int32>::min ()})
		EXPECT_EQ (controller->getParameterInfo (outside, info), kResultFalse) << outside;
	EXPECT_EQ (info.id, 1234u);
	controller->terminate ();
	EXPECT_EQ (controller->getParameterInfo (0, info), kResultFalse);
}

TEST_F (ControllerParameters, DisplayTexts)
{
	EXPECT_EQ (displayOf (*controller, kLevelId, 0.7499999), "0.00");
	EXPECT_EQ (displayOf (*controller, kLevelId, 0.74999), "-0.00");
	EXPECT_EQ (displayOf (*controller, kLevelId, 0.0), "-36.00");
	EXPECT_EQ (displayOf (*controller, kDelayId, 1.0), "8.00");
	EXPECT_EQ (displayOf (*controller, kDegreeId, 1.0), "180");
	EXPECT_EQ (displayOf (*controller, kFeedbackId, 0.123), "12");
	for (ParamID tag : {kThruNullId, kBypassId})
	{
		EXPECT_EQ (displayOf (*controller, tag, 0.5), "Off");
		EXPECT_EQ (displayOf (*controller, tag, 0.51), "On");
	}
	// A wild value has no text, rather than one written past the buffer.
	EXPECT_EQ (displayOf (*controller, kMixId, 1e300), "");
	String128 text {};
	EXPECT_EQ (controller->getParamStringByValue (99, 0.5, text), kResultFalse);
	EXPECT_EQ (controller->getParamStringByValue (kLevelId, 0.5, nullptr), kResultFalse);
	EXPECT_EQ (valuesOf (*controller), controllerDefaults ()); // asking changes nothing
}

TEST_F (ControllerParameters, TextEntryRoundTripsAndClamps)
{
	// Every continuous parameter takes back the text it shows.
	for (ParamID tag = 0; tag < 7; ++tag)
	{
		for (ParamValue value : {0.0, 0.2, 0.75, 1.0})
		{
			SCOPED_TRACE (testing::Message () << tag << " at " << value);
			const std::string text = displayOf (*controller, tag, value);
			const ParamValue back = entered (tag, std::u16string (text.begin (), text.end ()).c_str ());
			EXPECT_EQ (displayOf (*controller, tag, back), text);
		}
	}
	EXPECT_DOUBLE_EQ (entered (kLevelId, u"6"), 0.875);
	EXPECT_DOUBLE_EQ (entered (kDelayId, u"3 ms"), 1.0 / 3.0);
	EXPECT_EQ (entered (kLevelId, u"100"), 1.0);
	EXPECT_EQ (entered (kLevelId, u"-100"), 0.0);
	EXPECT_EQ (entered (kMixId, u"inf"), 1.0);
	// The switches read a bare number; one outside 0..1 is clamped.
	EXPECT_EQ (entered (kThruNullId, u"1"), 1.0);
	EXPECT_EQ (entered (kBypassId, u"5"), 1.0);
	EXPECT_EQ (entered (kBypassId, u"-2"), 0.0);

	// Refused: no number, a NaN, an unknown tag, malformed UTF-16, no text.
	for (const char16_t* text : {u"loud", u"", u"nan", u"On"})
	{
		EXPECT_TRUE (std::isnan (entered (kLevelId, text)));
		EXPECT_TRUE (std::isnan (entered (kBypassId, text)));
	}
	EXPECT_TRUE (std::isnan (entered (99, u"1")));
	const char16_t loneSurrogates[][4] = {{u'1', 0xD800, u'2', 0}, {0xDC00, u'1', 0}};
	for (const char16_t* text : loneSurrogates)
		EXPECT_TRUE (std::isnan (entered (kLevelId, text)));
	ParamValue value = 0.5;
	EXPECT_EQ (controller->getParamValueByString (kLevelId, nullptr, value), kResultFalse);
	EXPECT_EQ (value, 0.5);
	EXPECT_EQ (valuesOf (*controller), controllerDefaults ()); // the host applies the value
}

TEST_F (ControllerParameters, SetValuesStayNumbersWithinZeroToOne)
{
	const double inf = std::numeric_limits<double>::infinity ();
	const struct
	{
		ParamValue set;
		ParamValue held;
	} cases[] = {{0.6, 0.6}, {1.5, 1.0}, {-0.5, 0.0}, {inf, 1.0}, {-inf, 0.0}};
	for (const auto& step : cases)
	{
		EXPECT_EQ (controller->setParamNormalized (kDepthId, step.set), kResultTrue);
		EXPECT_EQ (controller->getParamNormalized (kDepthId), step.held) << step.set;
	}

	// A NaN stands for the parameter's default.
	for (ParamID tag = 0; tag < 9; ++tag)
	{
		controller->setParamNormalized (tag, 0.9);
		EXPECT_EQ (controller->setParamNormalized (tag, std::nan ("")), kResultTrue);
	}
	EXPECT_EQ (valuesOf (*controller), controllerDefaults ());
	EXPECT_EQ (controller->setParamNormalized (99, std::nan ("")), kResultFalse);
}
