// Inputs the fuzz targets found faults with, kept so that the faults stay fixed.

#include "support/TestSupport.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace zorbel {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

TEST(FuzzFindings, ANumberBeyondTheDoublesReadsByItsSizeNotByItsExponentSign) {
    // Numbers too small read as 0 and too large as an infinity, whatever the sign of
    // their exponent, or without one: ".000...01" once read as an infinity.
    const std::string zeros(400, '0');
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"." + zeros + "1", 0.0},
        {"-0." + zeros + "1", -0.0},
        {"0." + zeros + "1E+5", 0.0},
        {"1" + zeros + "E-5", infinity},
        {"-1" + zeros, -infinity},
        {"1" + zeros + "D-100", 1e300},
        {"1E-400", 0.0},
        {"-1E+400", -infinity},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 12) + "... (" + std::to_string(c.text.size()) + " chars)");
        const std::optional<double> read = tryReadLeadingNumber(c.text);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, c.value);
        EXPECT_EQ(std::signbit(*read), std::signbit(c.value));
    }
}

TEST(FuzzFindings, ALargeNumberWithANegativeExponentIsNotZero) {
    // The number fuzzer's own find: a number of 597 digits, then "e-000", once read as 0
    // because its exponent carried a minus sign.
    const std::string text =
        testing::readFile(testing::testData() / "hostile/number-large-with-negative-exponent.txt");
    ASSERT_EQ(text.size(), 607U);
    EXPECT_EQ(readLeadingNumber(text), infinity);
    EXPECT_FALSE(isWholeNumberText(text)); // the second exponent is not part of the number
}

TEST(FuzzFindings, TheLargestDoublesWriteATextBeyondThemAndReadBackAsInfinity) {
    // Fifteen digits of DBL_MAX round up past it: the text is right, and reading it gives
    // what any reader gives for a number beyond the doubles.
    EXPECT_EQ(plainNumber(DBL_MAX), " 1.79769313486232E+308");
    EXPECT_EQ(readLeadingNumber(plainNumber(DBL_MAX)), infinity);
    EXPECT_EQ(readLeadingNumber(generalNumber(-DBL_MAX)), -infinity);
    // The double just below the rounding point still reads back within its digits.
    const double below = std::nextafter(1.7976931348623151e308, 0.0);
    EXPECT_EQ(plainNumber(below), " 1.79769313486231E+308");
    EXPECT_NEAR(readLeadingNumber(plainNumber(below)) / below, 1.0, 6e-15);
}

} // namespace
} // namespace zorbel
