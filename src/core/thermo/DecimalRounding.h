#pragma once
// Numeric shortcuts for two text round trips the reversal makes at every species and
// temperature. Each gives, bit for bit, the double the text path gives; values outside
// the range where that is proven (the usual magnitudes of temperatures and properties)
// take the text path itself.

namespace zorbel {

/// The same double as readLeadingNumber(generalNumber(value)): the value as a box holding
/// its general number text reads it back (15 significant digits).
double throughGeneralNumber(double value);

/// The same double as roundThroughPattern(value, "0.000E+00"): four significant digits,
/// halves away from zero, the half judged on the 15-digit decimal form.
double throughFourDigitPattern(double value);

} // namespace zorbel
