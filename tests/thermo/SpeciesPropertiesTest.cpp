// The properties a species' polynomials give (Cp/R, H/RT, S/R), in the texts the panel
// shows, and the coefficients read back from their texts to the bit.

#include "thermo/SpeciesProperties.h"
#include "text/NumberText.h"
#include "thermo/DecimalRounding.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zorbel {
namespace {

/// Cp/R is 2 in the lower range and 3 in the upper one, over 300..1000..5000 K.
Polynomials twoRanges() {
    Polynomials p{};
    p.tLow = 300;
    p.tHigh = 5000;
    p.tCommon = 1000;
    p.lower[0] = 2;
    p.upper[0] = 3;
    return p;
}

TEST(SpeciesPropertiesTest, TheTemperatureChoosesTheRange) {
    struct Case {
        const char* typed;
        const char* main;
        std::optional<std::string> lower;
    };
    const Case cases[] = {
        {"300", " 2", std::nullopt},  // the low limit takes the lower range
        {"1000", " 3", " 2"},         // the common temperature shows both, upper first
        {"5000", " 3", std::nullopt}, // the high limit takes the upper range
        {"299.99", "xxx", std::nullopt},
        {"-300", "xxx", std::nullopt},
        {"0", "", std::nullopt}, // zero shows nothing, never "xxx"
        {"abc", "", std::nullopt},
        {" 1 000 K", " 3", " 2"}, // the leading number, blanks skipped
        {"3e2", " 2", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const PropertyDisplay shown = displayProperty(twoRanges(), Property::Cp, c.typed);
        EXPECT_EQ(shown.main, c.main);
        EXPECT_EQ(shown.lower, c.lower);
    }
}

TEST(SpeciesPropertiesTest, FourSignificantDigitsInPlainForm) {
    const std::pair<double, const char*> cases[] = {
        {3.51234, " 3.512"}, {0.012345, " .01235"},      {12345.6, " 12350"},
        {0.99996, " 1"},     {-0.00012345, "-.0001235"}, {1.23456e-7, " 1.235E-07"},
        {0.0, " 0"},
    };
    for (const auto& [value, shown] : cases) {
        Polynomials p = twoRanges();
        p.upper[0] = value;
        EXPECT_EQ(displayProperty(p, Property::Cp, "2000").main, shown) << value;
    }
    EXPECT_EQ(propertyText(std::nan("")), "NaN");
}

TEST(SpeciesPropertiesTest, TheThreePolynomials) {
    // One coefficient at a time, against the formulas written out by hand.
    const double t = 1500;
    struct Case {
        int coefficient;
        double cp, h, s;
    };
    const Case cases[] = {
        {0, 1, 1, std::log(t)},
        {1, t, t / 2, t},
        {2, t * t, t * t / 3, t * t / 2},
        {3, t * t * t, t * t * t / 4, t * t * t / 3},
        {4, t * t * t * t, t * t * t * t / 5, t * t * t * t / 4},
        {5, 0, 1 / t, 0},
        {6, 0, 0, 1},
    };
    for (const Case& c : cases) {
        std::array<double, 7> a{};
        a[static_cast<std::size_t>(c.coefficient)] = 1;
        EXPECT_DOUBLE_EQ(propertyValue(a, Property::Cp, t), c.cp) << c.coefficient;
        EXPECT_DOUBLE_EQ(propertyValue(a, Property::H, t), c.h) << c.coefficient;
        EXPECT_DOUBLE_EQ(propertyValue(a, Property::S, t), c.s) << c.coefficient;
    }
}

// An empty box, or one that holds no number, counts as 0.
TEST(SpeciesPropertiesTest, CoefficientsAreReadBackFromTheirTexts) {
    SpeciesRecord record;
    record.TLow = " 300";
    record.THigh = " 5000";
    record.TCommon = " 1000";
    record.coefficientTexts = {"1.23456790E+00", "", "", "", "", "", "", "", "ABC"};
    const Polynomials p = polynomialsOf(record);
    EXPECT_EQ(p.upper[0], 1.2345679);
    EXPECT_EQ(p.lower[0] + p.lower[1], 0.0);
    EXPECT_EQ(p.tCommon, 1000.0);
}

std::uint64_t bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

/// Values where a shortcut could slip: random magnitudes, the halves of the four-digit
/// rounding and their neighbours, exact ties at the fifteenth digit, powers of ten, and
/// whatever random bits give (the extremes take the text path).
std::vector<double> awkwardValues() {
    std::vector<double> values;
    std::mt19937_64 random(20040901);
    std::uniform_real_distribution<double> exponent(-12.0, 18.0);
    for (int i = 0; i < 250000; ++i) {
        const double v = std::pow(10.0, exponent(random));
        values.push_back(i % 2 ? v : -v);
    }
    std::uniform_int_distribution<int> mantissa(1000, 9999);
    std::uniform_int_distribution<int> power(-12, 16);
    for (int i = 0; i < 25000; ++i) {
        double half = (mantissa(random) + 0.5) * std::pow(10.0, power(random) - 3);
        for (int step = 0; step < 4; ++step)
            half = std::nextafter(half, 0.0);
        for (int step = 0; step < 8; ++step) {
            values.push_back(half);
            half = std::nextafter(half, HUGE_VAL);
        }
    }
    for (int k = -30; k <= 30; ++k) {
        double p = std::pow(10.0, k);
        for (int step = 0; step < 4; ++step)
            p = std::nextafter(p, 0.0);
        for (int step = 0; step < 8; ++step) {
            values.push_back(p);
            p = std::nextafter(p, HUGE_VAL);
        }
    }
    for (double tie : {617283945061727.5, 617283945061726.5, 123449999999999.5, 123450000000000.5,
                       1000000000000005.0, 99999999999999.95})
        values.push_back(tie);
    for (int i = 0; i < 60000; ++i) {
        const double v = std::bit_cast<double>(random());
        if (!std::isnan(v))
            values.push_back(v);
    }
    for (double v : {0.0, -0.0, DBL_MIN, -DBL_MIN, DBL_TRUE_MIN, DBL_MAX, -DBL_MAX, HUGE_VAL})
        values.push_back(v);
    return values;
}

TEST(DecimalRoundingTest, ShortcutsGiveTheTextPathsDoubles) {
    int mismatches = 0;
    for (double v : awkwardValues()) {
        const double general = readLeadingNumber(generalNumber(v));
        const double pattern = roundThroughPattern(v, "0.000E+00");
        if (bits(throughGeneralNumber(v)) != bits(general) ||
            bits(throughFourDigitPattern(v)) != bits(pattern)) {
            ADD_FAILURE() << "value " << generalNumber(v) << " (" << bits(v) << ")";
            if (++mismatches > 10)
                return;
        }
    }
}

TEST(SpeciesPropertiesTest, ReadBackOfBoxesThatHoldNoNumber) {
    const Polynomials p = twoRanges();
    EXPECT_FALSE(propertyReadBack(p, Property::Cp, 0.0));
    EXPECT_FALSE(propertyReadBack(p, Property::Cp, 299.0));
    EXPECT_FALSE(propertyReadBack(p, Property::Cp, HUGE_VAL));
    EXPECT_EQ(propertyReadBack(p, Property::Cp, 1000.0), 3.0); // the upper value
    Polynomials huge = p;
    huge.upper[0] = DBL_MAX; // rounds up beyond a double: the box shows "Infinity"
    EXPECT_EQ(displayProperty(huge, Property::Cp, "2000").main, "Infinity");
    EXPECT_FALSE(propertyReadBack(huge, Property::Cp, 2000.0));
}

} // namespace
} // namespace zorbel
