#pragma once
// Cp/R, H/RT and S/R of a species from its two NASA polynomials, and the texts the
// property boxes show. The reversal reads H/RT and S/R back from those texts, so their
// four-digit rounding is part of its result.

#include "thermo/SpeciesRecord.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zorbel {

enum class Property { Cp, H, S };

/// A record's numbers, read back from its texts: the coefficients carry the nine
/// significant digits their boxes show.
struct Polynomials {
    double tLow, tHigh, tCommon;        ///< [K]
    std::array<double, 7> upper, lower; ///< a1 to a7 of tCommon..tHigh and tLow..tCommon
};

Polynomials polynomialsOf(const SpeciesRecord& record);

/// The same from the texts themselves (the window's boxes hold these).
Polynomials polynomialsFromTexts(std::string_view tLow, std::string_view tHigh,
                                 std::string_view tCommon,
                                 const std::array<std::string, 14>& coefficientTexts);

/// What the property boxes show for a typed temperature. main: "" for a zero or
/// non-numeric temperature, "xxx" outside the species' range, the value otherwise;
/// lower: the lower-range value, shown only at the common temperature.
struct PropertyDisplay {
    std::string main;
    std::optional<std::string> lower;
};

PropertyDisplay displayProperty(const Polynomials& p, Property property,
                                std::string_view temperatureText);

/// The number the reversal reads back from the main box after writing the
/// temperature's general number text into the temperature box: nothing when the box
/// shows "xxx", is empty, or holds no number (a value beyond the range of a double).
/// Equal to readLeadingNumber(displayProperty(p, property, generalNumber(t)).main)
/// whenever that text is a number, without writing any text.
std::optional<double> propertyReadBack(const Polynomials& p, Property property, double temperature);

/// A temperature [K] and the powers the polynomials take of it: a grid computes them once
/// for every species evaluated over it.
struct TemperaturePowers {
    double t, t2, t3, t4, lnT;
    double invT; ///< 1/t; the properties divide by t themselves, to the same last digit
};
TemperaturePowers powersOf(double t);

/// True when a temperature [K] lies within the species' range, where its polynomials apply.
bool withinRange(const Polynomials& p, double t);

/// The property at full double precision, without the boxes' text and its four digits:
/// nothing outside the species' range or for a value that is not finite. The common
/// temperature takes the upper range. propertyReadBackAt rounds this value.
std::optional<double> propertyExactAt(const Polynomials& p, Property property,
                                      const TemperaturePowers& powers);

/// propertyReadBack with the temperature's powers given, the temperature itself already
/// read back from its general number text (throughGeneralNumber).
std::optional<double> propertyReadBackAt(const Polynomials& p, Property property,
                                         const TemperaturePowers& readBack);

/// The dimensionless property of one range's coefficients at temperature t [K],
/// unrounded.
double propertyValue(const std::array<double, 7>& a, Property property, double t);
double propertyValue(const std::array<double, 7>& a, Property property,
                     const TemperaturePowers& powers);

/// The text a property box shows for a value: four significant digits in plain number
/// form (" 3.512", " .01235"); "NaN" or "Infinity" for a value that is not finite.
std::string propertyText(double value);

} // namespace zorbel
