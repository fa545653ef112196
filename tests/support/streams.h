// Byte-level helpers around the SDK's memory stream.
#pragma once

#include "public.sdk/source/common/memorystream.h"

#include <cstdint>
#include <vector>

namespace Steinberg {

using Bytes = std::vector<uint8_t>;

// A stream positioned at its start and holding the given bytes.
inline IPtr<MemoryStream> streamOf (const Bytes& bytes)
{
	auto stream = owned (new MemoryStream);
	int32 written = 0;
	if (!bytes.empty ())
		stream->write (const_cast<uint8_t*> (bytes.data ()), static_cast<int32> (bytes.size ()),
		               &written);
	stream->seek (0, IBStream::kIBSeekSet, nullptr);
	return stream;
}

// Everything the stream holds, whatever its position.
inline Bytes bytesOf (MemoryStream& stream)
{
	const auto* data = reinterpret_cast<const uint8_t*> (stream.getData ());
	return Bytes (data, data + stream.getSize ());
}

// The stream's position.
inline int64 positionOf (IBStream& stream)
{
	int64 position = 0;
	stream.tell (&position);
	return position;
}

} // namespace Steinberg
