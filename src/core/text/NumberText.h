#pragma once
// Every number the program shows, writes or reads back goes through these functions.
// The reversal reads several results back from their texts, so the digits produced
// here are part of the computation, not only of the display.

#include <optional>
#include <string>
#include <string_view>

namespace zorbel {

/// Reads the longest decimal number at the start of a text. Blanks, tabs and line
/// feeds are skipped wherever they stand ("1 000" reads 1000); then an optional sign,
/// digits, an optional point and digits, and an optional exponent introduced by E or D.
/// Returns nothing when no digit forms a number ("", "abc", "-", ".").
/// An exponent too large gives an infinity, one too small gives 0.
std::optional<double> tryReadLeadingNumber(std::string_view text);

/// As tryReadLeadingNumber, with 0 for a text that holds no number.
double readLeadingNumber(std::string_view text);

/// True when the text, blanks removed, is one whole decimal number and nothing else.
bool isWholeNumberText(std::string_view text);

/// Plain number form: up to 15 significant digits, trailing zeros dropped, a leading
/// blank for a value that is not negative, no 0 before the point (" .5", "-2.5",
/// " 1E-05", " 1.5E+20"). Positional for decimal exponents -4 to 14.
std::string plainNumber(double value);

/// General number text: the plain form without the leading blank and with a 0 before
/// the point ("0.5", "-2.5", "1E-05").
std::string generalNumber(double value);

/// A count as it is shown in parentheses: "(52)".
std::string countInParentheses(long long count);

/// Writes a value with one of the number patterns "0.00000000E+00", "0.000E+00",
/// "0.00E+00", "0.0E+00" (scientific) or "0.0000", "0.000", "0.00", "0.0", "0"
/// (fixed). Rounds half away from zero, the half judged on the value's
/// 15-significant-digit decimal form. An empty pattern gives the general number text.
std::string formatNumber(double value, std::string_view pattern);

/// The value rounded to four significant digits as the "0.000E+00" pattern writes it,
/// read back: the rounding that species property texts carry.
double roundThroughPattern(double value, std::string_view pattern);

} // namespace zorbel
