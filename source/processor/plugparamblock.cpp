#include "processor/plugparamblock.h"

#include "base/source/fstreamer.h"

namespace Steinberg {
namespace Vst {

tresult PlugParamBlock::read (IBStream* stream)
{
	if (!stream)
		return kResultFalse;
	IBStreamer streamer (stream, kLittleEndian);

	int64 header = 0;
	PlugParamBlock scratch {};
	int32 thruNullValue = 0;
	int32 bypassValue = 0;
	if (!streamer.readInt64 (header) || !streamer.readDouble (scratch.level) ||
	    !streamer.readDouble (scratch.delay) || !streamer.readDouble (scratch.depth) ||
	    !streamer.readDouble (scratch.degree) || !streamer.readDouble (scratch.rate) ||
	    !streamer.readDouble (scratch.feedback) || !streamer.readDouble (scratch.mix) ||
	    !streamer.readInt32 (thruNullValue) || !streamer.readInt32 (bypassValue))
		return kResultFalse;

	scratch.thruNull = thruNullValue > 0;
	scratch.bypass = bypassValue > 0;
	*this = scratch;
	return kResultOk;
}

tresult PlugParamBlock::write (IBStream* stream) const
{
	if (!stream)
		return kResultFalse;
	IBStreamer streamer (stream, kLittleEndian);
	if (!streamer.writeInt64 (0) || !streamer.writeDouble (level) ||
	    !streamer.writeDouble (delay) || !streamer.writeDouble (depth) ||
	    !streamer.writeDouble (degree) || !streamer.writeDouble (rate) ||
	    !streamer.writeDouble (feedback) || !streamer.writeDouble (mix) ||
	    !streamer.writeInt32 (thruNull ? 1 : 0) || !streamer.writeInt32 (bypass ? 1 : 0))
		return kResultFalse;
	return kResultOk;
}

} // namespace Vst
} // namespace Steinberg
