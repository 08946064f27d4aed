#pragma once
// The command line's texts: loading a mechanism as published, the check, the options of the
// reversals. Each stands here once.

#include <string_view>

namespace zorbel::cli::texts {

inline constexpr std::string_view CleanFlagHelp =
    "clean a mechanism that is not in the layout read here into NAME-clean.inp beside it "
    "first, and load that";
inline constexpr std::string_view ForceFlagHelp =
    "with --clean: replace an existing NAME-clean.inp";
/// "FILE is not in the layout read here (line 24: ...); loaded as written. --clean ..."
inline constexpr std::string_view NotInLayoutStart = " is not in the layout read here (line ";
inline constexpr std::string_view NotInLayoutMiddle = ": ";
inline constexpr std::string_view NotInLayoutCleanInto =
    "); loaded as written. Add --clean to clean it into ";
inline constexpr std::string_view NotInLayoutEnd = " beside it first.";
inline constexpr std::string_view CleanFileStands =
    " already exists; add --force to replace it with a new clean copy.";

/// "There is no reaction of index 13 in this mechanism: the indices run from 0 to 12."
inline constexpr std::string_view NoSuchReaction = "There is no reaction of index ";
inline constexpr std::string_view IndexRange = " in this mechanism: the indices run from 0 to ";
inline constexpr std::string_view NoReactionListed = " in this mechanism: it lists no reaction.";

inline constexpr std::string_view ExactThermoFlagHelp =
    "compute S/R and H/RT at full precision instead of their four-digit values, as the "
    "window's Exact thermochemistry box does";
inline constexpr std::string_view FitOptionHelp =
    "the fit of every reversed law: least squares on ln k, or the law of smallest largest "
    "error in ln k, as the window's Fit choice does";
inline constexpr std::string_view LeastSquaresFit = "least-squares";
inline constexpr std::string_view MinimaxFit = "minimax";
inline constexpr std::string_view CompleteFlagHelp =
    "write the whole mechanism: every line of the mechanism file, falloff and PLOG reactions "
    "as pairs of irreversible reactions";
inline constexpr std::string_view MaxErrorOptionHelp =
    "with --complete: hold every reverse rate within P percent of kf/Kc over the grid, with "
    "the law of the smallest largest error or a sum of up to three laws written as DUPLICATE "
    "reactions (or PLOG/ lines of one pressure); implies --exact-thermo";
inline constexpr std::string_view ReportOptionHelp =
    "also write a CSV report to FILE, one row per reaction";

// The settings as options.
inline constexpr std::string_view PointsDigitsOnly =
    "a number of points is written with digits alone, such as 50";
inline constexpr std::string_view RangeNotANumber = "a temperature of --range is a number, not ";
/// "--range 3000 200 set aside: the cold end is above the hot one; ..."
inline constexpr std::string_view RangeSetAsideStart = "--range ";
inline constexpr std::string_view RangeSetAsideMiddle = " set aside: ";
inline constexpr std::string_view RangeEndsSwapped = "the cold end is above the hot one";
inline constexpr std::string_view RangeEndsEqual = "the cold and hot ends are equal";
inline constexpr std::string_view RangeSetAsideEnd =
    "; each reaction is reversed over the range its species' data cover instead, as in the "
    "window.";

inline constexpr std::string_view CheckHelp =
    "Warn of what the input files hold that would make a reversal wrong or leave a reaction "
    "out, one line per finding with file and line; exit 1 when there is any";
inline constexpr std::string_view CheckThermoHelp = "the thermodynamic database";
inline constexpr std::string_view CheckMechanismHelp = "the mechanism, as published or cleaned";

} // namespace zorbel::cli::texts
