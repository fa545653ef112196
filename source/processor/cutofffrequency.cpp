#include "processor/cutofffrequency.h"

#include "processor/truncatetoint32.h"

namespace Steinberg {
namespace Vst {

double cutoffForSampleRate (double fs)
{
	if (fs > 32000)
		return 16000;
	const int32 n = truncateToInt32 (fs * 0.0005 + (-0.5));
	// In double, where 1000 * n is exact; in 32 bits it could overflow.
	return 1000.0 * n;
}

} // namespace Vst
} // namespace Steinberg
