#pragma once
// Texts of the comparison-file annotation: the dialog, the marks it looks for in the file,
// the lines of the annotation block and the messages. Each text stands here once; the
// texts it shares are in reversal/ReversalTexts.h and batch/BatchTexts.h.

#include "mechanism/MechanismTexts.h"
#include "text/NumberPatterns.h"

#include <cstddef>
#include <string_view>

namespace zorbel::texts {

// The file dialog.

// What the command looks for in the comparison file.
/// Marks a line whose reaction must be reversed and compared.
inline constexpr std::string_view ComparisonMark = "(###)";
/// The annotation block goes in front of the first line that holds this word.
inline constexpr std::string_view ToleranceWord = "tolerance";
inline constexpr std::string_view SettingsOpen = "[";
inline constexpr std::string_view SettingsSeparator = "/";
inline constexpr std::string_view SettingsClose = "]";

// Reading RevAll.txt back.
/// Result comments that mean "no reverse coefficients": the row then reads as NoReverseLine.
inline constexpr std::string_view MissingWord = "missing";
inline constexpr std::string_view IrreversibleWord = "irreversible";
inline constexpr std::string_view NoReverseLine = "REV/ xxx xxx xxx";

// The annotation lines.
inline constexpr std::string_view RateConstantPattern = AThreeDecimals;
inline constexpr std::string_view DiffsPattern = FixedThreeDecimals;
inline constexpr std::string_view NotAbleToCalculate = "NOT ABLE TO CALCULATE REV COEFFICIENT";
inline constexpr std::string_view HeaderReactions = "Reactions";
inline constexpr std::string_view HeaderEa = "Ea";
inline constexpr std::string_view HeaderArev = "Arev";
inline constexpr std::string_view HeaderNrev = "nrev";
inline constexpr std::string_view HeaderEarev = "Earev";
inline constexpr std::string_view HeaderRateOpen = "k(";
inline constexpr std::string_view HeaderRateClose = ")";
inline constexpr std::string_view HeaderDiffs1 = "Diffs1";
inline constexpr std::string_view HeaderDiffs2 = "Diffs2";

// The sections of the annotation block.
inline constexpr std::string_view DifferentTitle = "-->REVERSE COEFFICIENTS CALCULATED!!!";
inline constexpr std::string_view DifferentCount =
    " Reactions that appear in both mechanisms but with different rate constants expressions";
inline constexpr std::size_t DifferentRule = 86;
inline constexpr std::string_view IdenticalTitle = "-->REVERSE COEFFICIENTS CALCULATED!";
inline constexpr std::string_view IdenticalCount =
    " Reactions that are identical within the set tol. of ";
inline constexpr std::string_view PercentSign = " %";
inline constexpr std::size_t IdenticalRule = 76;
inline constexpr std::string_view NotCalculatedTitle =
    "-->REVERSE COEFFICIENTS COULD NOT BE CALCULATED!";
inline constexpr std::string_view NotCalculatedCount = " Reactions have not been classified";
inline constexpr std::size_t NotCalculatedRule = 47;
inline constexpr char RuleCharacter = '*';

// Messages.
inline constexpr std::string_view NoEquationToTreat = "No equation to treat.";
inline constexpr std::string_view FileModified = "Following file modified:";
inline constexpr std::string_view RevAllReplaced =
    "and the reversed mechanism beside it, an earlier one replaced:";

// Faults; each names the file or line and what to do, and the comparison file is left as it
// was.
/// Named before " could not be read: ".
inline constexpr std::string_view TheComparisonFile = "The comparison file";
inline constexpr std::string_view CheckReadable = ". Check that it exists and can be read.";
inline constexpr std::string_view MarkedLineStart = "Line ";
inline constexpr std::string_view MarkedLineOf = " of ";
inline constexpr std::string_view MarkedLineIncomplete =
    " is marked (###) but does not hold an equation, A, n, Ea, A', n' and Ea' separated by "
    "blanks. Correct it and load the file again.";
inline constexpr std::string_view NoSettingsStart = "The first line of ";
inline constexpr std::string_view NoSettingsEnd =
    " holds no group [tolerance/T1/T2] with two temperatures above 0 K, such as "
    "[10/1000/2000]. Add it and load the file again.";
inline constexpr std::string_view BadToleranceStart = "The tolerance \"";
inline constexpr std::string_view BadToleranceMiddle = "\" of the group on line 1 of ";
inline constexpr std::string_view BadToleranceEnd =
    " is not a number of at least 0, such as 10 (%). Correct it and load the file again.";
inline constexpr std::string_view RevAllNotWritten =
    "The reversed mechanism file could not be written beside the comparison file, which was "
    "left unchanged. Check that this folder can be written: ";
inline constexpr std::string_view NotComparableStart = "The rate constants of ";
inline constexpr std::string_view NotComparableAt = " at ";
inline constexpr std::string_view NotComparableEnd =
    " K overflow or are not numbers, so the comparison file was left unchanged. Check the "
    "coefficients of its marked line and the temperatures of the first line.";
inline constexpr std::string_view NoToleranceStart = "No line of ";
inline constexpr std::string_view NoToleranceEnd =
    " holds the word \"tolerance\", in front of which the table goes, so no file was written. "
    "Add such a line and load the file again.";
inline constexpr std::string_view ComparisonNotRewritten =
    "The comparison file could not be rewritten and was left unchanged. Check that its "
    "folder can be written: ";
/// The comparison file changed while it was annotated: "The comparison file X was changed
/// ... Y." with the name the run's own annotated file was kept under.
inline constexpr std::string_view ChangedMeanwhileStart = "The comparison file ";
inline constexpr std::string_view ChangedMeanwhileEnd =
    " was changed, replaced or removed while it was being annotated, so nothing was replaced: "
    "it and RevAll.txt stay as they are. ";
inline constexpr std::string_view KeptAnnotationAs = "This run's annotated file is kept as ";
inline constexpr std::string_view AnnotationNotKept =
    "This run's annotated file could not be kept.";
inline constexpr std::string_view KeptAnnotationTag = "annotated";

} // namespace zorbel::texts
