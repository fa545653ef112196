// A stream that accepts only a given number of bytes for writing, like a
// full disk or a host buffer that is too small.
#pragma once

#include "pluginterfaces/base/ibstream.h"

#include <cstring>
#include <vector>

namespace Steinberg {

class LimitedStream : public IBStream
{
public:
	explicit LimitedStream (int32 capacity) : capacity (capacity) {}
	virtual ~LimitedStream () = default;

	tresult PLUGIN_API read (void*, int32, int32* numBytesRead) override
	{
		if (numBytesRead)
			*numBytesRead = 0;
		return kResultFalse;
	}
	tresult PLUGIN_API write (void* buffer, int32 numBytes, int32* numBytesWritten) override
	{
		++writeCalls;
		int32 room = capacity - static_cast<int32> (bytes.size ());
		int32 count = numBytes < room ? numBytes : room;
		const auto* source = static_cast<const uint8_t*> (buffer);
		bytes.insert (bytes.end (), source, source + count);
		if (numBytesWritten)
			*numBytesWritten = count;
		return count == numBytes ? kResultOk : kResultFalse;
	}
	tresult PLUGIN_API seek (int64, int32, int64*) override { return kResultFalse; }
	tresult PLUGIN_API tell (int64* pos) override
	{
		if (pos)
			*pos = static_cast<int64> (bytes.size ());
		return kResultOk;
	}
	tresult PLUGIN_API queryInterface (const TUID, void** obj) override
	{
		*obj = nullptr;
		return kNoInterface;
	}
	uint32 PLUGIN_API addRef () override { return 1; }
	uint32 PLUGIN_API release () override { return 1; }

	int32 capacity;
	int writeCalls = 0;
	std::vector<uint8_t> bytes;
};

} // namespace Steinberg
