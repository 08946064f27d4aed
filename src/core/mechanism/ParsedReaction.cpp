#include "mechanism/ParsedReaction.h"

#include "mechanism/MechanismTexts.h"
#include "text/ChemkinKeywords.h"
#include "text/NumberText.h"
#include "text/StringOps.h"

#include <algorithm>
#include <iterator>
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

ParsedReaction failed(ParsedReaction parsed, std::string_view fault) {
    parsed.Failed = true;
    parsed.fault = std::string(fault);
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

/// True when the equation (the line before its first blank) holds its arrow. A line listed
/// only because a comment holds "=>", or a stray line of the section, has none; nor has one
/// whose equation holds "<" and ">" or a bar of its own, but no arrow.
bool hasArrow(std::string_view equation, bool irreversible) {
    return equation.find(irreversible ? texts::MarkedIrreversibleArrow : texts::ReversibleArrow) !=
           std::string_view::npos;
}

/// Puts the equation's species in the six slots; why not when a side is empty or holds
/// more species than its three slots.
std::string_view fillSlots(std::string_view equation, ParsedReaction& parsed) {
    const std::size_t reactantEnd =
        equation.find(parsed.Irreversible ? irreversibleSideEnd : reversibleSideEnd);
    const std::size_t productStart = equation.find(productSideStart);
    const auto reactants = speciesOf(equation.substr(0, reactantEnd));
    const auto products = speciesOf(equation.substr(productStart + 1));
    if (!reactants || !products)
        return texts::EmptySpeciesText;
    if (reactants->size() > SideCapacity)
        return texts::TooManyReactants;
    if (products->size() > SideCapacity)
        return texts::TooManyProducts;
    parsed.Slots.fill(std::string(texts::EmptySlotMark));
    // Reactants take the last slots of their three, products the first of theirs.
    std::copy(reactants->begin(), reactants->end(),
              parsed.Slots.begin() + static_cast<std::ptrdiff_t>(SideCapacity - reactants->size()));
    std::copy(products->begin(), products->end(),
              parsed.Slots.begin() + static_cast<std::ptrdiff_t>(SideCapacity));
    return {};
}

/// A first word that opens an auxiliary line with no "/" group.
bool isLoneAuxiliary(std::string_view word) {
    if (word.starts_with(texts::DuplicateShort))
        return true;
    return std::find(std::begin(texts::LoneAuxiliaryKeywords),
                     std::end(texts::LoneAuxiliaryKeywords),
                     word) != std::end(texts::LoneAuxiliaryKeywords);
}

/// An "=" that is an arrow of its own, as in H+O2=HO2: a reaction the loader does not list,
/// but one that a cleaning writes with "<=>".
bool hasPlainArrow(std::string_view line) {
    for (std::size_t i = line.find('='); i != std::string_view::npos; i = line.find('=', i + 1)) {
        const bool after = i > 0 && line[i - 1] == reversibleSideEnd;
        const bool before = i + 1 < line.size() && line[i + 1] == productSideStart;
        if (!after && !before)
            return true;
    }
    return false;
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
    const std::string_view written =
        equation ? *equation : std::string_view(line).substr(0, line.find(blank));
    if (written.find('\t') != std::string_view::npos)
        return failed(std::move(parsed), texts::TabInEquation);
    if (!hasArrow(written, parsed.Irreversible))
        return failed(std::move(parsed), texts::NotAReaction);
    if (!equation)
        return failed(std::move(parsed), texts::TooFewNumbers);
    if (const std::string_view fault = fillSlots(*equation, parsed); !fault.empty())
        return failed(std::move(parsed), fault);
    return parsed;
}

std::string entryFault(std::string_view entry) {
    const ParsedReaction parsed = parseReaction(entry);
    if (isIrreversibleReaction(parsed))
        return {};
    if (parsed.Failed)
        return parsed.fault;
    const std::string fault = coefficientFault(parsed.AText, parsed.NText, parsed.EaText);
    return fault.empty() ? fault : std::string(texts::CoefficientsNotThree) + fault;
}

bool isIrreversibleReaction(const ParsedReaction& parsed) {
    return parsed.Irreversible && (!parsed.Failed || parsed.fault == texts::TooManyReactants ||
                                   parsed.fault == texts::TooManyProducts);
}

bool isStrayReactionSectionLine(std::string_view upperLine) {
    const std::size_t start = upperLine.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return false;
    const std::string_view text = upperLine.substr(start);
    if (text.starts_with(texts::CommentStart) || text.find('/') != std::string_view::npos ||
        text.find(texts::IrreversibleArrow) != std::string_view::npos || hasPlainArrow(text))
        return false;
    const std::string_view word = text.substr(0, text.find_first_of(" \t"));
    // Another line that opens the section ("REACTIONS" twice) is no stray line either.
    return !isLoneAuxiliary(word) && word != texts::ReactionsKeyword;
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

std::string parseFailedText(const std::string& mechanismPath, int line, const std::string& newLine,
                            std::string_view fault) {
    std::string message = std::string(texts::ParseFailedFirstLine) + newLine +
                          std::string(texts::ParseFailedSecondLine);
    if (line <= 0)
        return message;
    return message + newLine + std::string(texts::ReactionLineStart) + std::to_string(line) +
           std::string(texts::ReactionLineOf) + mechanismPath +
           std::string(texts::ReactionLineEnd) + std::string(fault) + ".";
}

PanelMarks panelMarks(const ParsedReaction& parsed) {
    PanelMarks marks;
    marks.slotShown.fill(true);
    marks.plusShown.fill(true);
    if (parsed.Failed)
        return marks;
    for (std::size_t slot = 0; slot < marks.slotShown.size(); ++slot)
        marks.slotShown[slot] = parsed.Slots[slot] != texts::EmptySlotMark;
    // A plus sign goes with the species it stands before on the reactant side, after on
    // the product side: reactants fill their last slots, products their first.
    const auto& shown = marks.slotShown;
    marks.plusShown = {shown[0], shown[1], shown[4], shown[5]};
    return marks;
}

} // namespace zorbel
