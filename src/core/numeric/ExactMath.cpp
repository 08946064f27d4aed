#include "numeric/ExactMath.h"

#include "numeric/DoubleDouble.h"
#include "numeric/ExactMathTables.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zorbel::exact {

namespace {

using tables::DoublePair;

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

DoubleDouble pairOf(const DoublePair& p) {
    return {p.hi, p.lo};
}

/// 2^e for e in [-1022, 1023], built from its bits: no library call whose rounding could vary.
double powerOfTwo(int e) {
    return std::bit_cast<double>(static_cast<std::uint64_t>(e + 1023) << 52);
}

/// e^r - 1 for |r| <= ln(2)/128, by its Taylor series: the terms from r^6 on are below
/// 2^-54 and take a double, the first five the full double-double.
DoubleDouble expMinusOne(DoubleDouble r) {
    const DoublePair* f = tables::inverseFactorial;
    double tail = f[11].hi;
    for (int k = 10; k >= 6; --k)
        tail = tail * r.hi + f[k].hi;
    DoubleDouble s = pairOf(f[5]) + r * tail;
    for (int k = 4; k >= 1; --k)
        s = pairOf(f[k]) + r * s;
    return r * s;
}

/// e^x as m * 2^k, m in [0.99, 2) unrounded: x = (64 k + j) ln(2)/64 + r, |r| <= ln(2)/128,
/// and e^x = 2^k 2^(j/64) e^r. For |x.hi| < 746.
struct Scaled {
    DoubleDouble m;
    int k = 0;
};

/// x = (64 k + j) ln(2)/64 + r to about 2^-100, j = whole & 63, k = whole >> 6.
struct ExpReduction {
    int whole = 0;
    DoubleDouble r;
};

ExpReduction reduceForExp(DoubleDouble x) {
    const double* part = tables::ln2Over64;
    const double n = nearestWhole(x.hi * 0x1.71547652b82fep+6); // 64 / ln 2
    // n * part[0] is exact and close to x.hi, so their difference is exact too.
    DoubleDouble r = twoSum(x.hi - n * part[0], x.lo);
    r = r + -twoProduct(n, part[1]);
    r = r + -(n * part[2]);
    return {static_cast<int>(n), r};
}

Scaled expScaled(const ExpReduction& x) {
    const int j = x.whole & 63;
    const DoubleDouble t = pairOf(tables::twoToFraction[j]);
    return {t + t * expMinusOne(x.r), (x.whole - j) / 64};
}

/// The fast paths answer NaN when they leave the result to the double-double path: a
/// std::optional<double> costs a stall on its way back through memory, every call.
constexpr double undecided = notANumber;

bool decided(double value) {
    return !std::isnan(value);
}

/// The double nearest to a value known to lie within error of hi + lo, when every point of
/// that interval rounds to it; undecided when the interval straddles a rounding boundary.
[[gnu::always_inline]] inline double roundedIfSure(double hi, double lo, double error) {
    const double up = hi + (lo + error);
    const double down = hi + (lo - error);
    return up == down ? up : undecided;
}

/// e^x in plain doubles first, for the common case: the same reduction to r = rh + rl (to
/// 2^-75: n times the second part of ln(2)/64 is below 2^-24 and rounded by 2^-77), e^r - 1 - r
/// by a degree-7 polynomial (2^-75), the product 2^(j/64) rh exact. The result is within 2^-64
/// of e^x, relative, plus the argument's own error; nothing where that leaves the rounding in
/// doubt or the result is not a normal double: the double-double path decides those.
[[gnu::always_inline]] inline double expFast(DoubleDouble x, double argumentError) {
    const double* part = tables::ln2Over64;
    const double n = nearestWhole(x.hi * 0x1.71547652b82fep+6); // 64 / ln 2
    const int whole = static_cast<int>(n);
    const int j = whole & 63;
    const int k = (whole - j) / 64;
    if (k < -1021 || k > 1023)
        return undecided;
    const DoubleDouble r = twoSum(x.hi - n * part[0], -(n * part[1]));
    const double rh = r.hi;
    const double rl = r.lo + (x.lo - n * part[2]);
    const double r2 = rh * rh;
    const double q = r2 * ((0.5 + rh * (1.0 / 6)) + r2 * (1.0 / 24 + rh * (1.0 / 120)) +
                           (r2 * r2) * (1.0 / 720 + rh * (1.0 / 5040))) +
                     rh * rl;
    const DoublePair& t = tables::twoToFraction[j];
    const DoubleDouble p = twoProduct(t.hi, rh);
    const DoubleDouble s = fastTwoSum(t.hi, p.hi);
    const double lo = s.lo + (p.lo + (t.lo + (t.lo * rh + t.hi * (rl + q))));
    const double error = (0x1p-64 + argumentError) * s.hi + 0x1p-52 * std::fabs(lo);
    return roundedIfSure(s.hi, lo, error) * powerOfTwo(k);
}

/// m * 2^k rounded once. Below 2^-1021 the doubles are 2^-1074 apart, subnormal or not: the
/// value is rounded to a whole multiple of that step; above, m is rounded and then scaled,
/// which is exact (or overflows to inf, as the exact value would).
double roundedScaled(const Scaled& s) {
    if (s.k >= -1021) {
        const double m = rounded(s.m);
        return s.k > 1023 ? m * 2.0 * powerOfTwo(s.k - 1) : m * powerOfTwo(s.k);
    }
    if (s.k < -1100)
        return 0.0;
    const double scale = powerOfTwo(s.k + 1074);
    const DoubleDouble steps = {s.m.hi * scale, s.m.lo * scale};
    double whole = nearestWhole(steps.hi);
    const DoubleDouble rest = twoSum(steps.hi - whole, steps.lo);
    if (rest.hi > 0.5 || (rest.hi == 0.5 && rest.lo > 0.0))
        whole += 1.0;
    else if (rest.hi < -0.5 || (rest.hi == -0.5 && rest.lo < 0.0))
        whole -= 1.0;
    return whole * 0x1p-1074;
}

/// ln(1 + r) for |r| <= 0.0056: 2 atanh(s) with s = r / (2 + r), |s| < 2^-8.4, whose series
/// in u = s^2 is s (2 + 2u/3 + 2u^2/5 + ...); the terms from u^2/7 on take a double.
DoubleDouble logOnePlusSmall(DoubleDouble r) {
    const DoubleDouble s = r / (DoubleDouble{2.0, 0.0} + r);
    const DoubleDouble u = s * s;
    const double h = u.hi;
    const double tail = 1.0 / 7 + h * (1.0 / 9 + h * (1.0 / 11 + h * (1.0 / 13)));
    const DoubleDouble p = pairOf(tables::oneThird) + u * (pairOf(tables::oneFifth) + u * tail);
    const DoubleDouble sum = s + s * u * p;
    return {2.0 * sum.hi, 2.0 * sum.lo};
}

/// ln x for a finite x > 0, unrounded: x = 2^e m with m in [sqrt(1/2), sqrt(2)), so that
/// no cancellation loses bits near 1; c = 128/i, the tabled inverse nearest to m, leaves
/// r = m c - 1 within 0.0056 and ln x = e ln 2 + ln(1 + r) - ln c.
struct LogReduction {
    int e = 0;
    int i = 0;
    DoubleDouble r;
};

[[gnu::always_inline]] inline LogReduction reduceForLog(double x) {
    int e = 0;
    if (x < 0x1p-1022) {
        x *= 0x1p54;
        e = -54;
    }
    const auto bits = std::bit_cast<std::uint64_t>(x);
    e += static_cast<int>(bits >> 52) - 1023;
    double m = std::bit_cast<double>((bits & 0x000fffffffffffffULL) | 0x3ff0000000000000ULL);
    if (m > 0x1.6a09e667f3bcdp+0) {
        m *= 0.5;
        ++e;
    }
    // m is positive and any entry near it serves: the sum's floor is the nearest index.
    const int i = static_cast<int>(m * 128.0 + 0.5); // NOLINT(bugprone-incorrect-roundings)
    const double c = tables::inverseNear[i - tables::firstLogIndex];
    // m c exactly: c has 24 bits, so only m needs splitting into halves of 26 bits.
    const double p = m * c;
    const double cm = 134217729.0 * m;
    const double mHi = cm - (cm - m);
    const double pLo = (mHi * c - p) + (m - mHi) * c;
    // p - 1 is exact (p is near 1) and a multiple of p's last place, above |pLo|, or 0.
    return {e, i, fastTwoSum(p - 1.0, pLo)};
}

DoubleDouble logOf(const LogReduction& x) {
    const DoubleDouble lnM =
        logOnePlusSmall(x.r) + -pairOf(tables::logOfInverse[x.i - tables::firstLogIndex]);
    const DoubleDouble ln2 = pairOf(tables::ln2);
    const auto e = static_cast<double>(x.e);
    return twoProduct(e, ln2.hi) + e * ln2.lo + lnM;
}

/// ln x in plain doubles first: ln(1 + r) - r by its series to r^10, the cross term of r^2
/// kept, and the large terms summed exactly into hi + lo (e times the 42-bit first part of
/// ln 2 is exact; |e ln 2| >= |ln c| >= |r| but where the larger is 0). The bound on the
/// error: the series' rounding, a few units of 2^-53 r^2; the rest of ln 2 and the tables,
/// 2^-80 relative; and the rounding of the low sum.
struct Approximation {
    double hi = 0.0;
    double lo = 0.0;
    double error = 0.0;
};

[[gnu::always_inline]] inline Approximation logApproximation(const LogReduction& x) {
    const double rh = x.r.hi;
    const double r2 = rh * rh;
    const double r4 = r2 * r2;
    const double tail = (-1.0 / 6 + rh * (1.0 / 7)) + r2 * (-0.125 + rh * (1.0 / 9)) + r4 * -0.1;
    const double series =
        r2 * ((-0.5 + rh * (1.0 / 3)) + r2 * (-0.25 + rh * 0.2) + r4 * tail) - rh * x.r.lo;
    const DoublePair& c = tables::logOfInverse[x.i - tables::firstLogIndex];
    const auto e = static_cast<double>(x.e);
    const DoubleDouble s1 = fastTwoSum(e * tables::ln2Parts[0], -c.hi);
    const DoubleDouble s2 = fastTwoSum(s1.hi, rh);
    const double lo = s2.lo + (s1.lo + ((e * tables::ln2Parts[1] - c.lo) + (x.r.lo + series)));
    return {s2.hi, lo, 0x1p-48 * rh * rh + 0x1p-80 * std::fabs(s2.hi) + 0x1p-52 * std::fabs(lo)};
}

bool isWhole(double y) {
    return std::floor(y) == y;
}

bool isOddWhole(double y) {
    return isWhole(y) && std::fabs(y) < 0x1p53 && static_cast<std::int64_t>(y) % 2 != 0;
}

/// x^y by products in double-double, for a whole |y| <= 16 and 2^-60 <= |x| <= 2^60
/// (nothing overflows or falls below the normal doubles): about 2^-100 from the exact power,
/// as the logarithm and exponential are, at a fraction of their cost. The grids' powers of
/// T are such.
double smallWholePower(double x, double y) {
    const double a = std::fabs(x);
    if (!(std::fabs(y) <= 16.0) || !isWhole(y) || !(a >= 0x1p-60 && a <= 0x1p60))
        return undecided;
    auto k = static_cast<int>(std::fabs(y));
    DoubleDouble power{1.0, 0.0};
    DoubleDouble square{x, 0.0};
    for (; k > 0; k >>= 1) {
        if ((k & 1) != 0)
            power = power * square;
        if (k > 1)
            square = square * square;
    }
    return rounded(y > 0.0 ? power : DoubleDouble{1.0, 0.0} / power);
}

/// x^y for x > 0 finite and y finite and not 0: e^(y ln x) with both steps in double-double,
/// from x's reduction and the plain-double approximation of ln x.
double powFromLog(const LogReduction& reduced, const Approximation& lnX, double y) {
    const double estimate = y * lnX.hi;
    if (estimate > 710.0)
        return infinity;
    if (estimate < -746.0)
        return 0.0;
    if (std::fabs(estimate) < 700.0) {
        DoubleDouble z = twoProduct(y, lnX.hi);
        z = fastTwoSum(z.hi, z.lo + y * lnX.lo);
        // The logarithm's bound times y, and the two roundings of the low part (ln x's own
        // low part is not small beside its high one: it holds the series).
        const double zError =
            std::fabs(y) * lnX.error + 0x1p-52 * std::fabs(y * lnX.lo) + 0x1p-100 * std::fabs(z.hi);
        if (const double fast = expFast(z, zError); decided(fast))
            return fast;
    }
    return roundedScaled(expScaled(reduceForExp(logOf(reduced) * y)));
}

double powPositive(double x, double y) {
    const LogReduction reduced = reduceForLog(x);
    return powFromLog(reduced, logApproximation(reduced), y);
}

bool isPositiveFinite(double x) {
    return x > 0.0 && x < infinity;
}

/// Whole exponents (read without a call to floor) go to the products, the rest to e^(y ln x).
bool isFractionalExponent(double y) {
    return std::fabs(y) < 0x1p62 && static_cast<double>(static_cast<std::int64_t>(y)) != y;
}

} // namespace

double log(double x) {
    if (std::isnan(x) || x == infinity)
        return x;
    if (x < 0.0)
        return notANumber;
    if (x == 0.0)
        return -infinity;
    const LogReduction reduced = reduceForLog(x);
    const Approximation fast = logApproximation(reduced);
    if (const double sure = roundedIfSure(fast.hi, fast.lo, fast.error); decided(sure))
        return sure;
    return rounded(logOf(reduced));
}

double exp(double x) {
    if (std::isnan(x))
        return x;
    // The largest term of a sum of exponentials, scaled by itself, and a law without
    // activation energy: e^0 is common, and 1 exactly.
    if (x == 0.0)
        return 1.0;
    if (x > 710.0)
        return infinity;
    if (x < -746.0)
        return 0.0;
    if (const double fast = expFast({x, 0.0}, 0.0); decided(fast))
        return fast;
    return roundedScaled(expScaled(reduceForExp({x, 0.0})));
}

double pow(double x, double y) {
    // The common case first, a positive base and a finite exponent.
    if (isPositiveFinite(x) && std::fabs(y) < 0x1p62) {
        if (isFractionalExponent(y))
            return powPositive(x, y);
        if (y == 0.0)
            return 1.0;
        if (y == 2.0)
            return x * x; // one rounding of the exact square
        if (const double power = smallWholePower(x, y); decided(power))
            return power;
        return powPositive(x, y);
    }
    if (y == 0.0 || x == 1.0)
        return 1.0;
    if (std::isnan(x) || std::isnan(y))
        return notANumber;
    if (const double power = smallWholePower(x, y); decided(power))
        return power;
    const bool negativeResult = std::signbit(x) && isOddWhole(y);
    if (x < 0.0 && !std::isinf(y) && !isWhole(y))
        return notANumber;
    const double a = std::fabs(x);
    double magnitude = 0.0;
    if (std::isinf(y))
        magnitude = a == 1.0 ? 1.0 : ((a > 1.0) == (y > 0.0) ? infinity : 0.0);
    else if (a == 0.0 || a == infinity)
        magnitude = (a == 0.0) == (y < 0.0) ? infinity : 0.0;
    else
        magnitude = powPositive(a, y);
    return negativeResult ? -magnitude : magnitude;
}

LogOfBase logOfBase(double x) {
    if (!isPositiveFinite(x))
        return {.x = x};
    const LogReduction reduced = reduceForLog(x);
    const Approximation lnX = logApproximation(reduced);
    return {x, reduced.e, reduced.i, reduced.r.hi, reduced.r.lo, lnX.hi, lnX.lo, lnX.error};
}

double powOfLog(const LogOfBase& base, double y) {
    // Only the fractional exponents of a positive base take the logarithm; pow itself
    // answers the rest, as cheaply as it would anyway.
    if (!isPositiveFinite(base.x) || !isFractionalExponent(y))
        return pow(base.x, y);
    return powFromLog({base.e, base.i, {base.rHi, base.rLo}}, {base.hi, base.lo, base.error}, y);
}

double expm1(double x) {
    if (std::isnan(x) || x == 0.0)
        return x;
    if (x > 60.0)
        return exp(x); // the 1 is far below half a unit in the last place
    if (x < -40.0)
        return -1.0; // e^x is far below half a unit of -1's last place
    if (std::fabs(x) < 0x1.6p-8)
        return rounded(expMinusOne({x, 0.0}));
    const Scaled s = expScaled(reduceForExp({x, 0.0}));
    const double scale = powerOfTwo(s.k);
    return rounded(DoubleDouble{s.m.hi * scale, s.m.lo * scale} + -1.0);
}

double log1p(double x) {
    if (std::isnan(x) || x == infinity || x == 0.0)
        return x;
    if (x < -1.0)
        return notANumber;
    if (x == -1.0)
        return -infinity;
    if (std::fabs(x) < 0.0055)
        return rounded(logOnePlusSmall({x, 0.0}));
    // 1 + x = u + w exactly, and ln(u + w) = ln u + ln(1 + w/u), |w/u| <= 2^-53.
    const DoubleDouble sum = twoSum(1.0, x);
    const double ratio = sum.lo / sum.hi;
    return rounded(logOf(reduceForLog(sum.hi)) + ratio * (1.0 - 0.5 * ratio));
}

double productError(double a, double b) {
    return twoProduct(a, b).lo;
}

} // namespace zorbel::exact
