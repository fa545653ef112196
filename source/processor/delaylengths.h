// Constant sets of delay lengths for banks of 16 or 8 delay lines, selected
// by a row number from 1. Any row number outside a table gives row 1.
#pragma once

#include "pluginterfaces/base/ftypes.h"

namespace Steinberg {
namespace Vst {

// Rows 1 to 4.
void getDelayLengths16 (int32 row, double& out0, double& out1, double& out2, double& out3,
                        double& out4, double& out5, double& out6, double& out7, double& out8,
                        double& out9, double& out10, double& out11, double& out12,
                        double& out13, double& out14, double& out15);

// Rows 1 to 4.
void getDelayLengths8 (int32 row, double& out0, double& out1, double& out2, double& out3,
                       double& out4, double& out5, double& out6, double& out7);

// Rows 1 to 5; in rows 1 to 4 outputs 8 to 15 repeat outputs 0 to 7.
void getDelayLengths16Alt (int32 row, double& out0, double& out1, double& out2, double& out3,
                           double& out4, double& out5, double& out6, double& out7,
                           double& out8, double& out9, double& out10, double& out11,
                           double& out12, double& out13, double& out14, double& out15);

} // namespace Vst
} // namespace Steinberg
