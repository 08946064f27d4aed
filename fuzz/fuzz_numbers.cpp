// The number texts: any text reads without fault, and any double writes in every form
// and reads back as the digits written say it should.

#include "FuzzCheck.h"
#include "text/NumberText.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using zorbel::fuzz::fail;

struct Pattern {
    std::string_view text;
    bool scientific;
    int decimals;
};

constexpr Pattern patterns[] = {
    {"0.00000000E+00", true, 8}, {"0.000E+00", true, 3}, {"0.00E+00", true, 2},
    {"0.0E+00", true, 1},        {"0.0000", false, 4},   {"0.000", false, 3},
    {"0.00", false, 2},          {"0.0", false, 1},      {"0", false, 0},
};

std::string describe(double value, const std::string& text) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return std::string("value ") + buffer + " text \"" + text + "\"";
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void checkPatterns(double value) {
    for (const Pattern& p : patterns) {
        const std::string text = zorbel::formatNumber(value, p.text);
        if (!std::isfinite(value))
            continue;
        const double back = zorbel::readLeadingNumber(text);
        const double half = 0.5 * std::pow(10.0, -p.decimals);
        if (std::isinf(back)) {
            // Rounded up past the largest double: only values next to it get there.
            ZORBEL_FUZZ_CHECK(std::fabs(value) > 1.6e308, describe(value, text));
            continue;
        }
        // The rounding of the last written digit, plus the 15-digit form it is judged on.
        const double tolerance = p.scientific
                                     ? (half * 1.000001 + 1e-14) * std::fabs(value) + DBL_TRUE_MIN
                                     : half * 1.000001 + 1e-14 * std::fabs(value);
        ZORBEL_FUZZ_CHECK(std::fabs(back - value) <= tolerance, describe(value, text));
    }
    const std::string general = zorbel::formatNumber(value, "");
    ZORBEL_FUZZ_CHECK(general == zorbel::generalNumber(value), describe(value, general));
}

/// The smallest double whose 15-digit form, 1.79769313486232E+308, lies beyond DBL_MAX.
constexpr double smallestRoundingUp = 1.7976931348623151e308;

/// Fifteen significant digits: the text is the value to half a unit of its 15th digit,
/// and reading it back rounds once more, by half a unit of the double's last bit.
bool within15Digits(double back, double value) {
    return std::fabs(back - value) <= (5e-15 + DBL_EPSILON) * std::fabs(value) + DBL_TRUE_MIN;
}

void checkPlainForms(double value) {
    const std::string plain = zorbel::plainNumber(value);
    const std::string general = zorbel::generalNumber(value);
    if (!std::isfinite(value))
        return;
    ZORBEL_FUZZ_CHECK(plain.front() == (value < 0 ? '-' : ' '), describe(value, plain));
    ZORBEL_FUZZ_CHECK(!plain.starts_with(" 0.") && !plain.starts_with("-0."),
                      describe(value, plain));
    ZORBEL_FUZZ_CHECK(general.front() != ' ', describe(value, general));
    const double back = zorbel::readLeadingNumber(plain);
    if (std::isinf(back)) {
        // The top sliver of doubles rounds to 1.79769313486232E+308, beyond the largest
        // double: that text rightly reads as an infinity.
        ZORBEL_FUZZ_CHECK(std::fabs(value) >= smallestRoundingUp, describe(value, plain));
        return;
    }
    ZORBEL_FUZZ_CHECK(within15Digits(back, value), describe(value, plain));
    ZORBEL_FUZZ_CHECK(zorbel::readLeadingNumber(general) == back, describe(value, general));
    if (std::fabs(value) >= DBL_MIN) {
        // Fifteen digits survive a double: writing what was read gives the same text.
        ZORBEL_FUZZ_CHECK(zorbel::plainNumber(back) == plain, describe(value, plain));
    }
}

/// For a text made only of number characters, the reader agrees with the C library
/// (D read as E), overflow and underflow included.
void checkAgainstCLibrary(std::string_view text) {
    if (text.empty() || text.size() > 2000)
        return;
    std::string c;
    for (char ch : text) {
        if (ch == 'd' || ch == 'D')
            ch = 'e';
        if (!isDigit(ch) && ch != '.' && ch != '+' && ch != '-' && ch != 'e' && ch != 'E')
            return;
        c += ch;
    }
    char* end = nullptr;
    const double expected = std::strtod(c.c_str(), &end);
    const std::optional<double> read = zorbel::tryReadLeadingNumber(text);
    if (end == c.c_str()) {
        ZORBEL_FUZZ_CHECK(!read, describe(*read, std::string(text)));
        return;
    }
    ZORBEL_FUZZ_CHECK(read.has_value(), describe(expected, std::string(text)));
    ZORBEL_FUZZ_CHECK(*read == expected,
                      describe(*read, std::string(text)) + " expected " + describe(expected, c));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text = zorbel::fuzz::asText(data, size);
    // Reading, then writing what was read.
    const double value = zorbel::readLeadingNumber(text);
    (void)zorbel::isWholeNumberText(text);
    checkAgainstCLibrary(text);
    checkPlainForms(value);
    checkPatterns(value);
    // Any double at all, from the input's first eight bytes.
    if (size >= sizeof(double)) {
        double bits = 0.0;
        std::memcpy(&bits, data, sizeof bits);
        checkPlainForms(bits);
        checkPatterns(bits);
        (void)zorbel::roundThroughPattern(bits, "0.000E+00");
    }
    return 0;
}
