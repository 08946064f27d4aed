#include "mechanism/ParsedReaction.h"

#include "mechanism/MechanismTexts.h"
#include "text/ChemkinKeywords.h"
#include "text/NumberText.h"
#include "text/StringOps.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace zorbel {

namespace {

constexpr char blank = ' ';
constexpr char plus = '+';
constexpr char reversibleSideEnd = '<';
constexpr char irreversibleSideEnd = '|';
constexpr char productSideStart = '>';
constexpr char minus = '-';
constexpr char decimalPoint = '.';

/// The species texts of one side, split at every "+"; nothing when a text is empty
/// (an empty side, "A++B", a trailing "+"), which no slot can show sensibly.
std::optional<std::vector<std::string>> speciesOf(std::string_view side) {
    std::vector<std::string> species;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = side.find(plus, start);
        const std::string_view text = side.substr(start, end - start);
        if (text.empty())
            return std::nullopt;
        species.emplace_back(text);
        if (end == std::string_view::npos)
            return species;
        start = end + 1;
    }
}

/// One number and nothing else: the number reader would skip a blank or a tab inside.
bool isOneNumber(std::string_view text) {
    return text.find_first_of(" \t") == std::string_view::npos && isWholeNumberText(text);
}

std::string quotedFault(std::string_view field, std::string_view text, std::string_view fault) {
    return std::string(field) + " \"" + std::string(text) + "\"" + std::string(fault);
}

ParsedReaction failed(ParsedReaction parsed) {
    parsed.Failed = true;
    parsed.Slots.fill(std::string(texts::FailedSlotMark));
    return parsed;
}

/// Splits the equation from the three coefficient texts at the line's first three
/// blanks; nothing when there are fewer.
std::optional<std::string_view> readCoefficients(std::string_view line, ParsedReaction& parsed) {
    const std::size_t s1 = line.find(blank);
    const std::size_t s2 = s1 == std::string::npos ? s1 : line.find(blank, s1 + 1);
    const std::size_t s3 = s2 == std::string::npos ? s2 : line.find(blank, s2 + 1);
    if (s3 == std::string::npos)
        return std::nullopt;
    parsed.AText = line.substr(s1 + 1, s2 - s1 - 1);
    parsed.NText = line.substr(s2 + 1, s3 - s2 - 1);
    parsed.EaText = line.substr(s3 + 1);
    parsed.coefficientsRead = true;
    return line.substr(0, s1);
}

/// Puts the equation's species in the six slots; false when a side is missing or holds
/// more species than its three slots.
bool fillSlots(std::string_view equation, ParsedReaction& parsed) {
    // A line listed only because a comment holds "=>" has no arrow in its equation.
    const std::size_t reactantEnd =
        equation.find(parsed.Irreversible ? irreversibleSideEnd : reversibleSideEnd);
    const std::size_t productStart = equation.find(productSideStart);
    if (reactantEnd == std::string_view::npos || productStart == std::string_view::npos)
        return false;
    const auto reactants = speciesOf(equation.substr(0, reactantEnd));
    const auto products = speciesOf(equation.substr(productStart + 1));
    if (!reactants || !products || reactants->size() > SideCapacity ||
        products->size() > SideCapacity)
        return false;
    parsed.Slots.fill(std::string(texts::EmptySlotMark));
    // Reactants take the last slots of their three, products the first of theirs.
    std::copy(reactants->begin(), reactants->end(),
              parsed.Slots.begin() + static_cast<std::ptrdiff_t>(SideCapacity - reactants->size()));
    std::copy(products->begin(), products->end(),
              parsed.Slots.begin() + static_cast<std::ptrdiff_t>(SideCapacity));
    return true;
}

} // namespace

ParsedReaction parseReaction(std::string_view entry) {
    ParsedReaction parsed;
    std::string line(entry);
    // A falloff partner splits off as a species text of its own.
    line = replaceAll(line, texts::FalloffOpening, texts::FalloffSplit);
    parsed.Irreversible = line.find(texts::ReversibleArrow) == std::string::npos;
    if (parsed.Irreversible)
        line = replaceAll(line, texts::IrreversibleArrow, texts::MarkedIrreversibleArrow);
    const auto equation = readCoefficients(line, parsed);
    if (!equation || !fillSlots(*equation, parsed))
        return failed(std::move(parsed));
    return parsed;
}

std::string coefficientFault(std::string_view aText, std::string_view nText,
                             std::string_view eaText) {
    if (!isOneNumber(aText))
        return quotedFault(texts::AField, aText, texts::FieldIsNotANumber);
    if (!isOneNumber(nText))
        return quotedFault(texts::NField, nText, texts::FieldIsNotANumber);
    std::string_view ea = eaText.substr(0, eaText.find(texts::CommentStart));
    while (!ea.empty() && (ea.back() == ' ' || ea.back() == '\t'))
        ea.remove_suffix(1);
    if (ea.find_first_of(" \t") != std::string_view::npos)
        return quotedFault(texts::EaField, ea, texts::FieldIsMoreThanOne);
    if (!isOneNumber(ea))
        return quotedFault(texts::EaField, ea, texts::FieldIsNotANumber);
    return {};
}

CoefficientPatterns choosePatterns(std::string_view aText, std::string_view nText,
                                   std::string_view eaText) {
    CoefficientPatterns patterns;
    switch (aText.size()) {
    case 9:
        patterns.AFormat = texts::AThreeDecimals;
        break;
    case 8:
        patterns.AFormat = texts::ATwoDecimals;
        break;
    case 7:
        patterns.AFormat = texts::AOneDecimal;
        break;
    default:
        break;
    }

    const auto digitsOfN =
        nText.size() - static_cast<std::size_t>(std::count(nText.begin(), nText.end(), minus));
    if (digitsOfN >= 6)
        patterns.NFormat = texts::FixedFourDecimals;
    else if (digitsOfN == 5)
        patterns.NFormat = texts::FixedThreeDecimals;
    else if (digitsOfN == 4)
        patterns.NFormat = texts::FixedTwoDecimals;

    const std::size_t point = eaText.find(decimalPoint);
    if (point == std::string_view::npos) {
        patterns.EaFormat = texts::WholeNumber;
    } else {
        const std::size_t decimals = eaText.size() - point - 1;
        if (decimals == 2)
            patterns.EaFormat = texts::FixedTwoDecimals;
        else if (decimals == 1)
            patterns.EaFormat = texts::FixedOneDecimal;
    }
    return patterns;
}

} // namespace zorbel
