#include "thermo/DecimalRounding.h"

#include "numeric/ExactMath.h"
#include "text/NumberText.h"
#include "thermo/ThermoTexts.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <optional>

namespace zorbel {

namespace {

// Every power of ten up to 1e22 is a double exactly; a product or quotient by one of
// them is then rounded once, to the nearest, as reading the decimal text would be.
constexpr double exactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int largestExactPower = 22;

/// A positive value's 15-significant-digit decimal form: digits (a whole number from
/// 1e14 to 1e15, the latter when rounding carried) times ten to (exponent - 14).
struct FifteenDigits {
    std::int64_t digits;
    int exponent;
};

/// The decimal form the text functions write, when it can be had exactly: the exact
/// product value * 10^(14 - e) is p + error (the error of the rounded product p is a
/// double, computed exactly), and with p below 2^50 the halves are doubles, so the nearest whole
/// number to the exact product, ties to even as the C library writes them, follows from p alone
/// except when p sits on a half, where the error's sign decides.
std::optional<FifteenDigits> fifteenDigits(double magnitude) {
    int e = static_cast<int>(std::floor(std::log10(magnitude)));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int shift = 14 - e;
        if (shift < 0 || shift > largestExactPower)
            return std::nullopt;
        const double scale = exactPowersOfTen[shift];
        const double p = magnitude * scale;
        if (p >= 1e15) {
            ++e;
            continue;
        }
        if (p < 1e14) {
            --e;
            continue;
        }
        const double error = exact::productError(magnitude, scale);
        double whole = std::floor(p);
        const double fraction = p - whole;
        const bool odd = static_cast<std::int64_t>(whole) % 2 != 0; // below 2^53: exact
        if (fraction > 0.5 || (fraction == 0.5 && (error > 0.0 || (error == 0.0 && odd))))
            whole += 1.0;
        return FifteenDigits{static_cast<std::int64_t>(whole), e};
    }
    return std::nullopt;
}

/// The double nearest to digits * 10^exponent, when the power is exact.
std::optional<double> scaledExactly(std::int64_t digits, int exponent) {
    const auto value = static_cast<double>(digits); // below 2^53: exact
    if (exponent >= 0 && exponent <= largestExactPower)
        return value * exactPowersOfTen[exponent];
    if (exponent < 0 && -exponent <= largestExactPower)
        return value / exactPowersOfTen[-exponent];
    return std::nullopt;
}

bool outsideShortcut(double value) {
    return !std::isfinite(value) || std::fabs(value) < DBL_MIN;
}

} // namespace

double throughGeneralNumber(double value) {
    if (value == 0.0)
        return 0.0; // the text "0" reads back as a positive zero
    if (outsideShortcut(value))
        return readLeadingNumber(generalNumber(value));
    const std::optional<FifteenDigits> d = fifteenDigits(std::fabs(value));
    if (!d)
        return readLeadingNumber(generalNumber(value));
    const std::optional<double> magnitude = scaledExactly(d->digits, d->exponent - 14);
    if (!magnitude)
        return readLeadingNumber(generalNumber(value));
    return value < 0 ? -*magnitude : *magnitude;
}

double throughFourDigitPattern(double value) {
    if (value == 0.0)
        return 0.0;
    if (outsideShortcut(value))
        return roundThroughPattern(value, texts::PropertyPattern);
    const std::optional<FifteenDigits> d = fifteenDigits(std::fabs(value));
    if (!d)
        return roundThroughPattern(value, texts::PropertyPattern);
    // The pattern keeps four digits and rounds up when the fifth is 5 or more.
    constexpr std::int64_t dropped = 100'000'000'000; // ten to the 11 digits dropped
    std::int64_t kept = (d->digits + dropped / 2) / dropped;
    int exponent = d->exponent;
    if (kept >= 10'000) {
        kept /= 10;
        ++exponent;
    }
    const std::optional<double> magnitude = scaledExactly(kept, exponent - 3);
    if (!magnitude)
        return roundThroughPattern(value, texts::PropertyPattern);
    return value < 0 ? -*magnitude : *magnitude;
}

} // namespace zorbel
