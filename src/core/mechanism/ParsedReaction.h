#pragma once
// A reaction line of the mechanism cut into six species slots, its arrow and its three
// forward coefficient texts. The panel of the main window and the batch runs both read
// reactions through this one parser.
//
// The line is expected as a cleaned mechanism writes it: an equation without blanks,
// then A, n and Ea, each after a single blank. Species are separated by "+", the sides
// by "<=>" or "=>", and a falloff partner such as (+M) directly follows the last species
// of a side. No stoichiometric factor is recognised: 2OH is one species text.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zorbel {

/// Species a side of a reaction can hold, and the slots of a whole reaction.
inline constexpr std::size_t SideCapacity = 3;
inline constexpr std::size_t SlotCount = 2 * SideCapacity;
/// Reactants 1 to 3, then products 1 to 3.
using ReactionSlots = std::array<std::string, SlotCount>;

struct ParsedReaction {
    /// Reactants 1 to 3, then products 1 to 3. "///" marks an empty slot: reactants fill
    /// the last slots of their three, products the first of theirs. "NER" in all six when
    /// the line could not be cut.
    ReactionSlots Slots;
    /// True when the line holds no "<=>", only "=>".
    bool Irreversible = false;
    /// Forward pre-exponential factor, temperature exponent and activation energy,
    /// exactly as written. Ea is everything after the third blank, comment included.
    std::string AText, NText, EaText;
    bool Failed = false;
    /// Why the line could not be cut, in words ("more than three products"); empty
    /// unless Failed.
    std::string fault;
    /// True when the three coefficient texts were cut, even if the equation then failed:
    /// the panel shows those texts in both cases.
    bool coefficientsRead = false;
};

/// Cuts an upper-cased reaction entry. Never throws for any input text.
ParsedReaction parseReaction(std::string_view entry);

/// Why a reversal refuses an entry before it looks at a species, in words: the parse's
/// fault, or the coefficients' ("the coefficients are not three numbers A, n, Ea: ...");
/// empty when it is reversed or kept irreversible. The check of the input files reports
/// what the runs refuse through this one function.
std::string entryFault(std::string_view entry);

/// True for an irreversible reaction, which is written as it stands and never reversed:
/// one whose equation was cut, or one that failed only for holding more species on a side
/// than the slots, which an irreversible reaction does not need.
bool isIrreversibleReaction(const ParsedReaction& parsed);

/// True for a line of the reaction section that no reader uses: neither a reaction
/// (an arrow "=>" or "<=>"), nor an auxiliary line of one (a "/" group or a keyword such
/// as DUPLICATE), nor a comment or a blank line. Such a line is listed all the same, so
/// that it is refused where it stands instead of vanishing.
bool isStrayReactionSectionLine(std::string_view upperLine);

/// Why the three forward texts of a parse are not one number each, in words (A "1.0E"
/// is not a number); empty when they are. Ea may be followed by blanks and a "!"
/// comment. A line whose exponent was split by a blank or that carries a fourth number
/// would otherwise be read as other numbers than the ones written.
std::string coefficientFault(std::string_view aText, std::string_view nText,
                             std::string_view eaText);

/// The number patterns the program prints forward and reverse coefficients with, as the
/// lengths of one reaction's coefficient texts suggest. An empty text means that the
/// rule gave no pattern.
struct CoefficientPatterns {
    std::string AFormat;
    std::string NFormat;
    std::string EaFormat;
    bool operator==(const CoefficientPatterns&) const = default;
};

/// A by the length of its text (9, 8, 7 characters); n by its length without minus
/// signs (6 and more, 5, 4); Ea by the number of characters after its first point (2,
/// 1), or a whole-number pattern when it has no point at all.
CoefficientPatterns choosePatterns(std::string_view aText, std::string_view nText,
                                   std::string_view eaText);

/// The warning of a line that cannot be cut: the fixed two lines, then, for a line of
/// the file (`line` from 1; 0 for none), where it stands and why. Lines end in `newLine`.
std::string parseFailedText(const std::string& mechanismPath, int line, const std::string& newLine,
                            std::string_view fault);

/// What the reaction panel shows of a parsed line: which of the six species boxes, and
/// which of the plus signs between reactants 1-2, 2-3 and products 1-2, 2-3. A line that
/// could not be cut shows every box, so that the six "NER" marks show.
struct PanelMarks {
    std::array<bool, 6> slotShown{};
    std::array<bool, 4> plusShown{};
};
PanelMarks panelMarks(const ParsedReaction& parsed);

} // namespace zorbel
