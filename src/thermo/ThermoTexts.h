#pragma once
// The texts of the thermodynamic-database tab that the program shows or relies on.
// Each stands here once; the window's captions are in app/AppTexts.h.

#include "app/AppTexts.h"
#include "text/NumberPatterns.h"

#include <string_view>

namespace zorbel::texts {

// The database file dialog.
inline constexpr std::string_view ThermoDialogTitle = "Selection THERMO File...";
// The second filter is labelled *.the but matches *.therm: users know it that way.
inline constexpr std::string_view ThermoDialogFilter =
    "DAT Files (*.dat)|*.dat|THE Files (*.the)|*.therm|All Files |*.*|";

// The line that closes a database; exactly these three letters, nothing after them.
inline constexpr std::string_view EndLine = EndKeyword;

// A temperature outside the species' range.
inline constexpr std::string_view OutOfRange = "xxx";

// The range captions, between the temperatures they join.
inline constexpr std::string_view RangeGap = "   ";
inline constexpr std::string_view HighRangeJoin = "  <= T (high) < ";
inline constexpr std::string_view LowRangeJoin = " < T (Low) <= ";

} // namespace zorbel::texts
