#pragma once
// The reaction search window's own texts; the search's count and the reaction syntax it
// recognises are the mechanism's (mechanism/MechanismTexts.h). Each text stands here once.

#include "mechanism/MechanismTexts.h"
#include "program/Version.h"

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

} // namespace zorbel::texts
