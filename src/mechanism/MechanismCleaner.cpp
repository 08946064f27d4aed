#include "mechanism/MechanismCleaner.h"

#include "mechanism/CleanTexts.h"
#include "mechanism/MechanismTexts.h"
#include "mechanism/ParsedReaction.h"
#include "text/ChemkinKeywords.h"
#include "text/NumberText.h"
#include "text/StringOps.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <set>
#include <string_view>

namespace zorbel {

namespace {

// Published conversion factors. The Avogadro constant and the calorie are exact by
// definition (SI of 2019, thermochemical calorie); R and the electronvolt follow from
// exact constants and are given to the digits they are published with.
/// Avogadro constant [1/mol], exact.
constexpr double AvogadroConstant = 6.02214076E+23;
/// [cal/kcal].
constexpr double CaloriesPerKilocalorie = 1000.0;
/// [J/kJ].
constexpr double JoulesPerKilojoule = 1000.0;
/// [J/cal]: 1 cal = 4.184 J exactly.
constexpr double JoulesPerCalorie = 4.184;
/// Molar gas constant [cal/(mol K)]: 8.31446261815324 J/(mol K) divided by 4.184 J/cal.
/// An activation energy given in kelvins is Ea/R, so times this it is in cal/mol.
constexpr double GasConstantCalories = 1.98720425864083;
/// One electronvolt per molecule [cal/mol]: the Faraday constant 96485.33212 J/(mol V)
/// divided by 4.184 J/cal.
constexpr double CaloriesPerElectronvolt = 23060.5480;

constexpr char Blank = ' ';
constexpr char Tab = '\t';
constexpr char CommentChar = '!';
constexpr char Plus = '+';
constexpr char Slash = '/';
constexpr char DecimalPoint = '.';
constexpr char ClosingParenthesis = ')';
constexpr std::string_view FalloffOpening = "(+";
constexpr std::string_view PlainArrow = "=";
constexpr std::string_view ArrowCharacters = "<=>";

/// An energy unit: a value in it times `multiplier`, divided by `divisor`, is in cal/mol.
struct EnergyUnit {
    std::string_view word;
    double multiplier;
    double divisor;
};

constexpr EnergyUnit EnergyUnits[] = {
    {texts::CalPerMole, 1.0, 1.0},
    {texts::KcalPerMole, CaloriesPerKilocalorie, 1.0},
    {texts::JoulesPerMole, 1.0, JoulesPerCalorie},
    {texts::KjoulesPerMole, JoulesPerKilojoule, JoulesPerCalorie},
    {texts::Kelvins, GasConstantCalories, 1.0},
    {texts::Evolts, CaloriesPerElectronvolt, 1.0},
};

/// What the REACTIONS line says about the numbers of the section.
struct SectionUnits {
    const EnergyUnit* energy = nullptr;
    bool molecules = false;

    bool convertsEnergy() const { return energy != nullptr && energy->word != texts::CalPerMole; }
    bool convertsAnything() const { return convertsEnergy() || molecules; }
};

bool isBlank(char c) {
    return c == Blank || c == Tab;
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

/// The part of a line before its "!" comment.
std::string_view withoutComment(std::string_view line) {
    return line.substr(0, line.find(CommentChar));
}

/// The "!" comment of a line, trailing blanks removed; empty when it has none.
std::string_view commentOf(std::string_view line) {
    const std::size_t at = line.find(CommentChar);
    if (at == std::string_view::npos)
        return {};
    std::string_view comment = line.substr(at);
    while (!comment.empty() && (isBlank(comment.back()) || comment.back() == '\r'))
        comment.remove_suffix(1);
    return comment;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

/// A word of a line and where it starts, so that it can be replaced in place.
struct Word {
    std::size_t begin;
    std::string_view text;
};

std::vector<Word> wordsOf(std::string_view text) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        const std::size_t begin = i;
        while (i < text.size() && !isBlank(text[i]))
            ++i;
        if (i > begin)
            words.push_back({begin, text.substr(begin, i - begin)});
    }
    return words;
}

std::string_view firstWord(std::string_view text) {
    const std::vector<Word> words = wordsOf(text);
    return words.empty() ? std::string_view{} : words.front().text;
}

/// True for "REAC" up to "REACTIONS", in any case: how the section may be opened.
bool isReactionsKeyword(std::string_view word) {
    const std::string upper = toUpperAscii(word);
    return upper.size() >= texts::ReactionsKeywordStart.size() &&
           texts::ReactionsKeyword.substr(0, upper.size()) == upper;
}

bool isEndLine(std::string_view line) {
    return toUpperAscii(firstWord(withoutComment(line))) == texts::EndKeyword;
}

/// Comments inside the reaction section are kept, but an arrow in them would make the
/// loader list the comment as a reaction.
std::string harmlessComment(std::string_view comment) {
    return replaceAll(comment, texts::IrreversibleArrow, texts::ArrowInComment);
}

/// The declared species names, in capitals, from the SPECIES sections before the
/// reactions. A name that starts with digits is then not mistaken for a factor.
std::set<std::string> declaredSpecies(const std::vector<std::string>& header) {
    std::set<std::string> species;
    bool inSpecies = false;
    for (const std::string& line : header) {
        const std::vector<Word> words = wordsOf(withoutComment(line));
        for (std::size_t i = 0; i < words.size(); ++i) {
            const std::string upper = toUpperAscii(words[i].text);
            if (!inSpecies) {
                inSpecies = i == 0 && upper.rfind(texts::SpeciesKeywordStart, 0) == 0;
                if (!inSpecies)
                    break;
            } else if (upper == texts::EndKeyword) {
                inSpecies = false;
                break;
            } else {
                species.insert(upper);
            }
        }
    }
    return species;
}

std::optional<SectionUnits> readUnits(std::string_view reactionsLine, std::string& refusal) {
    SectionUnits units;
    std::optional<bool> molecules;
    const std::vector<Word> words = wordsOf(withoutComment(reactionsLine));
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string word = toUpperAscii(words[i].text);
        const EnergyUnit* energy = nullptr;
        for (const EnergyUnit& unit : EnergyUnits) {
            if (word == unit.word)
                energy = &unit;
        }
        const bool amount = word == texts::Moles || word == texts::Molecules;
        if (energy == nullptr && !amount) {
            refusal = std::string(texts::UnknownUnit) + std::string(words[i].text);
            return std::nullopt;
        }
        const bool isMolecules = word == texts::Molecules;
        const bool contradicts = energy != nullptr
                                     ? units.energy != nullptr && units.energy != energy
                                     : molecules.has_value() && *molecules != isMolecules;
        if (contradicts) {
            refusal = std::string(texts::TwoUnits) + std::string(trimmed(reactionsLine));
            return std::nullopt;
        }
        if (energy != nullptr)
            units.energy = energy;
        else
            molecules = isMolecules;
    }
    units.molecules = molecules.value_or(false);
    return units;
}

// ---- Reaction lines ----------------------------------------------------------------

/// Why a reaction could not be written; empty when it could.
using Problem = std::string_view;

struct Side {
    /// Species texts with their factors spelled out, third body M included.
    std::vector<std::string> species;
    /// The falloff partner as written after the species, such as "(+M)"; may be empty.
    std::string partner;
};

struct Reaction {
    Side reactants;
    Side products;
    std::string_view arrow;
    std::string aText, nText, eaText;
    std::string comment;
};

/// Spells out a leading whole factor: 2OH gives OH twice. A declared species keeps its
/// name even when it starts with digits, and so does a name whose digits are followed by
/// no letter (1-C4H8).
Problem addSpecies(std::string_view text, const std::set<std::string>& declared,
                   std::vector<std::string>& species) {
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
    if (!isLetter(name.front())) {
        species.emplace_back(text);
        return {};
    }
    const double factor = readLeadingNumber(text.substr(0, digits));
    if (factor == 0.0)
        return texts::EquationUnreadable;
    if (factor > static_cast<double>(SideCapacity))
        return texts::TooManySpecies;
    for (int i = 0; i < static_cast<int>(factor); ++i)
        species.emplace_back(name);
    return {};
}

Problem readSide(std::string_view text, const std::set<std::string>& declared, Side& side) {
    if (text.find_first_of(ArrowCharacters) != std::string_view::npos)
        return texts::EquationUnreadable;
    const std::size_t falloff = text.rfind(FalloffOpening);
    if (falloff != std::string_view::npos && !text.empty() && text.back() == ClosingParenthesis) {
        side.partner = std::string(text.substr(falloff));
        text = text.substr(0, falloff);
        if (side.partner.size() <= FalloffOpening.size() + 1)
            return texts::EquationUnreadable;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(Plus, start);
        const std::string_view species = text.substr(start, end - start);
        if (species.empty())
            return texts::EquationUnreadable;
        if (Problem problem = addSpecies(species, declared, side.species); !problem.empty())
            return problem;
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    const std::size_t slots = side.species.size() + (side.partner.empty() ? 0 : 1);
    return slots > SideCapacity ? texts::TooManySpecies : Problem{};
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
    }
    const std::string_view text = equation;
    if (Problem problem = readSide(text.substr(0, at), declared, reaction.reactants);
        !problem.empty())
        return problem;
    return readSide(text.substr(at + length), declared, reaction.products);
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

/// A reaction line: the equation (blanks inside it allowed), then A, n and Ea as its
/// last three words, then perhaps a comment.
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
    return readEquation(equation, declared, reaction);
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

// ---- Unit conversion ---------------------------------------------------------------

/// Rewrites number texts of one block into cal/mol and mole units.
class Converter {
public:
    explicit Converter(const SectionUnits& units) : units_(units) {}

    /// False when the section's numbers are already in cal/mol and mole units.
    bool active() const { return units_.convertsAnything(); }

    /// The A text for a rate of the given order: concentrations in molecules/cm3 become
    /// mol/cm3, so A gains the Avogadro constant once per concentration beyond the first.
    /// Unchanged when nothing applies.
    std::optional<std::string> a(std::string_view text, std::size_t order) const {
        if (!units_.molecules || order <= 1)
            return std::string(text);
        double value = readLeadingNumber(text);
        for (std::size_t i = 1; i < order; ++i)
            value *= AvogadroConstant;
        return written(value);
    }

    std::optional<std::string> ea(std::string_view text) const {
        if (!units_.convertsEnergy())
            return std::string(text);
        return written(readLeadingNumber(text) * units_.energy->multiplier /
                       units_.energy->divisor);
    }

private:
    static std::optional<std::string> written(double value) {
        if (!std::isfinite(value))
            return std::nullopt;
        return generalNumber(value == 0.0 ? 0.0 : value); // no "-0" from a negative zero
    }

    SectionUnits units_;
};

/// A "KEYWORD / numbers /" group of an auxiliary line, or a bare word such as DUPLICATE.
struct AuxiliaryGroup {
    std::string keyword; // in capitals
    std::size_t contentBegin = 0;
    std::size_t contentEnd = 0;
    bool closed = false;
};

std::vector<AuxiliaryGroup> groupsOf(std::string_view text) {
    std::vector<AuxiliaryGroup> groups;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        if (i >= text.size())
            break;
        const std::size_t begin = i;
        while (i < text.size() && !isBlank(text[i]) && text[i] != Slash)
            ++i;
        AuxiliaryGroup group;
        group.keyword = toUpperAscii(text.substr(begin, i - begin));
        while (i < text.size() && isBlank(text[i]))
            ++i;
        if (i < text.size() && text[i] == Slash) {
            group.contentBegin = i + 1;
            const std::size_t close = text.find(Slash, i + 1);
            group.closed = close != std::string_view::npos;
            group.contentEnd = group.closed ? close : text.size();
            i = group.closed ? close + 1 : text.size();
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

/// The orders of the rates a block's lines give, for the A conversion.
struct BlockOrders {
    std::size_t main;
    std::size_t low;
    std::size_t high;
    std::size_t reverse;
    std::size_t plog;
};

BlockOrders ordersOf(const Reaction& reaction, bool hasHigh) {
    // The third body M of "+M" counts as a reactant; a falloff partner "(+M)" does not,
    // since the high-pressure rate is written without it. Its low-pressure rate (LOW/)
    // has one concentration more. With HIGH/, the reaction line itself gives the
    // low-pressure rate of a chemically activated reaction.
    const std::size_t reactants = reaction.reactants.species.size();
    return {hasHigh ? reactants + 1 : reactants, reactants + 1, reactants,
            reaction.products.species.size(), reactants};
}

/// The auxiliary line with its LOW/, HIGH/, REV/ and PLOG/ numbers converted, or the
/// keyword of the group that could not be read.
struct ConvertedLine {
    std::string text;
    bool changed = false;
    std::string unreadable;
};

ConvertedLine convertAuxiliary(const std::string& line, const Converter& converter,
                               const BlockOrders& orders) {
    ConvertedLine result{line, false, {}};
    if (!converter.active())
        return result;
    const std::string_view body = withoutComment(line);
    struct Replacement {
        std::size_t begin;
        std::size_t length;
        std::string text;
    };
    std::vector<Replacement> replacements;
    for (const AuxiliaryGroup& group : groupsOf(body)) {
        const bool plog = group.keyword == texts::PlogKeyword;
        std::size_t order = 0;
        if (group.keyword == texts::LowKeyword)
            order = orders.low;
        else if (group.keyword == texts::HighKeyword)
            order = orders.high;
        else if (group.keyword == texts::RevKeyword)
            order = orders.reverse;
        else if (plog)
            order = orders.plog;
        else
            continue;
        const std::string_view content =
            body.substr(group.contentBegin, group.contentEnd - group.contentBegin);
        const std::vector<Word> numbers = wordsOf(content);
        const std::size_t first = plog ? 1 : 0;
        bool readable = group.closed && numbers.size() == first + 3;
        for (std::size_t i = 0; readable && i < numbers.size(); ++i)
            readable = isWholeNumberText(numbers[i].text);
        const std::optional<std::string> a =
            readable ? converter.a(numbers[first].text, order) : std::nullopt;
        const std::optional<std::string> ea =
            readable ? converter.ea(numbers[first + 2].text) : std::nullopt;
        if (!a || !ea) {
            result.unreadable = group.keyword;
            return result;
        }
        const Word& aWord = numbers[first];
        const Word& eaWord = numbers[first + 2];
        if (*a != aWord.text)
            replacements.push_back({group.contentBegin + aWord.begin, aWord.text.size(), *a});
        if (*ea != eaWord.text)
            replacements.push_back({group.contentBegin + eaWord.begin, eaWord.text.size(), *ea});
    }
    // From the end of the line back, so that earlier positions stay valid.
    for (auto it = replacements.rbegin(); it != replacements.rend(); ++it)
        result.text.replace(it->begin, it->length, it->text);
    result.changed = !replacements.empty();
    return result;
}

bool hasHighGroup(const std::vector<std::string>& auxiliaries) {
    for (const std::string& line : auxiliaries) {
        for (const AuxiliaryGroup& group : groupsOf(withoutComment(line))) {
            if (group.keyword == texts::HighKeyword)
                return true;
        }
    }
    return false;
}

// ---- The reaction section ----------------------------------------------------------

bool isReactionLine(std::string_view line) {
    return withoutComment(line).find(PlainArrow) != std::string_view::npos;
}

/// A commented-out line keeps its text; an auxiliary line of a commented-out reaction is
/// commented out too, so that no reader attaches it to the reaction written before.
std::string commentedOut(std::string_view line) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == CommentChar)
        return harmlessComment(line);
    return std::string(texts::CommentMark) + harmlessComment(line);
}

class SectionCleaner {
public:
    SectionCleaner(const SectionUnits& units, std::set<std::string> declared,
                   CleanedMechanism& result)
        : converter_(units), declared_(std::move(declared)), result_(result) {}

    /// One reaction line (1-based line number) with the auxiliary lines that follow it.
    void block(int lineNumber, const std::string& line,
               const std::vector<std::string>& auxiliaries) {
        Reaction reaction;
        Problem problem = readReaction(line, declared_, reaction);
        std::vector<std::string> written;
        bool changed = false;
        std::string unreadableKeyword;
        if (problem.empty()) {
            const BlockOrders orders = ordersOf(reaction, hasHighGroup(auxiliaries));
            const std::optional<std::string> a = converter_.a(reaction.aText, orders.main);
            const std::optional<std::string> ea = converter_.ea(reaction.eaText);
            if (!a || !ea)
                problem = texts::CoefficientsUnreadable;
            else {
                changed = *a != reaction.aText || *ea != reaction.eaText;
                reaction.aText = *a;
                reaction.eaText = *ea;
                written.push_back(reactionLine(reaction));
            }
            for (std::size_t i = 0; problem.empty() && i < auxiliaries.size(); ++i) {
                ConvertedLine converted = convertAuxiliary(auxiliaries[i], converter_, orders);
                if (!converted.unreadable.empty()) {
                    unreadableKeyword = std::move(converted.unreadable);
                    break;
                }
                changed = changed || converted.changed;
                written.push_back(harmlessComment(converted.text));
            }
        }
        if (problem.empty() && unreadableKeyword.empty()) {
            result_.lines.insert(result_.lines.end(), written.begin(), written.end());
            ++result_.written;
            if (changed)
                ++result_.converted;
            return;
        }
        std::string reason(problem);
        if (!unreadableKeyword.empty())
            reason = std::string(texts::AuxiliaryUnreadableStart) + unreadableKeyword +
                     std::string(texts::AuxiliaryUnreadableEnd);
        result_.lines.push_back(std::string(texts::NotCleanedStart) + reason +
                                std::string(texts::NotCleanedMiddle) +
                                harmlessComment(trimmed(line)));
        for (const std::string& auxiliary : auxiliaries)
            result_.lines.push_back(commentedOut(auxiliary));
        result_.commentedOut.push_back({lineNumber, std::move(reason)});
    }

private:
    Converter converter_;
    std::set<std::string> declared_;
    CleanedMechanism& result_;
};

} // namespace

CleanedMechanism cleanMechanism(const std::vector<std::string>& lines) {
    CleanedMechanism result;
    std::size_t reactionsAt = 0;
    while (reactionsAt < lines.size() &&
           !isReactionsKeyword(firstWord(withoutComment(lines[reactionsAt]))))
        ++reactionsAt;
    if (reactionsAt == lines.size()) {
        result.refusal = texts::NoReactionsSection;
        return result;
    }
    const std::optional<SectionUnits> units = readUnits(lines[reactionsAt], result.refusal);
    if (!units)
        return result;

    const std::vector<std::string> header(lines.begin(),
                                          lines.begin() + static_cast<long>(reactionsAt));
    result.lines = header;
    result.lines.emplace_back(texts::ReactionsKeyword);
    if (std::string_view comment = commentOf(lines[reactionsAt]); !comment.empty())
        result.lines.push_back(harmlessComment(comment));
    if (units->convertsEnergy())
        result.lines.push_back(std::string(texts::EaConvertedStart) +
                               std::string(units->energy->word) +
                               std::string(texts::EaConvertedEnd));
    if (units->molecules)
        result.lines.emplace_back(texts::AConvertedLine);

    SectionCleaner cleaner(*units, declaredSpecies(header), result);
    std::size_t i = reactionsAt + 1;
    // Lines before the first reaction (comments, blank lines) are kept as they stand.
    while (i < lines.size() && !isReactionLine(lines[i]) && !isEndLine(lines[i]))
        result.lines.push_back(harmlessComment(lines[i++]));
    while (i < lines.size() && !isEndLine(lines[i])) {
        const std::size_t reactionAt = i++;
        std::vector<std::string> auxiliaries;
        while (i < lines.size() && !isReactionLine(lines[i]) && !isEndLine(lines[i]))
            auxiliaries.push_back(lines[i++]);
        cleaner.block(static_cast<int>(reactionAt + 1), lines[reactionAt], auxiliaries);
    }
    // END and whatever follows it are not reactions.
    result.lines.insert(result.lines.end(), lines.begin() + static_cast<long>(i), lines.end());
    return result;
}

} // namespace zorbel
