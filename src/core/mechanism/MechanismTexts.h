#pragma once
// The mechanism subsystem's own texts. Each text stands here once.

#include "text/NumberPatterns.h"

#include <string_view>

namespace zorbel::texts {

// Loading a mechanism.
/// Named before " could not be read: ".
inline constexpr std::string_view TheMechanismFile = "The mechanism file";
/// The line that opens the reaction section; it must stand alone on its line.
inline constexpr std::string_view ReactionsKeyword = "REACTIONS";
inline constexpr std::string_view RunPelluxFirst =
    "Problem encountered with your file. Did you run Pellux 1st?";
/// After it, the file and why it was refused: "FILE has no line that reads REACTIONS
/// alone..." or "FILE: line 7 reads "REACTIONS CAL/MOLE", not REACTIONS alone...".
inline constexpr std::string_view NoReactionsLine = " has no line that reads";
inline constexpr std::string_view ReactionsLineAt = ": line ";
inline constexpr std::string_view ReactionsLineReads = " reads \"";
inline constexpr std::string_view ReactionsLineNot = "\", not";
inline constexpr std::string_view ReactionsAlone =
    " REACTIONS alone, in capitals (zorbel-cli clean writes one).";

// Cutting a reaction line.
/// A species slot that holds no species.
inline constexpr std::string_view EmptySlotMark = "///";
/// A falloff partner as written, "(+M)", and as cut, "+(M)": a species text of its own.
inline constexpr std::string_view FalloffOpening = "(+";
inline constexpr std::string_view FalloffSplit = "+(";
/// An irreversible arrow marked with a bar where the reactant side ends; the search
/// window's lists show irreversible reactions this way too.
inline constexpr std::string_view MarkedIrreversibleArrow = "|=>";
/// Every species slot of a line that could not be cut.
inline constexpr std::string_view FailedSlotMark = "NER";
inline constexpr std::string_view ParseFailedFirstLine =
    "Reaction with more than 3 reactants and/or 3 products";
inline constexpr std::string_view ParseFailedSecondLine =
    "or Reaction written in an incompatible format";
// Why a line could not be cut, as a refusal names it.
inline constexpr std::string_view NotAReaction =
    "the line is not a reaction: its equation has no arrow <=> or =>";
inline constexpr std::string_view TooFewNumbers =
    "fewer than three numbers A, n, Ea follow the equation";
inline constexpr std::string_view TabInEquation = "the equation holds a tab";
inline constexpr std::string_view TooManyReactants = "more than three reactants";
inline constexpr std::string_view TooManyProducts = "more than three products";
inline constexpr std::string_view EmptySpeciesText =
    "the equation has a side without species or an empty species between two \"+\"";

// Forward coefficients that are not three numbers.
inline constexpr std::string_view CoefficientsNotThree =
    "the coefficients are not three numbers A, n, Ea: ";
inline constexpr std::string_view AField = "A";
inline constexpr std::string_view NField = "n";
inline constexpr std::string_view EaField = "Ea";
inline constexpr std::string_view FieldIsNotANumber = " is not a number";
inline constexpr std::string_view FieldIsMoreThanOne = " is more than one number";
/// A comment after Ea starts here.
inline constexpr std::string_view CommentStart = "!";
/// Where a reaction line stands: "line 16 of mech.rxn: ".
inline constexpr std::string_view ReactionLineStart = "line ";
inline constexpr std::string_view ReactionLineOf = " of ";
inline constexpr std::string_view ReactionLineEnd = ": ";

// The reaction search: its count, as both faces show it.
inline constexpr std::string_view FoundNothing = "Found: 0 Reaction";
inline constexpr std::string_view FoundStart = "Found:";
inline constexpr std::string_view FoundEnd = "Reaction(s)";

// What may follow a species that opens the line: another reactant, a "(+" group, or the
// arrow of a reversible or of a marked irreversible reaction.
inline constexpr std::string_view SpeciesOpeningFollowers[] = {"+", "(+", "<", "|"};

struct SpeciesNeighbours {
    std::string_view before;
    std::string_view after;
};

// The texts that stand right before and right after a species elsewhere in the line.
inline constexpr SpeciesNeighbours SpeciesNeighbourPairs[] = {
    {"+", "<"}, // a later reactant before a reversible arrow
    {">", " "}, // the only product, followed by the coefficients
    {">", "+"}, // the first of several products
    {"+", "("}, // a reactant or product before a "(+" group
    {"+", "+"}, // a species in the middle of either side
    {">", "("}, // the first product before a "(+" group
    {"+", " "}, // the last product, followed by the coefficients
    {"+", ")"}, // a third body written in parentheses after "(+"
    {"+", "|"}, // a later reactant before a marked irreversible arrow
};

} // namespace zorbel::texts
