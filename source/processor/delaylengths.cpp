#include "processor/delaylengths.h"

namespace Steinberg {
namespace Vst {

namespace {

using Row16 = double[16];
using Row8 = double[8];

// Row 1 is also the default. Its outputs 10 and 11 are not in descending
// order; the sets are kept exactly as they are.
constexpr Row16 kLengths16[] = {
    {32.13723, 26.357152, 23.120309, 20.379699, 18.768045, 17.380903, 15.288217, 13.719974,
     13.194842, 12.193195, 11.449247, 11.798912, 10.877801, 10.785245, 10.586653, 10.055123},
    {33.106302, 27.516927, 21.497599, 21.161598, 18.029872, 16.940632, 15.0809, 14.184423,
     13.115548, 12.704996, 11.839463, 11.58836, 10.937652, 10.24246, 10.22345, 10.012048},
    {40.503959, 27.813877, 22.928411, 17.383673, 16.371867, 15.974569, 14.741325, 13.852415,
     13.190673, 13.153232, 12.145967, 11.91831, 10.859495, 10.663036, 10.489046, 9.037556},
    {53, 47, 43, 41, 37, 31, 29, 23, 19, 17, 13, 11, 7, 5, 3, 2},
};

constexpr Row8 kLengths8[] = {
    {32.13723, 26.357152, 23.120309, 20.379699, 18.768045, 17.380903, 15.288217, 13.719974},
    {33.106302, 27.516927, 21.497599, 21.161598, 18.029872, 16.940632, 15.0809, 14.184423},
    {40.503959, 27.813877, 22.928411, 17.383673, 16.371867, 15.974569, 14.741325, 13.852415},
    {40.36, 33.101, 17.23, 15.313, 12.463, 10.643, 10.439, 9.681},
};

constexpr Row16 kLengths16Alt[] = {
    {32.13723, 26.357152, 23.120309, 20.379699, 18.768045, 17.380903, 15.288217, 13.719974,
     32.13723, 26.357152, 23.120309, 20.379699, 18.768045, 17.380903, 15.288217, 13.719974},
    {33.106302, 27.516927, 21.497599, 21.161598, 18.029872, 16.940632, 15.0809, 14.184423,
     33.106302, 27.516927, 21.497599, 21.161598, 18.029872, 16.940632, 15.0809, 14.184423},
    {40.503959, 27.813877, 22.928411, 17.383673, 16.371867, 15.974569, 14.741325, 13.852415,
     40.503959, 27.813877, 22.928411, 17.383673, 16.371867, 15.974569, 14.741325, 13.852415},
    {41, 37, 31, 29, 23, 19, 17, 13, 41, 37, 31, 29, 23, 19, 17, 13},
    {40.503959, 27.813877, 22.928411, 17.383673, 16.371867, 15.974569, 14.741325, 13.852415,
     41, 28, 23, 17, 16, 16, 15, 14},
};

// The row numbered row (from 1), or row 1 when there is no such row.
template <typename Row, int rowCount>
const Row& selectRow (const Row (&table)[rowCount], int32 row)
{
	return (row >= 1 && row <= rowCount) ? table[row - 1] : table[0];
}

template <int size>
void writeRow (const double (&row)[size], double* const (&out)[size])
{
	for (int k = 0; k < size; ++k)
		*out[k] = row[k];
}

} // namespace

void getDelayLengths16 (int32 row, double& out0, double& out1, double& out2, double& out3,
                        double& out4, double& out5, double& out6, double& out7, double& out8,
                        double& out9, double& out10, double& out11, double& out12,
                        double& out13, double& out14, double& out15)
{
	double* const out[16] = {&out0, &out1, &out2,  &out3,  &out4,  &out5,  &out6,  &out7,
	                         &out8, &out9, &out10, &out11, &out12, &out13, &out14, &out15};
	writeRow (selectRow (kLengths16, row), out);
}

void getDelayLengths8 (int32 row, double& out0, double& out1, double& out2, double& out3,
                       double& out4, double& out5, double& out6, double& out7)
{
	double* const out[8] = {&out0, &out1, &out2, &out3, &out4, &out5, &out6, &out7};
	writeRow (selectRow (kLengths8, row), out);
}

void getDelayLengths16Alt (int32 row, double& out0, double& out1, double& out2, double& out3,
                           double& out4, double& out5, double& out6, double& out7,
                           double& out8, double& out9, double& out10, double& out11,
                           double& out12, double& out13, double& out14, double& out15)
{
	double* const out[16] = {&out0, &out1, &out2,  &out3,  &out4,  &out5,  &out6,  &out7,
	                         &out8, &out9, &out10, &out11, &out12, &out13, &out14, &out15};
	writeRow (selectRow (kLengths16Alt, row), out);
}

} // namespace Vst
} // namespace Steinberg
