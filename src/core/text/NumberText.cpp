#include "text/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

namespace zorbel {

namespace {

constexpr int significantDigits = 15;

bool isSkippedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

/// A finite value's decimal form rounded to 15 significant digits: value = 0.d1d2...d15
/// times ten to (exponent + 1), that is d1.d2...d15 times ten to exponent.
struct Decimal {
    bool negative = false;
    std::string digits; // exactly 15 digits, the first not 0 unless the value is 0
    int exponent = 0;
};

Decimal toDecimal(double value) {
    Decimal d;
    d.negative = std::signbit(value) && value != 0.0;
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, std::fabs(value));
    // buffer: d.dddddddddddddde+XX
    d.digits.reserve(significantDigits);
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (isDigit(*p))
            d.digits.push_back(*p);
    }
    d.exponent = std::atoi(p + 1);
    if (value == 0.0)
        d.exponent = 0;
    return d;
}

std::string exponentText(int exponent) {
    std::string text = exponent < 0 ? "E-" : "E+";
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2)
        text += '0';
    return text + digits;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value))
        return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

/// The shared body of the plain and general forms: sign handled by the caller.
std::string unsignedShortest(double magnitude, bool zeroBeforePoint) {
    if (magnitude == 0.0)
        return "0";
    Decimal d = toDecimal(magnitude);
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int e = d.exponent;
    if (e < -4 || e > 14) {
        std::string text(1, digits[0]);
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1, std::string::npos);
        }
        return text + exponentText(e);
    }
    if (e < 0) {
        std::string text = zeroBeforePoint ? "0." : ".";
        text.append(static_cast<size_t>(-e - 1), '0');
        return text + digits;
    }
    const auto integerDigits = static_cast<size_t>(e) + 1;
    if (digits.size() <= integerDigits) {
        digits.append(integerDigits - digits.size(), '0');
        return digits;
    }
    return digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

/// Adds one unit at the last digit of a digit string; returns true when the carry
/// ran past the first digit (the string then gained a leading 1).
bool incrementDigits(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

struct Pattern {
    bool scientific = false;
    int decimals = 0;
};

std::optional<Pattern> parsePattern(std::string_view pattern) {
    if (pattern.empty())
        return std::nullopt;
    Pattern p;
    const size_t e = pattern.find_first_of("Ee");
    std::string_view mantissa = pattern.substr(0, e);
    p.scientific = e != std::string_view::npos;
    const size_t point = mantissa.find('.');
    if (point != std::string_view::npos)
        p.decimals = static_cast<int>(mantissa.size() - point - 1);
    return p;
}

std::string formatScientific(double value, int decimals) {
    Decimal d = toDecimal(value);
    const auto kept = static_cast<size_t>(decimals) + 1;
    std::string digits = d.digits.substr(0, std::min(kept, d.digits.size()));
    digits.append(kept - digits.size(), '0');
    int exponent = d.exponent;
    if (kept < d.digits.size() && d.digits[kept] >= '5' && value != 0.0) {
        if (incrementDigits(digits)) {
            digits.pop_back();
            ++exponent;
        }
    }
    std::string text = d.negative ? "-" : "";
    text += digits[0];
    if (decimals > 0) {
        text += '.';
        text.append(digits, 1, std::string::npos);
    }
    return text + exponentText(exponent);
}

std::string formatFixed(double value, int decimals) {
    Decimal d = toDecimal(value);
    // Digits kept: those whose place is 10^-decimals or larger.
    const long kept = static_cast<long>(d.exponent) + decimals + 1;
    std::string scaled; // the rounded value times 10^decimals, as a whole number
    if (value == 0.0 || kept < 0) {
        scaled = "0";
    } else if (kept == 0) {
        scaled = d.digits[0] >= '5' ? "1" : "0";
    } else if (static_cast<size_t>(kept) >= d.digits.size()) {
        scaled = d.digits;
        scaled.append(static_cast<size_t>(kept) - d.digits.size(), '0');
    } else {
        scaled = d.digits.substr(0, static_cast<size_t>(kept));
        if (d.digits[static_cast<size_t>(kept)] >= '5')
            incrementDigits(scaled);
    }
    const auto fraction = static_cast<size_t>(decimals);
    if (scaled.size() <= fraction)
        scaled.insert(0, fraction + 1 - scaled.size(), '0');
    std::string text = scaled.substr(0, scaled.size() - fraction);
    if (fraction > 0)
        text += "." + scaled.substr(scaled.size() - fraction);
    // A negative value keeps its sign even when every written digit is zero ("-0.000"),
    // as the scientific patterns do; only zero itself, of either sign, is written unsigned.
    return d.negative ? "-" + text : text;
}

/// Collects the characters of the leading number, blanks removed, in a form that
/// std::from_chars reads: optional '-', digits, '.', digits, 'e', sign, digits.
struct NumberScan {
    std::string chars;
    bool hasDigits = false;
    size_t consumed = 0; // characters of the input used, blanks included
};

/// Walks the characters of a number over the blanks that may stand anywhere inside it.
class NumberCursor {
public:
    explicit NumberCursor(std::string_view text) : text_(text) {}
    /// The next character that is not a blank, or '\0' at the end; the blanks are passed.
    char peek() {
        while (i_ < text_.size() && isSkippedBlank(text_[i_]))
            ++i_;
        return i_ < text_.size() ? text_[i_] : '\0';
    }
    char take() { return text_[i_++]; }
    /// Appends the digits that follow; false when there is none.
    bool takeDigits(std::string& out) {
        bool any = false;
        for (; isDigit(peek()); any = true)
            out += take();
        return any;
    }
    size_t position() const { return i_; }
    void rewind(size_t position) { i_ = position; }

private:
    std::string_view text_;
    size_t i_ = 0;
};

/// The exponent after a mantissa as "e", sign and digits; nothing when the letter is not
/// followed by digits, which then ends the number before the letter.
std::optional<std::string> scanExponent(NumberCursor& in) {
    const char letter = in.peek();
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd')
        return std::nullopt;
    const size_t start = in.position();
    in.take();
    std::string exponent = "e";
    if (const char sign = in.peek(); sign == '+' || sign == '-')
        exponent += in.take();
    if (in.takeDigits(exponent))
        return exponent;
    in.rewind(start);
    return std::nullopt;
}

NumberScan scanLeadingNumber(std::string_view text) {
    NumberCursor in(text);
    NumberScan scan;
    if (const char sign = in.peek(); (sign == '+' || sign == '-') && in.take() == '-')
        scan.chars += '-';
    scan.hasDigits = in.takeDigits(scan.chars);
    if (in.peek() == '.') {
        scan.chars += in.take();
        scan.hasDigits = in.takeDigits(scan.chars) || scan.hasDigits;
    }
    if (!scan.hasDigits)
        return scan;
    scan.consumed = in.position();
    if (const auto exponent = scanExponent(in)) {
        scan.chars += *exponent;
        scan.consumed = in.position();
    }
    return scan;
}

/// The power of ten of the first significant digit of scanned number characters (1234.5
/// gives 3, .0012 gives -3, 5E-7 gives -7), the exponent's digits read with saturation:
/// only its sign is wanted, to tell a number too large from one too small.
long long decimalMagnitude(const std::string& chars) {
    constexpr long long saturation = 1'000'000'000'000LL;
    size_t i = chars.starts_with('-') ? 1 : 0;
    long long magnitude = 0;
    bool significant = false;
    for (; i < chars.size() && isDigit(chars[i]); ++i) {
        if (significant)
            ++magnitude;
        else if (chars[i] != '0')
            significant = true;
    }
    if (i < chars.size() && chars[i] == '.') {
        for (++i; i < chars.size() && isDigit(chars[i]); ++i) {
            if (significant)
                continue;
            --magnitude;
            if (chars[i] != '0')
                significant = true;
        }
    }
    if (i < chars.size() && chars[i] == 'e') {
        ++i;
        const bool negativeExponent = i < chars.size() && chars[i] == '-';
        if (i < chars.size() && (chars[i] == '-' || chars[i] == '+'))
            ++i;
        long long exponent = 0;
        for (; i < chars.size() && isDigit(chars[i]); ++i)
            exponent = std::min(saturation, exponent * 10 + (chars[i] - '0'));
        magnitude += negativeExponent ? -exponent : exponent;
    }
    return magnitude;
}

} // namespace

std::optional<double> tryReadLeadingNumber(std::string_view text) {
    NumberScan scan = scanLeadingNumber(text);
    if (!scan.hasDigits)
        return std::nullopt;
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(std::to_address(scan.chars.begin()), std::to_address(scan.chars.end()),
                        value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone: tell overflow from underflow by the number's
        // size, not by its exponent's sign (".000...01" has none, "1000...0E-5" is large).
        const bool negative = scan.chars[0] == '-';
        if (decimalMagnitude(scan.chars) < 0)
            return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    if (error != std::errc())
        return std::nullopt;
    return value;
}

double readLeadingNumber(std::string_view text) {
    return tryReadLeadingNumber(text).value_or(0.0);
}

bool isWholeNumberText(std::string_view text) {
    NumberScan scan = scanLeadingNumber(text);
    if (!scan.hasDigits)
        return false;
    for (size_t i = scan.consumed; i < text.size(); ++i) {
        if (text[i] != ' ')
            return false;
    }
    return true;
}

std::string plainNumber(double value) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const bool negative = value < 0;
    return (negative ? "-" : " ") + unsignedShortest(std::fabs(value), false);
}

std::string generalNumber(double value) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const bool negative = value < 0;
    return (negative ? "-" : "") + unsignedShortest(std::fabs(value), true);
}

std::string countInParentheses(long long count) {
    return "(" + std::to_string(count) + ")";
}

std::string formatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    std::optional<Pattern> p = parsePattern(pattern);
    if (!p)
        return generalNumber(value);
    return p->scientific ? formatScientific(value, p->decimals) : formatFixed(value, p->decimals);
}

double roundThroughPattern(double value, std::string_view pattern) {
    return readLeadingNumber(formatNumber(value, pattern));
}

} // namespace zorbel
