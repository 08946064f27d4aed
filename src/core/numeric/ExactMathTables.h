// The constants of the elementary functions in ExactMath.cpp, written by
// scripts/exact-math-tables.py from values exact to far beyond a double.
#pragma once

namespace zorbel::exact::tables {

/// A value to about 106 bits: hi is the double nearest to it, lo the double nearest to the rest.
struct DoublePair {
    double hi;
    double lo;
};

/// 2^(j/64), j = 0..63.
extern const DoublePair twoToFraction[64];
/// The first index of inverseNear, 128/i to 24 bits for i = 90..181, and of logOfInverse,
/// the logarithms of those doubles.
constexpr int firstLogIndex = 90;
extern const double inverseNear[92];
extern const DoublePair logOfInverse[92];
/// 1/k!, k = 0..30.
extern const DoublePair inverseFactorial[31];
extern const DoublePair ln2;
/// ln 2 in two parts, the first of 42 bits: its product by an exponent of two is exact.
extern const double ln2Parts[2];
/// ln(2)/64 and pi/2 in three parts, the first short enough that its product by the whole
/// numbers the reductions meet is exact.
extern const double ln2Over64[3];
extern const double halfPi[3];
extern const DoublePair oneThird;
extern const DoublePair oneFifth;

} // namespace zorbel::exact::tables
