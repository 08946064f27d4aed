#pragma once
// The reaction search window's own texts, and the pieces of reaction syntax the search
// recognises around a species name. Each text stands here once.

#include "app/Version.h"
#include "mechanism/MechanismTexts.h"

#include <string_view>

namespace zorbel::texts {

// Window, captions and tooltips.
inline constexpr std::string_view FindfrmCaption =
    "Zorbel " ZORBEL_VERSION " -- Search a Particular Reaction";
inline constexpr std::string_view FindLabel1Caption =
    "I am looking for reactions containing the following species:";
inline constexpr std::string_view UsereqnTip = "Enter a species name.";
inline constexpr std::string_view FindCmdRCaption = "&Begin Search";
inline constexpr std::string_view FindCmdRTip =
    "Zorbel is going to search reactions containing the species you have selected.";
inline constexpr std::string_view FindFrame1Caption =
    "Mechanism with reactions sorted alphabetically";
inline constexpr std::string_view FindFrame2Caption = "List of Reactions";
inline constexpr std::string_view SearchListTip =
    "Double-click here if you have found the equation you are looking for.";
inline constexpr std::string_view ClosefrmCaption = "Close";
inline constexpr std::string_view ClosefrmTip = "Click here to quit this window.";

// Shown when the window opens.
inline constexpr std::string_view SearchTipQuestion =
    "Have you found the reaction you were looking for?";
inline constexpr std::string_view SearchTipHowToClose =
    "If yes, double-click on it to close this window.";

// The result count.
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
