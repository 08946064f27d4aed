#pragma once
// The mechanism subsystem's own texts. Each text stands here once.

#include "text/NumberPatterns.h"

#include <string_view>

namespace zorbel::texts {

// Loading a mechanism.
inline constexpr std::string_view MechanismDialogTitle = "Selection MECHANISM File...";
inline constexpr std::string_view MechanismDialogFilter =
    "RXN Files (*.rxn)|*.rxn|Mech Files (*.mech)|*.mech|All Files |*.*|";
/// The line that opens the reaction section; it must stand alone on its line.
inline constexpr std::string_view ReactionsKeyword = "REACTIONS";
inline constexpr std::string_view RunPelluxFirst =
    "Problem encountered with your file. Did you run Pellux 1st?";

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

} // namespace zorbel::texts
