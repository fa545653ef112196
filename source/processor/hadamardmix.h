// Hadamard mixes of 16 or 8 signals, in place: each output is the scaled sum
// of all inputs with the signs of row i of the Hadamard matrix in natural
// order, H[i][j] = (-1)^(number of bits set in i AND j).
#pragma once

namespace Steinberg {
namespace Vst {

// Scaled by 0.25, so applying the mix twice gives back the input.
void hadamardMix16 (double& e0, double& e1, double& e2, double& e3, double& e4, double& e5,
                    double& e6, double& e7, double& e8, double& e9, double& e10, double& e11,
                    double& e12, double& e13, double& e14, double& e15);

// Scaled by 0.353553374962831, a little under 1 / sqrt (8): applying the mix
// twice scales the input by 0.99999991158...
void hadamardMix8 (double& e0, double& e1, double& e2, double& e3, double& e4, double& e5,
                   double& e6, double& e7);

} // namespace Vst
} // namespace Steinberg
