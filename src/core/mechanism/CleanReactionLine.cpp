#include "mechanism/CleanReactionLine.h"

#include "mechanism/CleanLineText.h"
#include "mechanism/CleanTexts.h"
#include "mechanism/MechanismTexts.h"
#include "text/ChemkinKeywords.h"
#include "text/NumberText.h"
#include "text/StringOps.h"

#include <algorithm>
#include <cstddef>

namespace zorbel::clean {

namespace {

constexpr char Plus = '+';
constexpr char DecimalPoint = '.';
constexpr char ClosingParenthesis = ')';
constexpr std::string_view PlainArrow = "=";
constexpr std::string_view ArrowCharacters = "<=>";
/// A larger factor is no stoichiometry a reader could mean; spelling it out would only
/// fill the memory.
constexpr double MostSpelledOut = 99;

/// Spells out a leading whole factor: 2OH gives OH twice. A declared species keeps its
/// name even when it starts with digits, and so does a name whose digits are followed by
/// no letter (1-C4H8).
Problem addSpecies(std::string_view text, const std::set<std::string>& declared, Side& side) {
    std::vector<std::string>& species = side.species;
    std::size_t digits = 0;
    while (digits < text.size() && isDigit(text[digits]))
        ++digits;
    if (digits == 0 || declared.count(toUpperAscii(text)) != 0) {
        species.emplace_back(text);
        return {};
    }
    const std::string_view name = text.substr(digits);
    if (name.empty())
        return texts::EquationUnreadable;
    if (name.front() == DecimalPoint)
        return texts::FactorNotWhole;
    if (!isAsciiLetter(name.front())) {
        species.emplace_back(text);
        return {};
    }
    const double factor = readLeadingNumber(text.substr(0, digits));
    if (factor == 0.0)
        return texts::EquationUnreadable;
    if (factor > MostSpelledOut)
        return texts::FactorTooLarge;
    side.factorsSpelledOut = true;
    for (int i = 0; i < static_cast<int>(factor); ++i)
        species.emplace_back(name);
    return {};
}

Problem readSide(std::string_view text, const std::set<std::string>& declared, Side& side) {
    if (text.find_first_of(ArrowCharacters) != std::string_view::npos)
        return texts::EquationUnreadable;
    const std::size_t falloff = text.rfind(texts::FalloffOpening);
    if (falloff != std::string_view::npos && !text.empty() && text.back() == ClosingParenthesis) {
        side.partner = std::string(text.substr(falloff));
        text = text.substr(0, falloff);
        if (side.partner.size() <= texts::FalloffOpening.size() + 1)
            return texts::EquationUnreadable;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(Plus, start);
        const std::string_view species = text.substr(start, end - start);
        if (species.empty())
            return texts::EquationUnreadable;
        if (Problem problem = addSpecies(species, declared, side); !problem.empty())
            return problem;
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    // More than three species are written all the same: the reversal then lists the
    // reaction with why it was not reversed, instead of losing it.
    return {};
}

/// Cuts the equation, written with or without blanks, at its arrow. A plain "=" is a
/// reversible reaction.
Problem readEquation(const std::string& equation, const std::set<std::string>& declared,
                     Reaction& reaction) {
    std::size_t at = equation.find(texts::ReversibleArrow);
    std::size_t length = texts::ReversibleArrow.size();
    reaction.arrow = texts::ReversibleArrow;
    if (at == std::string::npos) {
        at = equation.find(texts::IrreversibleArrow);
        length = texts::IrreversibleArrow.size();
        reaction.arrow = texts::IrreversibleArrow;
    }
    if (at == std::string::npos) {
        at = equation.find(PlainArrow);
        length = PlainArrow.size();
        reaction.arrow = texts::ReversibleArrow;
        reaction.plainArrow = true;
    }
    const std::string_view text = equation;
    if (Problem problem = readSide(text.substr(0, at), declared, reaction.reactants);
        !problem.empty())
        return problem;
    Problem problem = readSide(text.substr(at + length), declared, reaction.products);
    reaction.factorsSpelledOut =
        reaction.reactants.factorsSpelledOut || reaction.products.factorsSpelledOut;
    return problem;
}

/// True when two neighbouring words of an equation written with blanks belong together:
/// an operator or a parenthesis stands between them ("H +", "+ O2", "O2 (+M)"), or the first ends
/// in a factor ("2 OH", "<=>2 OH"). Otherwise the second is no part of the equation: the first
/// number of a line with more than three, such as "1.0E" of an exponent split by a blank.
bool joinsEquation(std::string_view before, std::string_view after) {
    constexpr std::string_view operators = "+<=>";
    // Blanks inside a falloff partner: "( + M )".
    constexpr std::string_view brackets = "()";
    if (operators.find(before.back()) != std::string_view::npos ||
        operators.find(after.front()) != std::string_view::npos ||
        brackets.find(before.back()) != std::string_view::npos ||
        brackets.find(after.front()) != std::string_view::npos)
        return true;
    const std::size_t lastOperator = before.find_last_of(operators);
    const std::string_view factor =
        lastOperator == std::string_view::npos ? before : before.substr(lastOperator + 1);
    return std::all_of(factor.begin(), factor.end(), isDigit);
}

std::string join(const Side& side) {
    std::string text;
    for (const std::string& species : side.species) {
        if (!text.empty())
            text += Plus;
        text += species;
    }
    return text + side.partner;
}

} // namespace

Problem readReaction(std::string_view line, const std::set<std::string>& declared,
                     Reaction& reaction) {
    const std::vector<Word> words = wordsOf(withoutComment(line));
    const std::size_t count = words.size();
    if (count < 4 || !isWholeNumberText(words[count - 3].text) ||
        !isWholeNumberText(words[count - 2].text) || !isWholeNumberText(words[count - 1].text) ||
        isWholeNumberText(words[count - 4].text))
        return texts::CoefficientsUnreadable;
    for (std::size_t i = 1; i + 3 < count; ++i) {
        if (!joinsEquation(words[i - 1].text, words[i].text))
            return texts::CoefficientsUnreadable;
    }
    std::string equation;
    for (std::size_t i = 0; i + 3 < count; ++i)
        equation += words[i].text;
    reaction.aText = words[count - 3].text;
    reaction.nText = words[count - 2].text;
    reaction.eaText = words[count - 1].text;
    reaction.comment = harmlessComment(commentOf(line));
    reaction.blanksRemoved = count > 4;
    reaction.spacingFixed = words[0].begin != 0;
    for (std::size_t i = count - 3; i < count; ++i) {
        const std::size_t gap = words[i - 1].begin + words[i - 1].text.size();
        reaction.spacingFixed =
            reaction.spacingFixed || words[i].begin != gap + 1 || line[gap] != Blank;
    }
    return readEquation(equation, declared, reaction);
}

std::string reactionLine(const Reaction& reaction) {
    std::string line = join(reaction.reactants);
    line += reaction.arrow;
    line += join(reaction.products);
    for (const std::string* text : {&reaction.aText, &reaction.nText, &reaction.eaText}) {
        line += Blank;
        line += *text;
    }
    if (!reaction.comment.empty()) {
        line += Blank;
        line += reaction.comment;
    }
    return line;
}

bool isInLayout(std::string_view line, const Reaction& reaction) {
    Reaction uncommented = reaction;
    uncommented.comment.clear();
    std::string_view text = withoutComment(line);
    // Blanks before the equation are not: the parser's equation ends at the first blank.
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return reactionLine(uncommented) == text;
}

bool isReactionLine(std::string_view line) {
    return withoutComment(line).find(PlainArrow) != std::string_view::npos;
}

} // namespace zorbel::clean
