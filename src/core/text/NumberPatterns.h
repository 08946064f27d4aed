#pragma once
// The number patterns the program writes with (see formatNumber).

#include <string_view>

namespace zorbel::texts {

/// Polynomial coefficients, as the coefficient boxes show them.
inline constexpr std::string_view CoefficientPattern = "0.00000000E+00";
/// Scientific patterns of pre-exponential factors; the first also rounds property values
/// to four significant digits, the last writes the error measure S.
inline constexpr std::string_view AThreeDecimals = "0.000E+00";
inline constexpr std::string_view ATwoDecimals = "0.00E+00";
inline constexpr std::string_view AOneDecimal = "0.0E+00";
/// Fixed-point patterns of temperature exponents and activation energies.
inline constexpr std::string_view FixedFourDecimals = "0.0000";
inline constexpr std::string_view FixedThreeDecimals = "0.000";
inline constexpr std::string_view FixedTwoDecimals = "0.00";
inline constexpr std::string_view FixedOneDecimal = "0.0";
inline constexpr std::string_view WholeNumber = "0";

/// Species properties carry four significant digits.
inline constexpr std::string_view PropertyPattern = AThreeDecimals;
/// The error measure S of a fit.
inline constexpr std::string_view ErrorMeasurePattern = AOneDecimal;

} // namespace zorbel::texts
