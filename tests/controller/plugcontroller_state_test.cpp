#include "controllertesting.h"
#include "processorprobe.h"

#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <cmath>
#include <cstring>
#include <limits>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

// Counts what the controller reports to the host.
class CountingHandler : public IComponentHandler
{
public:
	virtual ~CountingHandler () = default;
	tresult PLUGIN_API beginEdit (ParamID) override { ++edits; return kResultOk; }
	tresult PLUGIN_API performEdit (ParamID, ParamValue) override { ++edits; return kResultOk; }
	tresult PLUGIN_API endEdit (ParamID) override { ++edits; return kResultOk; }
	tresult PLUGIN_API restartComponent (int32) override { ++edits; return kResultOk; }
	tresult PLUGIN_API queryInterface (const TUID, void** obj) override
	{
		*obj = nullptr;
		return kNoInterface;
	}
	uint32 PLUGIN_API addRef () override { return 1; }
	uint32 PLUGIN_API release () override { return 1; }

	int edits = 0;
};

const PlugParamBlock kStored {0.1, 0.9, 0.8, 0.7, 0.6, 0.05, 0.3, true, true};

// A record with the int32 switch fields written as given.
Bytes recordWithSwitches (int32 thruNull, int32 bypass)
{
	Bytes bytes = recordOf (kStored);
	std::memcpy (&bytes[64], &thruNull, 4); // the test machine is little-endian
	std::memcpy (&bytes[68], &bypass, 4);
	return bytes;
}

class ControllerState : public ::testing::Test
{
protected:
	void SetUp () override
	{
		ASSERT_EQ (controller->initialize (&host), kResultOk);
		ASSERT_EQ (controller->setComponentHandler (&handler), kResultTrue);
	}
	void TearDown () override
	{
		EXPECT_EQ (handler.edits, 0) << "restoring reports nothing to the host";
		controller->terminate ();
	}

	tresult restore (const Bytes& bytes) { return controller->setComponentState (streamOf (bytes)); }

	HostApplication host;
	CountingHandler handler;
	ControllerRef<> controller;
};

} // namespace

TEST_F (ControllerState, TakesTheProcessorsOwnRecord)
{
	ProcessorRef processor;
	ASSERT_EQ (processor->initialize (&host), kResultOk);
	const PlugParamBlock projects[] = {
	    PlugProcessor::kBuiltInDefaults, // its delay is 0.333333, not the controller's 1/3
	    kStored,
	    {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, false, false},
	    {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, true, false},
	    {0.123456789, 0.5, 0.25, 0.999, 0.001, 0.75, 0.5, false, true},
	};
	for (const PlugParamBlock& project : projects)
	{
		ASSERT_EQ (processor->setState (streamOf (recordOf (project))), kResultOk);
		auto saved = owned (new MemoryStream);
		ASSERT_EQ (processor->getState (saved), kResultOk);
		saved->seek (0, IBStream::kIBSeekSet, nullptr);
		ASSERT_EQ (controller->setComponentState (saved), kResultOk);

		PlugParamBlock processorSide {};
		ASSERT_EQ (processorSide.read (streamOf (bytesOf (*saved))), kResultOk);
		EXPECT_EQ (valuesOf (*controller), valuesOf (processorSide));
		EXPECT_EQ (valuesOf (*controller), valuesOf (project));
	}
	processor->terminate ();
}

TEST_F (ControllerState, SwitchesAreOnForPositiveNumbersOnly)
{
	const struct
	{
		int32 stored;
		ParamValue shown;
	} cases[] = {{1, 1.0}, {2, 1.0}, {0x7FFFFFFF, 1.0}, {0, 0.0}, {-1, 0.0},
	             {std::numeric_limits<int32>::min (), 0.0}};
	for (const auto& thruNull : cases)
	{
		for (const auto& bypass : cases)
		{
			SCOPED_TRACE (testing::Message () << thruNull.stored << ", " << bypass.stored);
			ASSERT_EQ (restore (recordWithSwitches (thruNull.stored, bypass.stored)), kResultOk);
			EXPECT_EQ (controller->getParamNormalized (kThruNullId), thruNull.shown);
			EXPECT_EQ (controller->getParamNormalized (kBypassId), bypass.shown);
			EXPECT_EQ (controller->getParamNormalized (kMixId), kStored.mix);
		}
	}
}

TEST_F (ControllerState, UnreadableRecordsChangeNothing)
{
	ASSERT_EQ (restore (recordOf (kStored)), kResultOk);
	const std::vector<ParamValue> before = valuesOf (*controller);

	const Bytes whole = recordOf ({0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, false, false});
	for (size_t size : {size_t (0), size_t (7), size_t (8), size_t (64), size_t (68), size_t (71)})
	{
		SCOPED_TRACE (size);
		EXPECT_EQ (restore (Bytes (whole.begin (), whole.begin () + static_cast<long> (size))),
		           kResultFalse);
		EXPECT_EQ (valuesOf (*controller), before);
	}
	EXPECT_EQ (controller->setComponentState (nullptr), kResultFalse);
	EXPECT_EQ (valuesOf (*controller), before);

	// A longer stream is read as far as the record goes; the header is
	// ignored.
	Bytes longer = whole;
	longer[0] = 0x5A;
	longer.insert (longer.end (), {1, 2, 3, 4});
	auto stream = streamOf (longer);
	EXPECT_EQ (controller->setComponentState (stream), kResultOk);
	EXPECT_EQ (positionOf (*stream), 72);
	EXPECT_EQ (controller->getParamNormalized (kLevelId), 0.5);
}

TEST_F (ControllerState, StoredValuesOutsideZeroToOneAreClamped)
{
	const double inf = std::numeric_limits<double>::infinity ();
	ASSERT_EQ (restore (recordOf ({1.5, -0.5, 2.0, -2.0, inf, -inf, 1e300, false, false})),
	           kResultOk);
	EXPECT_EQ (valuesOf (*controller),
	           (std::vector<ParamValue> {1.0, 0.0, 1.0, 0.0, 1.0, 0.0, 1.0, 0.0, 0.0}));
	EXPECT_EQ (displayOf (*controller, kLevelId), "12.00");
	EXPECT_EQ (displayOf (*controller, kDelayId), "0.50");
}

TEST_F (ControllerState, StoredNaNShowsTheDefault)
{
	ASSERT_EQ (restore (recordOf (kStored)), kResultOk);

	const uint64_t signallingBits = 0x7FF0000000000001ull;
	double signalling = 0.0;
	std::memcpy (&signalling, &signallingBits, 8);
	for (double nan : {std::nan (""), -std::nan (""), signalling})
	{
		PlugParamBlock damaged {nan, nan, nan, nan, nan, nan, nan, true, true};
		ASSERT_EQ (restore (recordOf (damaged)), kResultOk);
		std::vector<ParamValue> expected = controllerDefaults ();
		expected[kThruNullId] = expected[kBypassId] = 1.0;
		EXPECT_EQ (valuesOf (*controller), expected);
		for (ParamID tag = 0; tag < 7; ++tag)
			EXPECT_FALSE (std::isnan (controller->getParamNormalized (tag))) << tag;
	}

	// One damaged value leaves the others as stored.
	PlugParamBlock oneBad = kStored;
	oneBad.rate = std::nan ("");
	ASSERT_EQ (restore (recordOf (oneBad)), kResultOk);
	EXPECT_EQ (controller->getParamNormalized (kRateId), 0.2);
	EXPECT_EQ (displayOf (*controller, kRateId), "0.40");
	EXPECT_EQ (controller->getParamNormalized (kFeedbackId), kStored.feedback);
}

TEST (ControllerStateUninitialized, RecordWithoutParametersIsStillAccepted)
{
	ControllerRef<> controller;
	EXPECT_EQ (controller->setComponentState (streamOf (recordOf (kStored))), kResultOk);
	EXPECT_EQ (controller->getParameterCount (), 0);
}
