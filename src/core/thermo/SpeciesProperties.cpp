#include "thermo/SpeciesProperties.h"

#include "numeric/ExactMath.h"
#include "text/NumberText.h"
#include "thermo/DecimalRounding.h"
#include "thermo/ThermoTexts.h"

#include <cmath>

namespace zorbel {

namespace {

enum class RangeChoice { None, Outside, Lower, Upper, Both };

/// Which coefficients a temperature takes. A zero temperature shows nothing (an empty
/// box reads as zero); the common temperature belongs to both ranges and shows the
/// upper value first.
RangeChoice chooseRange(const Polynomials& p, double t) {
    if (t == 0.0)
        return RangeChoice::None;
    if (p.tLow <= t && t < p.tCommon)
        return RangeChoice::Lower;
    if (p.tCommon < t && t <= p.tHigh)
        return RangeChoice::Upper;
    if (t == p.tCommon)
        return RangeChoice::Both;
    return RangeChoice::Outside;
}

} // namespace

bool withinRange(const Polynomials& p, double t) {
    const RangeChoice choice = chooseRange(p, t);
    return choice != RangeChoice::None && choice != RangeChoice::Outside;
}

Polynomials polynomialsFromTexts(std::string_view tLow, std::string_view tHigh,
                                 std::string_view tCommon,
                                 const std::array<std::string, 14>& coefficientTexts) {
    Polynomials p{};
    p.tLow = readLeadingNumber(tLow);
    p.tHigh = readLeadingNumber(tHigh);
    p.tCommon = readLeadingNumber(tCommon);
    for (std::size_t i = 0; i < 7; ++i) {
        p.upper[i] = readLeadingNumber(coefficientTexts[i]);
        p.lower[i] = readLeadingNumber(coefficientTexts[7 + i]);
    }
    return p;
}

Polynomials polynomialsOf(const SpeciesRecord& record) {
    return polynomialsFromTexts(record.TLow, record.THigh, record.TCommon, record.coefficientTexts);
}

TemperaturePowers powersOf(double t) {
    return {t, exact::pow(t, 2), exact::pow(t, 3), exact::pow(t, 4), exact::log(t), 1.0 / t};
}

double propertyValue(const std::array<double, 7>& a, Property property, double t) {
    return propertyValue(a, property, powersOf(t));
}

double propertyValue(const std::array<double, 7>& a, Property property,
                     const TemperaturePowers& powers) {
    const auto& [t, t2, t3, t4, lnT, invT] = powers;
    static_cast<void>(invT);
    switch (property) {
    case Property::Cp:
        return a[0] + a[1] * t + a[2] * t2 + a[3] * t3 + a[4] * t4;
    case Property::H:
        return a[0] + a[1] * t / 2 + (a[2] / 3) * t2 + (a[3] / 4) * t3 + (a[4] / 5) * t4 + a[5] / t;
    case Property::S:
        return a[0] * lnT + a[1] * t + (a[2] / 2) * t2 + (a[3] / 3) * t3 + (a[4] / 4) * t4 + a[6];
    }
    return 0.0;
}

std::string propertyText(double value) {
    if (!std::isfinite(value))
        return plainNumber(value);
    return plainNumber(roundThroughPattern(value, texts::PropertyPattern));
}

PropertyDisplay displayProperty(const Polynomials& p, Property property,
                                std::string_view temperatureText) {
    const double t = readLeadingNumber(temperatureText);
    switch (chooseRange(p, t)) {
    case RangeChoice::None:
        return {};
    case RangeChoice::Outside:
        return {std::string(texts::OutOfRange), std::nullopt};
    case RangeChoice::Lower:
        return {propertyText(propertyValue(p.lower, property, t)), std::nullopt};
    case RangeChoice::Upper:
        return {propertyText(propertyValue(p.upper, property, t)), std::nullopt};
    case RangeChoice::Both:
        return {propertyText(propertyValue(p.upper, property, t)),
                propertyText(propertyValue(p.lower, property, t))};
    }
    return {};
}

std::optional<double> propertyReadBack(const Polynomials& p, Property property,
                                       double temperature) {
    return propertyReadBackAt(p, property, powersOf(throughGeneralNumber(temperature)));
}

std::optional<double> propertyExactAt(const Polynomials& p, Property property,
                                      const TemperaturePowers& powers) {
    double value = 0.0;
    switch (chooseRange(p, powers.t)) {
    case RangeChoice::None:
    case RangeChoice::Outside:
        return std::nullopt;
    case RangeChoice::Lower:
        value = propertyValue(p.lower, property, powers);
        break;
    case RangeChoice::Upper:
    case RangeChoice::Both:
        value = propertyValue(p.upper, property, powers);
        break;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> propertyReadBackAt(const Polynomials& p, Property property,
                                         const TemperaturePowers& readBack) {
    const std::optional<double> exact = propertyExactAt(p, property, readBack);
    if (!exact)
        return std::nullopt;
    const double value = *exact;
    // The double the box's text reads back as: a four-digit value survives the box's plain
    // number form, subnormal ones too (their spacing is far wider than 15 digits).
    const double rounded = throughFourDigitPattern(value);
    if (!std::isfinite(rounded))
        return std::nullopt; // rounding up overflowed: the box shows "Infinity"
    return rounded;
}

} // namespace zorbel
