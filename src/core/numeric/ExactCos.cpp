#include "numeric/DoubleDouble.h"
#include "numeric/ExactMath.h"
#include "numeric/ExactMathTables.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace zorbel::exact {

namespace {

DoubleDouble inverseFactorial(int k) {
    return {tables::inverseFactorial[k].hi, tables::inverseFactorial[k].lo};
}

/// The sums of (-r^2)^k / (2k)! and of r (-r^2)^k / (2k+1)! for |r| <= pi/4 + 2^-30, to the
/// last term above 2^-106 of the result.
DoubleDouble cosOfReduced(DoubleDouble r) {
    const DoubleDouble v = -(r * r);
    DoubleDouble sum = inverseFactorial(26);
    for (int k = 12; k >= 0; --k)
        sum = inverseFactorial(2 * k) + v * sum;
    return sum;
}

DoubleDouble sinOfReduced(DoubleDouble r) {
    const DoubleDouble v = -(r * r);
    DoubleDouble sum = inverseFactorial(27);
    for (int k = 12; k >= 0; --k)
        sum = inverseFactorial(2 * k + 1) + v * sum;
    return r * sum;
}

} // namespace

double cos(double x) {
    if (!std::isfinite(x))
        return std::numeric_limits<double>::quiet_NaN();
    if (std::fabs(x) >= 1e6)
        return std::cos(x);
    // x = n pi/2 + r, |r| <= pi/4: n times the first part of pi/2 is exact and near x.
    const double* part = tables::halfPi;
    const double n = nearestWhole(x * 0x1.45f306dc9c883p-1); // 2 / pi
    DoubleDouble r = twoSum(x - n * part[0], -(n * part[2]));
    r = r + -twoProduct(n, part[1]);
    switch (static_cast<std::int64_t>(n) & 3) {
    case 0:
        return rounded(cosOfReduced(r));
    case 1:
        return -rounded(sinOfReduced(r));
    case 2:
        return -rounded(cosOfReduced(r));
    default:
        return rounded(sinOfReduced(r));
    }
}

} // namespace zorbel::exact
