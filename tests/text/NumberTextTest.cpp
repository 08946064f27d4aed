#include "text/NumberText.h"
#include "support/TestSupport.h"
#include "text/StringOps.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace zorbel {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

struct ReadCase {
    std::string text;
    std::optional<double> value;
};

TEST(LeadingNumberReading, ReadsTheLongestNumericPrefix) {
    const std::string zeros(400, '0');
    const ReadCase cases[] = {
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"E5", std::nullopt},
        {"1 000", 1000.0},
        {" 1\t0\n0 0", 1000.0},
        {"1.5D3", 1500.0},
        {"-.5e-2x", -0.005},
        {" .5", 0.5},
        {"- 7", -7.0},
        {"1.5E+20", 1.5e20},
        {"3.547E+15 -0.406", 3.547e15},
        {"12abc", 12.0},
        {"1E", 1.0},
        {"1.2.3", 1.2},
        {"5.", 5.0},
        {"1e400", std::numeric_limits<double>::infinity()},
        {"-1e400", -std::numeric_limits<double>::infinity()},
        {"1e-400", 0.0},
        {"\r5", std::nullopt}, // a carriage return is not skipped
        {"0", 0.0},
        {"-0", -0.0},
        // Beyond the doubles a number reads by its size, whatever the sign of its
        // exponent, or without one (fuzzing found ".000...01" read as an infinity, and
        // 597 digits then "e-000" read as 0).
        {"." + zeros + "1", 0.0},
        {"-0." + zeros + "1", -0.0},
        {"0." + zeros + "1E+5", 0.0},
        {"1" + zeros + "E-5", infinity},
        {"0.001E+400", infinity}, // a small mantissa, a large exponent with its sign or without
        {"0.001e400", infinity},
        {"-1" + zeros, -infinity},
        {"1" + zeros + "D-100", 1e300},
        {testing::readFile(testing::testData() / "hostile/number-large-with-negative-exponent.txt"),
         infinity},
        // Fifteen digits of the largest doubles round up past them.
        {"1.79769313486232E+308", infinity},
        {"-1.79769313486232E+308", -infinity},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 24) + " (" + std::to_string(c.text.size()) + " chars)");
        EXPECT_EQ(tryReadLeadingNumber(c.text), c.value);
        EXPECT_EQ(readLeadingNumber(c.text), c.value.value_or(0.0));
        EXPECT_EQ(std::signbit(readLeadingNumber(c.text)), std::signbit(c.value.value_or(0.0)));
    }
}

TEST(LeadingNumberReading, DecimalTextsToTheNearestDoubleAndWholeNumberTexts) {
    for (const auto& [text, value] :
         {std::pair{"0.1", 0.1}, {"1.9872", 1.9872}, {"82.058", 82.058}, {"3.512E+00", 3.512}})
        EXPECT_EQ(readLeadingNumber(text), value) << text;
    for (const char* number : {"50", " 12.7 ", "-1.5E+3"})
        EXPECT_TRUE(isWholeNumberText(number)) << number;
    // The second exponent is not part of the number.
    for (const char* notNumber : {"", "abc", "12abc", "1E", "1e-000e-000"})
        EXPECT_FALSE(isWholeNumberText(notNumber)) << notNumber;
}

struct FormCase {
    double value;
    const char* plain;
    const char* general;
};

TEST(NumberForms, PlainAndGeneralTexts) {
    const FormCase cases[] = {
        {0.0, " 0", "0"},
        {-0.0, " 0", "0"},
        {0.5, " .5", "0.5"},
        {-0.5, "-.5", "-0.5"},
        {300.0, " 300", "300"},
        {-2.5, "-2.5", "-2.5"},
        {1e-05, " 1E-05", "1E-05"},
        {1.5e20, " 1.5E+20", "1.5E+20"},
        {0.0001, " .0001", "0.0001"},
        {0.000099999, " 9.9999E-05", "9.9999E-05"},
        {1e15, " 1E+15", "1E+15"},
        {999999999999999.0, " 999999999999999", "999999999999999"},
        {1e14, " 100000000000000", "100000000000000"},
        {1.25e-300, " 1.25E-300", "1.25E-300"},
        {0.1, " .1", "0.1"},
        {1.0 / 3.0, " .333333333333333", "0.333333333333333"},
        {2.0 / 3.0, " .666666666666667", "0.666666666666667"},
        {545.4545454545455, " 545.454545454545", "545.454545454545"},
        {299.99999999999994, " 300", "300"},
        {9.9999999999999995e14, " 1E+15", "1E+15"},
        {1.9872000217437744, " 1.98720002174377", "1.98720002174377"},
        {DBL_MAX, " 1.79769313486232E+308", "1.79769313486232E+308"},
        {-std::nextafter(1.7976931348623151e308, 0.0), "-1.79769313486231E+308",
         "-1.79769313486231E+308"},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.plain);
        EXPECT_EQ(plainNumber(c.value), c.plain);
        EXPECT_EQ(generalNumber(c.value), c.general);
    }
}

TEST(NumberForms, CountsInParentheses) {
    EXPECT_EQ(countInParentheses(0) + countInParentheses(40000), "(0)(40000)");
}

struct PatternCase {
    double value;
    const char* pattern;
    const char* text;
};

TEST(NumberPatterns, ScientificAndFixedPatterns) {
    const PatternCase cases[] = {
        {2.5, "0.00000000E+00", "2.50000000E+00"},
        {1.0 / 3, "0.0000000000000000E+00", "3.3333333333333300E-01"}, // 15 digits, then zeros
        {3.547e15, "0.000E+00", "3.547E+15"},
        {3.51234, "0.000E+00", "3.512E+00"},
        {0.012345, "0.000E+00", "1.235E-02"}, // half at the last digit goes up
        {9.9995, "0.000E+00", "1.000E+01"},   // the carry moves the exponent
        {1.234e-100, "0.000E+00", "1.234E-100"},
        {1.234e100, "0.00E+00", "1.23E+100"},
        {0.001234, "0.0E+00", "1.2E-03"},
        {0.00125, "0.0E+00", "1.3E-03"},
        {1.0e12, "0.0E+00", "1.0E+12"},
        {1.0005, "0.000", "1.001"},
        {2.5, "0", "3"},
        {3.5, "0", "4"},
        {0.4, "0", "0"},
        {-0.406, "0.000", "-0.406"},
        {0.0005, "0.000", "0.001"},
        {16599.0, "0.0", "16599.0"},
        {-133.66, "0.0", "-133.7"},
        {99.995, "0.00", "100.00"},
        {1.5e20, "0.00", "150000000000000000000.00"},
        {123.456789, "0.0000", "123.4568"},
        {1e-20, "0.0", "0.0"},
        {0.05, "0.0", "0.1"},
        {0.15, "0.0", "0.2"}, // 0.15 is 0.1499999... in binary but 0.150000000000000 in 15 digits
    };
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " " + c.text);
        EXPECT_EQ(formatNumber(c.value, c.pattern), c.text);
    }
}

// Just below and just above half of the last written digit, for every pattern: the
// rounded digits of a negative value are those of its magnitude after a minus sign, also
// when they are all zero. Zero itself, of either sign, has no sign.
TEST(NumberPatterns, SignAtTheRoundingBoundary) {
    struct Boundary {
        const char* pattern;
        double below, above;
        const char *belowText, *aboveText;
    };
    const Boundary cases[] = {
        {"0.00000000E+00", 1.000000004999, 1.000000005001, "1.00000000E+00", "1.00000001E+00"},
        {"0.000E+00", 1.0004999, 1.0005001, "1.000E+00", "1.001E+00"},
        {"0.00E+00", 1.004999, 1.005001, "1.00E+00", "1.01E+00"},
        {"0.0E+00", 1.04999, 1.05001, "1.0E+00", "1.1E+00"},
        {"0.0000", 0.00004999, 0.00005001, "0.0000", "0.0001"},
        {"0.000", 0.0004999, 0.0005001, "0.000", "0.001"},
        {"0.00", 0.004999, 0.005001, "0.00", "0.01"},
        {"0.0", 0.04999, 0.05001, "0.0", "0.1"},
        {"0", 0.4999, 0.5001, "0", "1"},
    };
    for (const Boundary& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(formatNumber(c.below, c.pattern), c.belowText);
        EXPECT_EQ(formatNumber(-c.below, c.pattern), std::string("-") + c.belowText);
        EXPECT_EQ(formatNumber(c.above, c.pattern), c.aboveText);
        EXPECT_EQ(formatNumber(-c.above, c.pattern), std::string("-") + c.aboveText);
        EXPECT_EQ(formatNumber(-0.0, c.pattern), formatNumber(0.0, c.pattern));
        EXPECT_EQ(formatNumber(-0.0, c.pattern).front(), '0');
    }
}

TEST(NumberPatterns, EmptyPatternGivesTheGeneralText) {
    EXPECT_EQ(formatNumber(1.02731e13, ""), "10273100000000");
    EXPECT_EQ(formatNumber(-0.015, ""), "-0.015");
    EXPECT_EQ(formatNumber(1.5e20, ""), "1.5E+20");
}

// Letters at the edges of their ranges; replacements at either end or overlapping.
TEST(TextEdits, AtTheEdgesOfTheirRanges) {
    EXPECT_EQ(toUpperAscii("`az{ @AZ[ 9\xe9"), "`AZ{ @AZ[ 9\xe9");
    for (const char c : std::string_view("AZaz@[`{09 \xc1"))
        EXPECT_EQ(isAsciiLetter(c), std::isalpha(static_cast<unsigned char>(c)) != 0) << c;
    const std::array<const char*, 4> replaced[] = {
        {"aaa", "aa", "b", "ba"}, {"+a+", "+", "", "a"}, {"abc", "", "x", "abc"}};
    for (const auto& [text, from, to, expected] : replaced)
        EXPECT_EQ(replaceAll(text, from, to), expected) << text << " " << from;
}

} // namespace
} // namespace zorbel
