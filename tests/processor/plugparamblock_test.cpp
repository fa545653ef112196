#include "processor/plugparamblock.h"
#include "processor/plugprocessor.h"

#include "limitedstream.h"
#include "streams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

Bytes doubleBytes (double value)
{
	Bytes bytes (8);
	std::memcpy (bytes.data (), &value, 8);
	return bytes;
}

Bytes int32Bytes (int32 value)
{
	Bytes bytes (4);
	std::memcpy (bytes.data (), &value, 4);
	return bytes;
}

Bytes recordBytes (const PlugParamBlock& block)
{
	auto stream = owned (new MemoryStream);
	EXPECT_EQ (block.write (stream), kResultOk);
	return bytesOf (*stream);
}

bool sameBits (double a, double b) { return std::memcmp (&a, &b, sizeof (double)) == 0; }

void expectSameBits (const PlugParamBlock& a, const PlugParamBlock& b)
{
	EXPECT_TRUE (sameBits (a.level, b.level));
	EXPECT_TRUE (sameBits (a.delay, b.delay));
	EXPECT_TRUE (sameBits (a.depth, b.depth));
	EXPECT_TRUE (sameBits (a.degree, b.degree));
	EXPECT_TRUE (sameBits (a.rate, b.rate));
	EXPECT_TRUE (sameBits (a.feedback, b.feedback));
	EXPECT_TRUE (sameBits (a.mix, b.mix));
	EXPECT_EQ (a.thruNull, b.thruNull);
	EXPECT_EQ (a.bypass, b.bypass);
}

// A record with the given switch integers and the default values.
Bytes recordWithSwitches (int32 thruNull, int32 bypass)
{
	Bytes bytes = recordBytes (PlugProcessor::kBuiltInDefaults);
	Bytes thru = int32Bytes (thruNull);
	Bytes byp = int32Bytes (bypass);
	std::copy (thru.begin (), thru.end (), bytes.begin () + 64);
	std::copy (byp.begin (), byp.end (), bytes.begin () + 68);
	return bytes;
}

} // namespace

TEST (PlugParamBlockRecord, DefaultsWriteTheGoldenBytes)
{
	Bytes expected (8, 0);
	for (double value : {0.75, 0.333333, 0.25, 0.25, 0.2, 0.5, 1.0})
	{
		Bytes field = doubleBytes (value);
		expected.insert (expected.end (), field.begin (), field.end ());
	}
	expected.insert (expected.end (), 8, 0);
	ASSERT_EQ (expected.size (), 72u);
	// Spelled out for the two values whose bytes are easy to get wrong.
	EXPECT_EQ (Bytes (expected.begin () + 8, expected.begin () + 16),
	           (Bytes {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE8, 0x3F}));
	EXPECT_EQ (Bytes (expected.begin () + 16, expected.begin () + 24),
	           (Bytes {0x46, 0x5D, 0x6B, 0xEF, 0x53, 0x55, 0xD5, 0x3F}));

	EXPECT_EQ (recordBytes (PlugProcessor::kBuiltInDefaults), expected);
}

TEST (PlugParamBlockRecord, RoundTripKeepsEveryBitOfAnyValue)
{
	std::mt19937_64 random (7);
	const double specials[] = {std::numeric_limits<double>::quiet_NaN (),
	                           -std::numeric_limits<double>::infinity (),
	                           std::numeric_limits<double>::infinity (),
	                           -0.0,
	                           1e300,
	                           -42.5,
	                           std::numeric_limits<double>::denorm_min ()};
	for (int round = 0; round < 200; ++round)
	{
		PlugParamBlock block {};
		double* fields[] = {&block.level, &block.delay, &block.depth, &block.degree,
		                    &block.rate,  &block.feedback, &block.mix};
		for (double* field : fields)
		{
			uint64_t bits = random ();
			std::memcpy (field, &bits, sizeof (double));
			if (random () % 4 == 0)
				*field = specials[random () % std::size (specials)];
		}
		block.thruNull = random () & 1;
		block.bypass = random () & 1;

		PlugParamBlock readBack {};
		ASSERT_EQ (readBack.read (streamOf (recordBytes (block))), kResultOk);
		expectSameBits (readBack, block);
	}
}

TEST (PlugParamBlockRecord, HeaderIsIgnored)
{
	Bytes bytes = recordBytes ({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, true, false});
	for (int i = 0; i < 8; ++i)
		bytes[static_cast<size_t> (i)] = static_cast<uint8_t> (0xA5 + i);
	PlugParamBlock block {};
	ASSERT_EQ (block.read (streamOf (bytes)), kResultOk);
	expectSameBits (block, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, true, false});
}

TEST (PlugParamBlockRecord, SwitchesReadAsOnOnlyWhenPositive)
{
	struct Case
	{
		int32 stored;
		bool on;
	} cases[] = {{2, true}, {1, true}, {0x7FFFFFFF, true}, {0, false}, {-1, false},
	             {std::numeric_limits<int32>::min (), false}};
	for (const auto& c : cases)
	{
		PlugParamBlock block {};
		ASSERT_EQ (block.read (streamOf (recordWithSwitches (c.stored, 0))), kResultOk);
		EXPECT_EQ (block.thruNull, c.on) << c.stored;
		EXPECT_FALSE (block.bypass);
		ASSERT_EQ (block.read (streamOf (recordWithSwitches (0, c.stored))), kResultOk);
		EXPECT_FALSE (block.thruNull);
		EXPECT_EQ (block.bypass, c.on) << c.stored;
	}
	Bytes written = recordBytes ({0, 0, 0, 0, 0, 0, 0, true, true});
	EXPECT_EQ (Bytes (written.begin () + 64, written.end ()),
	           (Bytes {1, 0, 0, 0, 1, 0, 0, 0}));
}

TEST (PlugParamBlockRecord, ShortOrMissingStreamChangesNothing)
{
	const PlugParamBlock before {0.9, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3, true, true};
	Bytes full = recordBytes ({0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, false, false});
	for (size_t length : {size_t (0), size_t (7), size_t (8), size_t (40), size_t (71)})
	{
		PlugParamBlock block = before;
		auto stream = streamOf (Bytes (full.begin (), full.begin () + static_cast<long> (length)));
		EXPECT_EQ (block.read (stream), kResultFalse) << length;
		expectSameBits (block, before);
	}
	PlugParamBlock block = before;
	EXPECT_EQ (block.read (nullptr), kResultFalse);
	expectSameBits (block, before);
}

TEST (PlugParamBlockRecord, LongerStreamKeepsItsTail)
{
	Bytes bytes = recordBytes (PlugProcessor::kBuiltInDefaults);
	bytes.insert (bytes.end (), {1, 2, 3, 4, 5});
	auto stream = streamOf (bytes);
	PlugParamBlock block {};
	ASSERT_EQ (block.read (stream), kResultOk);
	EXPECT_EQ (positionOf (*stream), 72);

	uint8_t tail[5] {};
	int32 readCount = 0;
	stream->read (tail, 5, &readCount);
	EXPECT_EQ (readCount, 5);
	EXPECT_EQ (tail[0], 1);
	EXPECT_EQ (tail[4], 5);
}

TEST (PlugParamBlockRecord, WriteStopsAtTheFirstFieldThatDoesNotFit)
{
	for (int32 capacity : {0, 5, 8, 20, 64, 70, 71})
	{
		LimitedStream stream (capacity);
		EXPECT_EQ (PlugProcessor::kBuiltInDefaults.write (&stream), kResultFalse) << capacity;
		// Each field is one write; nothing is attempted after the one that
		// did not fit.
		int fieldsThatFit = capacity < 8 ? 0 : capacity < 64 ? 1 + (capacity - 8) / 8 : 8 + (capacity - 64) / 4;
		EXPECT_EQ (stream.writeCalls, fieldsThatFit + 1) << capacity;
	}
	LimitedStream roomy (72);
	EXPECT_EQ (PlugProcessor::kBuiltInDefaults.write (&roomy), kResultOk);
	EXPECT_EQ (roomy.bytes, recordBytes (PlugProcessor::kBuiltInDefaults));
	EXPECT_EQ (PlugProcessor::kBuiltInDefaults.write (nullptr), kResultFalse);
}
