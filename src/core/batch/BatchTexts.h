#pragma once
// Texts of the batch reversals and of the reversed mechanism file.

#include <string_view>

namespace zorbel::texts {

inline constexpr std::string_view RevAllFileName = "RevAll.txt";
inline constexpr std::string_view RevSelectedFileName = "RevSelected.txt";
inline constexpr std::string_view GeneratedThe = "!GENERATED THE";

// Result lines of a reaction.
inline constexpr std::string_view IrreversibleLine =
    "!Reaction irreversible (=>), no reverse coefficient";
inline constexpr std::string_view MissingThermoLine =
    "!Reverse coef. not calculated: missing thermodata or incompatible reaction.";
inline constexpr std::string_view ZeroALine = "!Zorbel can not perform that operation: A=0";
inline constexpr std::string_view NotSuitableLine =
    "!Your personal values were not suitable. Detected Temperatures have been taken instead";
inline constexpr std::string_view ColdIgnoredLine =
    "!Your personal Cold Temperature has not been taken into account";
inline constexpr std::string_view HotIgnoredLine =
    "!Your personal Hot Temperature has not been taken into account";
inline constexpr std::string_view RevPrefix = "REV/ ";
inline constexpr std::string_view RangeStart = " !Trange(K) = [";
inline constexpr std::string_view RangeSeparator = " - ";
inline constexpr std::string_view RangeEnd = "]";
inline constexpr std::string_view ErrorMeasureStart = " ; S= ";

// Reactions the computation could not get through: one comment line saying why.
inline constexpr std::string_view NotCalculatedStart = "!Reverse coef. not calculated: ";
inline constexpr std::string_view EmptyRangeReason = "temperature range empty or reversed [";
inline constexpr std::string_view OutsideLimitsReason =
    "temperature range outside the limits of species ";
inline constexpr std::string_view TooLargeReason = "forward coefficient is too large: ";
inline constexpr std::string_view NonPositiveKrReason = "kf/Kc not positive and finite";
inline constexpr std::string_view SingularReason = "temperature range too narrow to fit the law";
inline constexpr std::string_view OverflowReason = "fitted reverse rate constant overflows";
inline constexpr std::string_view PointCountReason = "number of points not between 3 and 10000";
inline constexpr std::string_view UnexpectedReason = "unexpected fault: ";
inline constexpr std::string_view FileNotCreated =
    "The reversed mechanism file could not be created: ";
inline constexpr std::string_view NothingToReverse =
    "The reaction list is empty, so there is nothing to reverse and no file was written. Load "
    "the mechanism again.";
inline constexpr std::string_view FileNotWritten =
    "The reversed mechanism file could not be written completely: ";

// Reverse All.
inline constexpr std::string_view ReverseAllTitle = "Reverse All";
inline constexpr std::string_view ReverseAllQuestion = "This procedure may last a long time!";
inline constexpr std::string_view ContinueAnyway = "Continue anyway?";
inline constexpr std::string_view RemainingTimeStart = "Estimated remaining time: ";
inline constexpr std::string_view Minutes = "min";
inline constexpr std::string_view Seconds = "s";

// Reverse Selected.
inline constexpr std::string_view ReverseSelectedTitle = "Reverse Selected";
inline constexpr std::string_view ReverseSelectedQuestion =
    "This procedure may last some minutes, ";
inline constexpr std::string_view ReverseSelectedDepends =
    "depending on the number of reactions you have selected.";
inline constexpr std::string_view BePatient = "Please, be patient...";
inline constexpr std::string_view InProgress = "Operation in progress...";
inline constexpr std::string_view JobDoneProgress = "Job Done...";
inline constexpr std::string_view WarningTitle = "Warning!";
inline constexpr std::string_view SelectMore = "You need to select more than 1 reaction";
inline constexpr std::string_view ToUseButton = "to use this button";

} // namespace zorbel::texts
