// The small signal-processing routines: the values they must give, checked
// against independent forms of what each computes (filter responses, the
// Hadamard matrix itself, the tables as listed).
#include "processor/cutofffrequency.h"
#include "processor/delaylengths.h"
#include "processor/filtercoefficients.h"
#include "processor/gainscaling.h"
#include "processor/hadamardmix.h"
#include "processor/rangemaps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

constexpr double kPi = 3.141592653589793;

// Whether actual rounds to expected at the given number of significant digits.
::testing::AssertionResult agreesTo (int digits, double expected, double actual)
{
	const double unit = std::pow (10.0, std::floor (std::log10 (std::fabs (expected))) - digits + 1);
	if (std::fabs (actual - expected) <= unit / 2)
		return ::testing::AssertionSuccess ();
	return ::testing::AssertionFailure ()
	       << actual << " is not " << expected << " to " << digits << " significant digits";
}

bool sameBits (double a, double b) { return std::memcmp (&a, &b, sizeof (double)) == 0; }

//------------------------------------------------------------------------
// Range maps

TEST (RangeMaps, LinearMapsOntoTheOutputRange)
{
	EXPECT_EQ (mapLinear (5, 0, 10, 100, 200), 150);
	EXPECT_EQ (mapLinear (0, 0, 10, 100, 200), 100);
	EXPECT_EQ (mapLinear (10, 0, 10, 100, 200), 200);
	// Falling ranges and values outside the input range follow the same line.
	EXPECT_EQ (mapLinear (2, 0, 10, 200, 100), 180);
	EXPECT_EQ (mapLinear (15, 10, 0, 0, 1), -0.5);
}

TEST (RangeMaps, ExponentialMapHitsItsEndsAndGeometricMiddle)
{
	EXPECT_TRUE (agreesTo (11, 632.45553203, mapExponential (0.5, 20, 20000)));
	EXPECT_EQ (mapExponential (0, 20, 20000), 20);
	EXPECT_NEAR (mapExponential (1, 20, 20000), 20000, 20000 * 1e-14);
	// Equal steps multiply by equal factors: a tenth of the way is 2x here.
	EXPECT_NEAR (mapExponential (0.1, 1, 1024), 2, 1e-14);
}

TEST (RangeMaps, UnmapExponentialUndoesTheMap)
{
	for (double x : {0.0, 0.5, 1.0})
		EXPECT_NEAR (unmapExponential (mapExponential (x, 20, 20000), 20, 20000), x, 1e-15);

	std::mt19937_64 random (7);
	std::uniform_real_distribution<double> unit (0, 1);
	std::uniform_real_distribution<double> low (0.01, 100);
	for (int trial = 0; trial < 1000; ++trial)
	{
		const double lo = low (random);
		const double hi = lo * (1.5 + 1000 * unit (random));
		const double x = unit (random);
		const double y = mapExponential (x, lo, hi);
		EXPECT_GE (y, lo * (1 - 1e-15));
		EXPECT_LE (y, hi * (1 + 1e-15));
		EXPECT_NEAR (unmapExponential (y, lo, hi), x, 1e-13);
	}
}

//------------------------------------------------------------------------
// Filter coefficients

TEST (FilterCoefficients, TangentPairs)
{
	double first = -1;
	double second = -1;
	// At a quarter of the sample rate K = 1.
	calcTanCoefsMinus (first, second, 11025, 44100);
	EXPECT_EQ (second, 0);
	EXPECT_EQ (first, 0.5);
	calcTanCoefsPlus (first, second, 11025, 44100);
	EXPECT_EQ (second, 0);
	EXPECT_EQ (first, 0.5);

	calcTanCoefsMinus (first, second, 1000, 44100);
	EXPECT_TRUE (agreesTo (11, 0.86678843950, second));
	EXPECT_TRUE (agreesTo (11, 0.066605780250, first));
	calcTanCoefsPlus (first, second, 1000, 44100);
	EXPECT_TRUE (agreesTo (11, 0.86678843950, second));
	EXPECT_TRUE (agreesTo (11, 0.93339421975, first));
}

TEST (FilterCoefficients, TangentPairsFollowTheTangentOfHalfTheAngle)
{
	std::mt19937_64 random (11);
	std::uniform_real_distribution<double> fraction (0.001, 0.499);
	for (int trial = 0; trial < 1000; ++trial)
	{
		const double fs = 48000;
		const double f = fraction (random) * fs;
		const double k = std::tan (kPi * f / fs);
		double minusFirst = 0, minusSecond = 0, plusFirst = 0, plusSecond = 0;
		calcTanCoefsMinus (minusFirst, minusSecond, f, fs);
		calcTanCoefsPlus (plusFirst, plusSecond, f, fs);
		// Near fs / 4 the difference 1 - sin w loses digits; allow for it.
		const double tolerance = 1e-9;
		EXPECT_NEAR (minusSecond, (1 - k) / (1 + k), tolerance);
		EXPECT_NEAR (minusFirst, k / (1 + k), tolerance);
		EXPECT_EQ (plusSecond, minusSecond);
		EXPECT_NEAR (plusFirst, 1 / (1 + k), tolerance);
	}
}

TEST (FilterCoefficients, OnePoleLowPass)
{
	double first = -1;
	double second = -1;
	calcOnePoleCoefs (first, second, 0, 44100);
	EXPECT_EQ (first, 0);
	EXPECT_EQ (second, 1);

	calcOnePoleCoefs (first, second, 1000, 44100);
	EXPECT_TRUE (agreesTo (11, 0.13258300294, first));
	EXPECT_TRUE (agreesTo (11, 0.86741699706, second));
}

TEST (FilterCoefficients, OnePoleIsHalfPowerAtItsFrequency)
{
	std::mt19937_64 random (13);
	std::uniform_real_distribution<double> fraction (0.0005, 0.45);
	for (int trial = 0; trial < 1000; ++trial)
	{
		const double fs = 96000;
		const double f = fraction (random) * fs;
		double first = 0, second = 0;
		calcOnePoleCoefs (first, second, f, fs);
		EXPECT_NEAR (first + second, 1, 1e-15);
		EXPECT_GT (second, 0);
		EXPECT_LT (second, 1);
		// |first / (1 - second e^-jw)|^2 at w = 2 pi f / fs.
		const double w = 2 * kPi * f / fs;
		const double denominator = 1 - 2 * second * std::cos (w) + second * second;
		EXPECT_NEAR (first * first / denominator, 0.5, 1e-9);
	}
}

TEST (FilterCoefficients, SmoothingSettlesInItsTime)
{
	double first = 0;
	double second = 0;
	calcSmoothingCoefs (first, second, 10, 44100);
	EXPECT_TRUE (agreesTo (11, 0.99502376058, second));
	EXPECT_EQ (first, 1 - second);
	// After 10 ms (441 samples) a step has come within e^-2.2 of its target.
	EXPECT_NEAR (std::pow (second, 441), std::exp (-2.2), 1e-12);
}

TEST (FilterCoefficients, DecayWithEqualTimesIsAPlainGain)
{
	// A delay of a third of the decay time loses 20 dB, a whole one 60 dB.
	const double gains[][2] = {{0, 1}, {1, 0.1}, {3, 0.001}};
	for (const auto& lengthAndGain : gains)
	{
		double first = -1;
		double second = -1;
		calcDecayCoefs (first, second, 3, 3, lengthAndGain[0]);
		EXPECT_EQ (second, 0);
		EXPECT_NEAR (first, lengthAndGain[1], lengthAndGain[1] * 1e-15);
	}
}

TEST (FilterCoefficients, DecayLossesAtZeroAndNyquist)
{
	std::mt19937_64 random (17);
	std::uniform_real_distribution<double> time (100, 10000);
	std::uniform_real_distribution<double> length (1, 100);
	for (int trial = 0; trial < 1000; ++trial)
	{
		const double a = time (random);
		const double b = time (random);
		const double c = length (random);
		double first = 0, second = 0;
		calcDecayCoefs (first, second, a, b, c);
		// y = first x + second y: gain first / (1 - second) at 0 Hz and
		// first / (1 + second) at the Nyquist frequency.
		EXPECT_NEAR (first / (1 - second), std::pow (10.0, -3 * c / a), 1e-12);
		EXPECT_NEAR (first / (1 + second), std::pow (10.0, -3 * c / b), 1e-12);
	}
}

//------------------------------------------------------------------------
// Gain and scaling

TEST (GainScaling, DecibelsToGain)
{
	EXPECT_EQ (dbToGain (0), 1);
	EXPECT_NEAR (dbToGain (20), 10, 10 * std::numeric_limits<double>::epsilon ());
	EXPECT_NEAR (dbToGain (-6.0206), 0.5, 1e-8);
	EXPECT_NEAR (dbToGain (-120), 1e-6, 1e-20);
}

TEST (GainScaling, DecibelsUseTheirOwnConstantNotTenToTheTwentieth)
{
	// The factor sits one unit in the last place above log2 (10) / 20; over
	// 6000 dB that puts the gain 1.1005e-14 above 10^300. The double nearest
	// log2 (10) / 20 would put it 6.8e-14 below, and 10^(db / 20) on it.
	EXPECT_NEAR (dbToGain (6000) / 1e300 - 1, 1.1005e-14, 1e-15);
}

TEST (GainScaling, ScaleBy250AddsAThousandthOfItself)
{
	EXPECT_EQ (scaleBy250 (4.0), 1001);
	EXPECT_EQ (scaleBy250 (0.5), 125);
	EXPECT_EQ (scaleBy250 (-4.0), -1001);
	EXPECT_EQ (scaleBy250 (10.0), 2502);
	EXPECT_EQ (scaleBy250 (0.0), 0);
	EXPECT_EQ (scaleBy250 (400.0), 100100);
}

TEST (GainScaling, ScaleBy250TruncatesBothStepsTowardZero)
{
	// x * 250 below one whole step.
	EXPECT_EQ (scaleBy250 (0.0039), 0);
	EXPECT_EQ (scaleBy250 (-0.0039), 0);
	EXPECT_EQ (scaleBy250 (0.0041), 1);
	EXPECT_EQ (scaleBy250 (-0.0041), -1);
	// n = 999 has no thousandth yet; n = 1000 has one.
	EXPECT_EQ (scaleBy250 (3.999), 999);
	EXPECT_EQ (scaleBy250 (-3.999), -999);
	EXPECT_EQ (scaleBy250 (7.999), 1999 + 1);
	EXPECT_EQ (scaleBy250 (-7.999), -1999 - 1);
}

TEST (GainScaling, ScaleBy250StaysInsideThe32BitRange)
{
	constexpr int32 max = std::numeric_limits<int32>::max ();
	constexpr int32 min = std::numeric_limits<int32>::min ();
	// A sum that still fits, and sums that would overflow.
	EXPECT_EQ (scaleBy250 (8581000.0), 2145250000 + 2145250);
	EXPECT_EQ (scaleBy250 (8581404.0), max);
	EXPECT_EQ (scaleBy250 (-8581404.0), min);
	// x * 250 beyond the range, and NaN, give defined results.
	EXPECT_EQ (scaleBy250 (1e10), max);
	EXPECT_EQ (scaleBy250 (-1e10), min);
	EXPECT_EQ (scaleBy250 (std::numeric_limits<double>::infinity ()), max);
	EXPECT_EQ (scaleBy250 (std::numeric_limits<double>::quiet_NaN ()), 0);
}

//------------------------------------------------------------------------
// Cutoff frequency

TEST (CutoffFrequency, CommonSampleRates)
{
	EXPECT_EQ (cutoffForSampleRate (192000), 16000);
	EXPECT_EQ (cutoffForSampleRate (44100), 16000);
	EXPECT_EQ (cutoffForSampleRate (22050), 10000);
	EXPECT_EQ (cutoffForSampleRate (16000), 7000);
	EXPECT_EQ (cutoffForSampleRate (11025), 5000);
	EXPECT_EQ (cutoffForSampleRate (8000), 3000);
}

TEST (CutoffFrequency, ThresholdsAreStrict)
{
	EXPECT_EQ (cutoffForSampleRate (32000), 15000);
	EXPECT_EQ (cutoffForSampleRate (std::nextafter (32000.0, 1e9)), 16000);
	EXPECT_EQ (cutoffForSampleRate (32000.5), 16000);
	// Each kilohertz step starts where fs / 2000 - 0.5 reaches a whole number.
	EXPECT_EQ (cutoffForSampleRate (31000), 15000);
	EXPECT_EQ (cutoffForSampleRate (30999), 14000);
	EXPECT_EQ (cutoffForSampleRate (3000), 1000);
	EXPECT_EQ (cutoffForSampleRate (2999), 0);
	EXPECT_EQ (cutoffForSampleRate (1), 0);
}

TEST (CutoffFrequency, RatesBeyondAnyRangeGiveDefinedResults)
{
	EXPECT_EQ (cutoffForSampleRate (0), 0);
	EXPECT_EQ (cutoffForSampleRate (-1e300), 1000.0 * std::numeric_limits<int32>::min ());
	EXPECT_EQ (cutoffForSampleRate (std::numeric_limits<double>::quiet_NaN ()), 0);
	EXPECT_EQ (cutoffForSampleRate (std::numeric_limits<double>::infinity ()), 16000);
}

//------------------------------------------------------------------------
// Hadamard mixes

using Mix16 = std::array<double, 16>;
using Mix8 = std::array<double, 8>;

Mix16 mixed (Mix16 e)
{
	hadamardMix16 (e[0], e[1], e[2], e[3], e[4], e[5], e[6], e[7], e[8], e[9], e[10], e[11],
	               e[12], e[13], e[14], e[15]);
	return e;
}

Mix8 mixed (Mix8 e)
{
	hadamardMix8 (e[0], e[1], e[2], e[3], e[4], e[5], e[6], e[7]);
	return e;
}

double scaleOf (const Mix16&) { return 0.25; }
double scaleOf (const Mix8&) { return 0.353553374962831; }

// H[i][j] = (-1)^(number of bits set in i AND j).
double sign (size_t i, size_t j)
{
	int bits = 0;
	for (size_t v = i & j; v != 0; v >>= 1)
		bits += v & 1;
	return bits % 2 == 0 ? 1 : -1;
}

// scale * H * x, each row summed from left to right.
template <typename Mix>
Mix matrixMix (const Mix& x)
{
	Mix y {};
	for (size_t i = 0; i < y.size (); ++i)
	{
		double sum = 0;
		for (size_t j = 0; j < x.size (); ++j)
			sum += sign (i, j) * x[j];
		y[i] = sum * scaleOf (x);
	}
	return y;
}

// Butterflies over spans 1, 2, 4, ... in that order, then the scale.
template <typename Mix>
Mix butterflyMix (Mix x)
{
	for (size_t h = 1; h < x.size (); h *= 2)
		for (size_t j = 0; j < x.size (); ++j)
			if ((j & h) == 0)
			{
				const double a = x[j];
				x[j] = a + x[j + h];
				x[j + h] = a - x[j + h];
			}
	const double scale = scaleOf (x);
	for (double& v : x)
		v *= scale;
	return x;
}

template <typename Mix>
Mix randomMix (std::mt19937_64& random)
{
	// Mixed magnitudes, so that the order of the additions shows in the bits.
	std::uniform_real_distribution<double> value (-1, 1);
	std::uniform_int_distribution<int> exponent (-20, 20);
	Mix x {};
	for (double& v : x)
		v = std::ldexp (value (random), exponent (random));
	return x;
}

// Rounding allowed against an exact mix of x.
template <typename Mix>
double roundingOf (const Mix& x)
{
	double sum = 0;
	for (double v : x)
		sum += std::fabs (v);
	return 1e-15 * sum;
}

template <typename Mix>
void expectImpulsesGiveMatrixColumnsAndOnesOneSum ()
{
	const Mix none {};
	const double scale = scaleOf (none);
	for (size_t k = 0; k < none.size (); ++k)
	{
		Mix impulse {};
		impulse[k] = 1;
		const Mix y = mixed (impulse);
		for (size_t i = 0; i < y.size (); ++i)
			EXPECT_EQ (y[i], scale * sign (i, k)) << "input " << k << " output " << i;
	}
	Mix ones;
	ones.fill (1);
	const Mix y = mixed (ones);
	EXPECT_EQ (y[0], ones.size () * scale);
	for (size_t i = 1; i < y.size (); ++i)
		EXPECT_EQ (y[i], 0) << "output " << i;
}

template <typename Mix>
void expectRandomInputsFollowTheMatrixAndTheButterflyOrder (uint64_t seed, double twiceGain)
{
	std::mt19937_64 random (seed);
	int differFromRowSums = 0;
	for (int trial = 0; trial < 500; ++trial)
	{
		const Mix x = randomMix<Mix> (random);
		const Mix y = mixed (x);
		const Mix rows = matrixMix (x);
		const Mix butterfly = butterflyMix (x);
		const Mix again = mixed (y);
		for (size_t i = 0; i < x.size (); ++i)
		{
			EXPECT_NEAR (y[i], rows[i], roundingOf (x));
			EXPECT_TRUE (sameBits (y[i], butterfly[i])) << "trial " << trial << " output " << i;
			EXPECT_NEAR (again[i], x[i] * twiceGain, roundingOf (x));
			differFromRowSums += sameBits (y[i], rows[i]) ? 0 : 1;
		}
	}
	// Otherwise the inputs would not tell one order of additions from another.
	EXPECT_GT (differFromRowSums, 100);
}

TEST (HadamardMix, ImpulsesGiveTheMatrixColumnsAndOnesASingleSum)
{
	// The impulse at 0 gives 0.25 (or the 8-point scale) everywhere.
	expectImpulsesGiveMatrixColumnsAndOnesOneSum<Mix16> ();
	expectImpulsesGiveMatrixColumnsAndOnesOneSum<Mix8> ();
}

TEST (HadamardMix, SixteenPointMatchesTheMatrixAndUndoesItself)
{
	expectRandomInputsFollowTheMatrixAndTheButterflyOrder<Mix16> (19, 1);
}

TEST (HadamardMix, EightPointMatchesTheMatrixAndTwiceFallsJustShort)
{
	// 8 * 0.353553374962831^2, not 1: the scale is not 1 / sqrt (8).
	const double twiceGain = 0.99999991158086547;
	expectRandomInputsFollowTheMatrixAndTheButterflyOrder<Mix8> (23, twiceGain);
	Mix8 impulse {};
	impulse[3] = 1;
	EXPECT_NEAR (mixed (mixed (impulse))[3], twiceGain, 1e-16);
}

//------------------------------------------------------------------------
// Delay-length tables

using Lengths16 = std::array<double, 16>;
using Lengths8 = std::array<double, 8>;

Lengths16 lengths16 (int32 row)
{
	Lengths16 o;
	o.fill (-1);
	getDelayLengths16 (row, o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7], o[8], o[9], o[10],
	                   o[11], o[12], o[13], o[14], o[15]);
	return o;
}

Lengths8 lengths8 (int32 row)
{
	Lengths8 o;
	o.fill (-1);
	getDelayLengths8 (row, o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7]);
	return o;
}

Lengths16 lengths16Alt (int32 row)
{
	Lengths16 o;
	o.fill (-1);
	getDelayLengths16Alt (row, o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7], o[8], o[9],
	                      o[10], o[11], o[12], o[13], o[14], o[15]);
	return o;
}

const Lengths16 kRows16[4] = {
    {32.13723, 26.357152, 23.120309, 20.379699, 18.768045, 17.380903, 15.288217, 13.719974,
     13.194842, 12.193195, 11.449247, 11.798912, 10.877801, 10.785245, 10.586653, 10.055123},
    {33.106302, 27.516927, 21.497599, 21.161598, 18.029872, 16.940632, 15.0809, 14.184423,
     13.115548, 12.704996, 11.839463, 11.58836, 10.937652, 10.24246, 10.22345, 10.012048},
    {40.503959, 27.813877, 22.928411, 17.383673, 16.371867, 15.974569, 14.741325, 13.852415,
     13.190673, 13.153232, 12.145967, 11.91831, 10.859495, 10.663036, 10.489046, 9.037556},
    {53, 47, 43, 41, 37, 31, 29, 23, 19, 17, 13, 11, 7, 5, 3, 2},
};

// Rows 1 to 3 of the other tables begin with those of the 16-value table.
Lengths8 firstHalf (const Lengths16& row)
{
	Lengths8 half;
	std::copy (row.begin (), row.begin () + 8, half.begin ());
	return half;
}

Lengths16 twice (const Lengths8& half)
{
	Lengths16 row;
	std::copy (half.begin (), half.end (), row.begin ());
	std::copy (half.begin (), half.end (), row.begin () + 8);
	return row;
}

const Lengths8 kRow4Of8 = {40.36, 33.101, 17.23, 15.313, 12.463, 10.643, 10.439, 9.681};
const Lengths8 kRow4Of16Alt = {41, 37, 31, 29, 23, 19, 17, 13};
const Lengths16 kRow5Of16Alt = {40.503959, 27.813877, 22.928411, 17.383673,
                                16.371867, 15.974569, 14.741325, 13.852415,
                                41, 28, 23, 17, 16, 16, 15, 14};

const int32 kOutsideRows[] = {0, -1, std::numeric_limits<int32>::min (),
                              std::numeric_limits<int32>::max ()};

TEST (DelayLengths, SixteenValueRows)
{
	for (int32 row = 1; row <= 4; ++row)
		EXPECT_EQ (lengths16 (row), kRows16[row - 1]) << "row " << row;
	for (int32 row : kOutsideRows)
		EXPECT_EQ (lengths16 (row), kRows16[0]) << "row " << row;
	EXPECT_EQ (lengths16 (5), kRows16[0]);
}

TEST (DelayLengths, EightValueRows)
{
	for (int32 row = 1; row <= 3; ++row)
		EXPECT_EQ (lengths8 (row), firstHalf (kRows16[row - 1])) << "row " << row;
	EXPECT_EQ (lengths8 (4), kRow4Of8);
	for (int32 row : kOutsideRows)
		EXPECT_EQ (lengths8 (row), firstHalf (kRows16[0])) << "row " << row;
	EXPECT_EQ (lengths8 (5), firstHalf (kRows16[0]));
}

TEST (DelayLengths, AlternativeSixteenValueRows)
{
	for (int32 row = 1; row <= 3; ++row)
		EXPECT_EQ (lengths16Alt (row), twice (firstHalf (kRows16[row - 1]))) << "row " << row;
	EXPECT_EQ (lengths16Alt (4), twice (kRow4Of16Alt));
	EXPECT_EQ (lengths16Alt (5), kRow5Of16Alt);
	for (int32 row : kOutsideRows)
		EXPECT_EQ (lengths16Alt (row), twice (firstHalf (kRows16[0]))) << "row " << row;
	EXPECT_EQ (lengths16Alt (6), twice (firstHalf (kRows16[0])));
}

TEST (DelayLengths, FirstRowIsNotInDescendingOrderAtOutputsTenAndEleven)
{
	const Lengths16 row = lengths16 (1);
	for (size_t k = 1; k < 16; ++k)
	{
		if (k == 11)
			EXPECT_LT (row[10], row[11]);
		else
			EXPECT_GT (row[k - 1], row[k]) << "outputs " << k - 1 << " and " << k;
	}
	EXPECT_EQ (row[10], 11.449247);
	EXPECT_EQ (row[11], 11.798912);
}

} // namespace
