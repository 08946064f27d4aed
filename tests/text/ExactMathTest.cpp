// The elementary functions behind every written number, against the nearest doubles to the
// exact values (worked out to 300 bits with mpmath). The rows hold the edges the core can meet
// (1 and its neighbours, powers of two, subnormals, overflow, 0, negative, NaN, inf) and
// arguments where the C library of the machine that made this table missed the nearest
// double: those are the bits that used to differ between systems. The exact error of a
// product is checked the same way.
#include "numeric/ExactMath.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#ifdef ZORBEL_QUADMATH
#include <quadmath.h>
#endif

namespace zorbel {
namespace {

enum Function { log, exp, pow, expm1, log1p, cos, productError };

struct Row {
    Function function;
    double x;
    double y;
    double expected;
};

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

double evaluate(const Row& row) {
    switch (row.function) {
    case log:
        return exact::log(row.x);
    case exp:
        return exact::exp(row.x);
    case pow:
        return exact::pow(row.x, row.y);
    case expm1:
        return exact::expm1(row.x);
    case log1p:
        return exact::log1p(row.x);
    case cos:
        return exact::cos(row.x);
    case productError:
        return exact::productError(row.x, row.y);
    }
    return nan;
}

TEST(ExactMath, GivesTheNearestDoubleToTheExactValue) {
    const Row rows[] = {
        {log, 0x1.0000000000000p+0, 0x0.0p+0, 0x0.0p+0},
        {log, 0x1.0000000000000p+1, 0x0.0p+0, 0x1.62e42fefa39efp-1},
        {log, 0x1.0000000000000p-1, 0x0.0p+0, -0x1.62e42fefa39efp-1},
        {log, 0x1.0000000000001p+0, 0x0.0p+0, 0x1.fffffffffffffp-53},
        {log, 0x1.fffffffffffffp-1, 0x0.0p+0, -0x1.0000000000000p-53},
        {log, 0x1.6a09e667f3bcdp+0, 0x0.0p+0, 0x1.62e42fefa39f0p-2},
        {log, 0x1.6a09e667f3bcep+0, 0x0.0p+0, 0x1.62e42fefa39f3p-2},
        {log, 0x1.2a26666666666p+8, 0x0.0p+0, 0x1.6ca56cb1caa5bp+2},
        {log, 0x0.0000000000001p-1022, 0x0.0p+0, -0x1.74385446d71c3p+9},
        {log, 0x1.fffffffffffffp+1023, 0x0.0p+0, 0x1.62e42fefa39efp+9},
        {log, 0x0.0p+0, 0x0.0p+0, -inf},
        {log, -0x1.0000000000000p+0, 0x0.0p+0, nan},
        {log, inf, 0x0.0p+0, inf},
        {log, nan, 0x0.0p+0, nan},
        {exp, 0x0.0p+0, 0x0.0p+0, 0x1.0000000000000p+0},
        {exp, -0x0.0p+0, 0x0.0p+0, 0x1.0000000000000p+0},
        {exp, 0x1.0000000000000p+0, 0x0.0p+0, 0x1.5bf0a8b145769p+1},
        {exp, -0x1.b7cdfd9d7bdbbp-34, 0x0.0p+0, 0x1.ffffffff24190p-1},
        {exp, -0x1.37a0121b2a5ddp+9, 0x0.0p+0, 0x1.ca19966154da9p-900},
        {exp, -0x1.24b64171dbc29p+9, 0x0.0p+0, 0x1.549676cb2ccabp-845},
        {exp, 0x1.62e3d70a3d70ap+9, 0x0.0p+0, 0x1.fe9ce5c4c52b4p+1023},
        {exp, 0x1.6300000000000p+9, 0x0.0p+0, inf},
        {exp, -0x1.6240000000000p+9, 0x0.0p+0, 0x0.e6cf6d08897acp-1022},
        {exp, -0x1.7490a3d70a3d7p+9, 0x0.0p+0, 0x0.0000000000001p-1022},
        {exp, -0x1.7500000000000p+9, 0x0.0p+0, 0x0.0p+0},
        {exp, -inf, 0x0.0p+0, 0x0.0p+0},
        {exp, nan, 0x0.0p+0, nan},
        {pow, 0x1.0000000000000p+1, 0x1.0000000000000p-1, 0x1.6a09e667f3bcdp+0},
        {pow, 0x1.2c00000000000p+8, 0x1.55c28f5c28f5cp+1, 0x1.f5cac6109994ap+21},
        {pow, 0x1.946e98544dda4p+10, 0x1.d45e1acdfeda4p+0, 0x1.6ab57910bb08ap+19},
        {pow, 0x1.4f412aadd6546p+11, -0x1.7eb28ec183004p+0, 0x1.f6f3be8097fa3p-18},
        {pow, 0x1.0624dd2f1a9fcp-10, -0x1.8000000000000p+0, 0x1.ee1b1b3d78c7ap+14},
        {pow, 0x1.7490000000000p+11, 0x1.8000000000000p+1, 0x1.8a896a24c8000p+34},
        {pow, 0x1.7490000000000p+11, 0x1.0000000000000p+2, 0x1.1f16cdc493a84p+46},
        {pow, 0x1.930be0ded288dp-7, -0x1.0000000000000p+4, 0x1.6fe62593ef79dp+101},
        {pow, 0x1.000001ad7f29bp+0, 0x1.2a05f20000000p+33, inf},
        {pow, 0x1.0000000000000p+1, 0x1.ffc0000000000p+9, 0x1.6a09e667f3bcdp+1023},
        {pow, 0x1.0000000000000p+1, -0x1.0c80000000000p+10, 0x0.0000000000001p-1022},
        {pow, -0x1.0000000000000p+1, 0x1.8000000000000p+1, -0x1.0000000000000p+3},
        {pow, -0x1.0000000000000p+1, 0x1.0000000000000p-1, nan},
        {pow, 0x0.0p+0, -0x1.0000000000000p+0, inf},
        {pow, nan, 0x0.0p+0, 0x1.0000000000000p+0},
        {expm1, 0x1.56e1fc2f8f359p-997, 0x0.0p+0, 0x1.56e1fc2f8f359p-997},
        {expm1, -0x1.b7cdfd9d7bdbbp-34, 0x0.0p+0, -0x1.b7cdfd9d1d693p-34},
        {expm1, 0x1.47ae147ae147bp-8, 0x0.0p+0, 0x1.4880252961978p-8},
        {expm1, 0x1.1676e41c84790p-1, 0x0.0p+0, 0x1.7201e4b9fa55dp-1},
        {expm1, -0x1.9000000000000p+5, 0x0.0p+0, -0x1.0000000000000p+0},
        {expm1, 0x1.9000000000000p+9, 0x0.0p+0, inf},
        {log1p, 0x1.79ca10c924223p-67, 0x0.0p+0, 0x1.79ca10c924223p-67},
        {log1p, -0x1.0000000000000p-1, 0x0.0p+0, -0x1.62e42fefa39efp-1},
        {log1p, 0x1.0d685a64a9f47p-1, 0x0.0p+0, 0x1.b0eb3a3400b39p-2},
        {log1p, -0x1.4f6c481322388p-1, 0x0.0p+0, -0x1.10877de486575p+0},
        {log1p, -0x1.0000000000000p+0, 0x0.0p+0, -inf},
        {log1p, -0x1.0000000000000p+1, 0x0.0p+0, nan},
        {cos, 0x0.0p+0, 0x0.0p+0, 0x1.0000000000000p+0},
        {cos, 0x1.921fb54442d18p+0, 0x0.0p+0, 0x1.1a62633145c07p-54},
        {cos, 0x1.921fb54442d18p+1, 0x0.0p+0, -0x1.0000000000000p+0},
        {cos, 0x1.07fa37a29a15ep+1, 0x0.0p+0, -0x1.e34cd8f722f1fp-2},
        {cos, 0x1.40b93751e866fp+0, 0x0.0p+0, 0x1.402477a0a48f5p-2},
        {cos, -0x1.9100000000000p+6, 0x0.0p+0, 0x1.ebec72ba6b0ecp-1},
        // The error of a product by a power of ten, as the decimal rounding takes it: MinGW-w64's
        // fma gets these wrong.
        {productError, 0x1.3c8e1675ef691p-23, 0x1.6bcc41e900000p+46, 0x1.2254ebe400000p-31},
        {productError, 0x1.da3496587b78dp-10, 0x1.6bcc41e900000p+46, 0x1.17cdc55000000p-20},
        {productError, 0x1.c5c318d7f6047p+29, 0x1.6bcc41e900000p+46, 0x1.0be94f3e00000p+22},
    };
    for (const Row& row : rows) {
        const double got = evaluate(row);
        const std::string where = "function " + std::to_string(row.function) + " at " +
                                  std::to_string(row.x) + ", " + std::to_string(row.y);
        if (std::isnan(row.expected))
            EXPECT_TRUE(std::isnan(got)) << where;
        else
            EXPECT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(row.expected))
                << where << ": " << got << " instead of " << row.expected;
        // A power from the base's logarithm taken apart once is the same power to the bit.
        if (row.function == pow) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(exact::powOfLog(exact::logOfBase(row.x), row.y)),
                      std::bit_cast<std::uint64_t>(got))
                << where;
        }
    }
}

#ifdef ZORBEL_QUADMATH
// Arguments drawn as the program meets them (temperatures, rate exponents, ln k), against
// the 113-bit results rounded to a double: a wrong bit anywhere in the plain-double paths
// or their error bounds shows within a few thousand of them.
TEST(ExactMath, AgreesWithQuadPrecisionOverManyArguments) {
    std::mt19937_64 draw(29);
    std::uniform_real_distribution<double> temperature(200.0, 6000.0), exponent(-4.0, 4.0),
        logarithm(-700.0, 700.0), wide(-30.0, 30.0);
    int wrong = 0;
    for (int i = 0; i < 20000; ++i) {
        const double T = temperature(draw), n = exponent(draw), x = logarithm(draw);
        const double k = std::ldexp(1.0 + temperature(draw) / 6000.0, static_cast<int>(wide(draw)));
        wrong += exact::log(T) != static_cast<double>(logq(T));
        wrong += exact::log(k) != static_cast<double>(logq(k));
        wrong += exact::exp(x) != static_cast<double>(expq(x));
        wrong += exact::exp(x / 100.0) != static_cast<double>(expq(x / 100.0));
        wrong += exact::pow(T, n) != static_cast<double>(powq(T, n));
        wrong += exact::powOfLog(exact::logOfBase(T), n) != exact::pow(T, n);
        wrong += exact::expm1(x / 1000.0) != static_cast<double>(expm1q(x / 1000.0));
    }
    EXPECT_EQ(wrong, 0);
}
#endif

} // namespace
} // namespace zorbel
