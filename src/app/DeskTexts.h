#pragma once
// The desktop's own texts beyond the window model's: the findings box, the help page's
// notice, the status bar, the kinds of file and dropped files. Each text stands here once.

#include <string_view>

namespace zorbel::texts {

// The findings box.
inline constexpr std::string_view FindingsCopyCaption = "&Copy All";
inline constexpr std::string_view FindingsCloseCaption = "&Close";

// The help page that comes with the program, shown when nothing opened the web page.
inline constexpr std::string_view HelpNotOpenedStart = "No web browser opened ";
inline constexpr std::string_view HelpNotOpenedEnd =
    ". This is the help that comes with the program.";

// The kinds of file, as Recent Files and the status bar name them.
inline constexpr std::string_view KindDatabase = "Database";
inline constexpr std::string_view KindMechanism = "Mechanism";
inline constexpr std::string_view KindComparison = "Comparison file";

// The status bar: what is loaded, and the last run's summary.
inline constexpr std::string_view StatusNothingLoaded = "Nothing loaded";
inline constexpr std::string_view StatusSeparator = "  |  ";
inline constexpr std::string_view StatusSpecies = " species";
inline constexpr std::string_view StatusReactions = " reactions";
inline constexpr std::string_view StatusLastRun = "Last run: ";

// A dropped file that is none of the three kinds.
inline constexpr std::string_view DroppedUnknownTitle = "File not loaded";
inline constexpr std::string_view DroppedUnknownEnd =
    " is neither a thermodynamic database (species records), a mechanism (a REACTIONS line) "
    "nor a comparison file (a first line [tol/T1/T2] and reactions marked (###)).";

} // namespace zorbel::texts
