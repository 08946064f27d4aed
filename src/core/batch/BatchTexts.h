#pragma once
// Texts of the batch reversals and of the reversed mechanism file.

#include "batch/RevLineGrammar.h"

#include <string_view>

namespace zorbel::texts {

inline constexpr std::string_view RevAllFileName = "RevAll.txt";
inline constexpr std::string_view RevSelectedFileName = "RevSelected.txt";

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
// The whole reversed mechanism.
/// Follows the range and S on a REV/ line; other fitted laws carry it after a "!".
inline constexpr std::string_view MaxErrorStart = " ; max err ";
inline constexpr std::string_view LawCommentStart = "! max err ";
inline constexpr std::string_view DeviationAt = "% at ";
inline constexpr std::string_view NotReversedStart = "! not reversed: ";
inline constexpr std::string_view GivenReverseStart = "! given REV/ against the fitted law ";
inline constexpr std::string_view GivenReverseDeviation = ": largest deviation ";

// The laws of a sum under a tolerance, each with its comment: "! line 57: term 1 of 2, sum
// max err 0.6% at 1480 K", and ", misses 1%" when no sum holds the tolerance.
inline constexpr std::string_view TermLineStart = "! line ";
inline constexpr std::string_view TermStart = ": term ";
inline constexpr std::string_view TermOf = " of ";
inline constexpr std::string_view SumMaxError = ", sum max err ";
inline constexpr std::string_view ToleranceMissed = ", misses ";

// Why a reaction was not reversed, as the summary and the report count it.
inline constexpr std::string_view MissingSpeciesWhy = "species missing from the database";
inline constexpr std::string_view UnusableRecordWhy = "species record unusable";
inline constexpr std::string_view EmptyRangeWhy = "temperature range empty";
inline constexpr std::string_view OutsideLimitsWhy = "range outside the species' limits";
inline constexpr std::string_view CoefficientsWhy = "forward coefficients unreadable";
inline constexpr std::string_view TooLargeWhy = "forward coefficient too large";
inline constexpr std::string_view ZeroAWhy = "A = 0";
inline constexpr std::string_view NonPositiveKrWhy = NonPositiveKrReason;
inline constexpr std::string_view SingularWhy = "range too narrow to fit";
inline constexpr std::string_view OverflowWhy = "fitted law overflows";
inline constexpr std::string_view PointCountWhy = "number of points";
inline constexpr std::string_view UnreadableWhy = "reaction line unreadable";
inline constexpr std::string_view FaultWhy = "unexpected fault";
inline constexpr std::string_view GivenReverseWhy = "REV/ given in the mechanism";
inline constexpr std::string_view CommentEntryWhy = "a comment line";
inline constexpr std::string_view AuxiliaryWhy = "an auxiliary law could not be reversed: ";
inline constexpr std::string_view OtherKindWhy = "rate form not reversed: ";
inline constexpr std::string_view NoPairWhy = "reaction line not written as a pair";
inline constexpr std::string_view MechanismChanged =
    "To write the whole mechanism, load it again: the file no longer holds the reactions listed, "
    "or cannot be read: ";
inline constexpr std::string_view ReportNotWritten = "The report could not be written: ";

// The summary that closes a run.
inline constexpr std::string_view SummaryReactions = "Reactions: ";
inline constexpr std::string_view SummaryReversed = "reversed (REV/): ";
inline constexpr std::string_view SummaryPairs = "written as irreversible pairs: ";
inline constexpr std::string_view SummaryIrreversible = "kept irreversible: ";
inline constexpr std::string_view SummaryNotReversed = "not reversed: ";
inline constexpr std::string_view SummaryReasonIndent = "    ";
inline constexpr std::string_view SummaryWorst = "worst fit: ";
inline constexpr std::string_view SummaryNoFit = "worst fit: none";
/// Under a tolerance.
inline constexpr std::string_view SummaryByTerms = "reverse rates by number of laws: ";
inline constexpr std::string_view SummaryMoreThanOne = "needing more than one law: ";
inline constexpr std::string_view SummaryMissedStart = "missing the largest error of ";
inline constexpr std::string_view SummaryMissedEnd = ": ";
inline constexpr std::string_view Percent = "%";

// The report, one row per reaction.
inline constexpr std::string_view ReportHeader =
    "index,equation,kind,outcome,A,n,Ea,Arev,nrev,Earev,S,max error %,T of max error (K),"
    "range low (K),range high (K)";
inline constexpr std::string_view ReportTermsColumn = ",laws";
inline constexpr std::string_view KindNames[] = {"elementary",           "third-body", "falloff",
                                                 "chemically activated", "PLOG",       "other"};
inline constexpr std::string_view OutcomeNames[] = {"reversed", "pair", "irreversible",
                                                    "not reversed"};

inline constexpr std::string_view FileNotCreated =
    "The reversed mechanism file could not be created: ";
inline constexpr std::string_view NothingToReverse =
    "The reaction list is empty, so there is nothing to reverse and no file was written. Load "
    "the mechanism again.";
inline constexpr std::string_view FileNotWritten =
    "The reversed mechanism file could not be written completely: ";

// Reverse All.
inline constexpr std::string_view ReverseAllQuestion = "This procedure may last a long time!";
inline constexpr std::string_view ContinueAnyway = "Continue anyway?";
inline constexpr std::string_view RemainingTimeStart = "Estimated remaining time: ";
inline constexpr std::string_view Minutes = "min";
inline constexpr std::string_view Seconds = "s";

// Reverse Selected.
inline constexpr std::string_view ReverseSelectedQuestion =
    "This procedure may last some minutes, ";
inline constexpr std::string_view ReverseSelectedDepends =
    "depending on the number of reactions you have selected.";
inline constexpr std::string_view BePatient = "Please, be patient...";
inline constexpr std::string_view InProgress = "Operation in progress...";
inline constexpr std::string_view JobDoneProgress = "Job Done...";
inline constexpr std::string_view SelectMore = "You need to select more than 1 reaction";
inline constexpr std::string_view ToUseButton = "to use this button";

// The checks before a reversal or a batch, which both faces make through batch/RunChecks.h.
inline constexpr std::string_view ImportDatabaseFirst =
    "Warning!!! Import Thermodynamic Database first before executing this operation!";
inline constexpr std::string_view ImportMechanismFirst =
    "Warning!!! Import a Mechanism first before executing this operation!";
/// After it, when a mechanism was loaded without any reaction: " ... from FILE."
inline constexpr std::string_view NoReactionReadFrom = " No reaction line was read from ";
inline constexpr std::string_view EnterPointsNumber =
    "Warning!!! General Settings, Number of points: enter a number between 3 and 10000 "
    "before executing this operation!";
inline constexpr std::string_view SelectReactionFirst =
    "Select a reaction first: click it in the list of reactions of the Mechanism tab.";

} // namespace zorbel::texts
