// Arithmetic on unevaluated sums hi + lo of two doubles (about 106 bits), from the error-free
// transforms of Knuth and Dekker. They rely on every operation being rounded once, to the
// nearest double: the folder is compiled with -ffp-contract=off so that no compiler fuses a
// product and a sum into an fma, which would change the bits on processors that have one.
#pragma once

namespace zorbel::exact {

struct DoubleDouble {
    double hi = 0.0;
    double lo = 0.0;
};

/// a + b exactly, whatever their sizes.
inline DoubleDouble twoSum(double a, double b) {
    const double s = a + b;
    const double bRounded = s - a;
    return {s, (a - (s - bRounded)) + (b - bRounded)};
}

/// a + b exactly, when |a| >= |b| or a is 0.
inline DoubleDouble fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

/// a * b exactly (Dekker's product: each factor split into halves of 26 bits), for factors
/// well inside the range of a double.
inline DoubleDouble twoProduct(double a, double b) {
    constexpr double splitter = 134217729.0; // 2^27 + 1
    const double p = a * b;
    const double ca = splitter * a;
    const double aHi = ca - (ca - a);
    const double aLo = a - aHi;
    const double cb = splitter * b;
    const double bHi = cb - (cb - b);
    const double bLo = b - bHi;
    return {p, ((aHi * bHi - p) + aHi * bLo + aLo * bHi) + aLo * bLo};
}

inline DoubleDouble operator-(DoubleDouble a) {
    return {-a.hi, -a.lo};
}

inline DoubleDouble operator+(DoubleDouble a, DoubleDouble b) {
    DoubleDouble s = twoSum(a.hi, b.hi);
    const DoubleDouble t = twoSum(a.lo, b.lo);
    s = fastTwoSum(s.hi, s.lo + t.hi);
    return fastTwoSum(s.hi, s.lo + t.lo);
}

inline DoubleDouble operator+(DoubleDouble a, double b) {
    const DoubleDouble s = twoSum(a.hi, b);
    return fastTwoSum(s.hi, s.lo + a.lo);
}

inline DoubleDouble operator*(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble p = twoProduct(a.hi, b.hi);
    return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

inline DoubleDouble operator*(DoubleDouble a, double b) {
    const DoubleDouble p = twoProduct(a.hi, b);
    return fastTwoSum(p.hi, p.lo + a.lo * b);
}

inline DoubleDouble operator/(DoubleDouble a, DoubleDouble b) {
    const double q1 = a.hi / b.hi;
    DoubleDouble r = a + -(b * q1);
    const double q2 = r.hi / b.hi;
    r = r + -(b * q2);
    const double q3 = r.hi / b.hi;
    return fastTwoSum(q1, q2) + q3;
}

/// The nearest whole number to |x| < 2^51, ties to even: adding 1.5 * 2^52 leaves no bits
/// after the point, and the addition rounds as IEEE rounds.
inline double nearestWhole(double x) {
    constexpr double shifter = 0x1.8p52;
    return (x + shifter) - shifter;
}

/// The double nearest to hi + lo: one rounding of the sum, as IEEE addition makes it.
inline double rounded(DoubleDouble a) {
    return a.hi + a.lo;
}

} // namespace zorbel::exact
