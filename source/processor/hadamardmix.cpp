#include "processor/hadamardmix.h"

namespace Steinberg {
namespace Vst {

static constexpr double kScale16 = 0.25;
// Not 1 / sqrt (8): the mixed levels must stay exactly those of this value.
static constexpr double kScale8 = 0.353553374962831;

// The fast Walsh-Hadamard transform: butterflies over spans 1, 2, 4, ...;
// this order fixes the rounding of every result.
template <int size>
static void mixInPlace (double* const (&e)[size], double scale)
{
	for (int h = 1; h < size; h *= 2)
	{
		for (int j = 0; j < size; ++j)
		{
			if ((j & h) != 0)
				continue;
			const double a = *e[j];
			const double b = *e[j + h];
			*e[j] = a + b;
			*e[j + h] = a - b;
		}
	}
	for (int i = 0; i < size; ++i)
		*e[i] = *e[i] * scale;
}

void hadamardMix16 (double& e0, double& e1, double& e2, double& e3, double& e4, double& e5,
                    double& e6, double& e7, double& e8, double& e9, double& e10, double& e11,
                    double& e12, double& e13, double& e14, double& e15)
{
	double* const elements[16] = {&e0, &e1, &e2,  &e3,  &e4,  &e5,  &e6,  &e7,
	                              &e8, &e9, &e10, &e11, &e12, &e13, &e14, &e15};
	mixInPlace (elements, kScale16);
}

void hadamardMix8 (double& e0, double& e1, double& e2, double& e3, double& e4, double& e5,
                   double& e6, double& e7)
{
	double* const elements[8] = {&e0, &e1, &e2, &e3, &e4, &e5, &e6, &e7};
	mixInPlace (elements, kScale8);
}

} // namespace Vst
} // namespace Steinberg
