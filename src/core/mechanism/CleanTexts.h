#pragma once
// The texts of the mechanism cleaner and of its command. Each text stands here once.

#include "text/ChemkinKeywords.h"

#include <string_view>

namespace zorbel::texts {

// Keywords read in a published mechanism, compared in capitals. A section keyword may be
// shortened to its first four letters.
inline constexpr std::string_view SpeciesKeywordStart = "SPEC";
inline constexpr std::string_view ReactionsKeywordStart = "REAC";

// Units the REACTIONS line may name.
inline constexpr std::string_view CalPerMole = "CAL/MOLE";
inline constexpr std::string_view KcalPerMole = "KCAL/MOLE";
inline constexpr std::string_view JoulesPerMole = "JOULES/MOLE";
inline constexpr std::string_view KjoulesPerMole = "KJOULES/MOLE";
inline constexpr std::string_view Kelvins = "KELVINS";
inline constexpr std::string_view Evolts = "EVOLTS";
inline constexpr std::string_view Moles = "MOLES";
inline constexpr std::string_view Molecules = "MOLECULES";

// Lines the cleaner writes.
inline constexpr std::string_view CommentMark = "!";
inline constexpr std::string_view EaConvertedStart = "! Ea converted from ";
inline constexpr std::string_view EaConvertedEnd =
    " to cal/mol by zorbel-cli clean, on the reaction lines and on their LOW/, HIGH/, "
    "REV/ and PLOG/ lines";
inline constexpr std::string_view AConvertedLine =
    "! A converted from MOLECULES to MOLES (times the Avogadro constant to the power of the "
    "reaction order minus one) by zorbel-cli clean, on the reaction lines and on their LOW/, "
    "HIGH/, REV/ and PLOG/ lines";
inline constexpr std::string_view NotCleanedStart = "!Not cleaned, ";
inline constexpr std::string_view NotCleanedMiddle = ": ";
/// "=>" inside a comment, written so that the loader does not take the comment for a
/// reaction (it lists every line holding "=>").
inline constexpr std::string_view ArrowInComment = "= >";

// Why a reaction was left as a comment.
inline constexpr std::string_view FactorTooLarge = "a stoichiometric factor too large to spell out";
inline constexpr std::string_view FactorNotWhole =
    "a stoichiometric factor that is not a whole number";
inline constexpr std::string_view EquationUnreadable = "the equation could not be read";
inline constexpr std::string_view CoefficientsUnreadable =
    "A, n and Ea could not be read after the equation";
inline constexpr std::string_view AuxiliaryUnreadableStart = "its ";
inline constexpr std::string_view AuxiliaryUnreadableEnd =
    "/ line could not be read for the unit conversion";

// Refusals, each after the file's name and this.
inline constexpr std::string_view FileBeforeRefusal = ": ";
inline constexpr std::string_view NoReactionsSection =
    "The file has no REACTIONS line, so it holds no reaction to clean.";
inline constexpr std::string_view UnknownUnit =
    "The REACTIONS line names units that cannot be converted: ";
inline constexpr std::string_view TwoUnits =
    "The REACTIONS line names two units for the same quantity: ";

// The command.
inline constexpr std::string_view CleanCommandHelp =
    "Rewrite a published mechanism in the layout the loader reads: exact REACTIONS line, "
    "equations without blanks, single blanks before A, n and Ea, Ea in cal/mol";
inline constexpr std::string_view CleanInputHelp = "The mechanism as published";
inline constexpr std::string_view CleanOutputHelp = "The cleaned mechanism to write";
inline constexpr std::string_view CleanOutputUnwritable =
    "The cleaned mechanism could not be written: ";
inline constexpr std::string_view CommentedOutLineStart = "Line ";
inline constexpr std::string_view CommentedOutLineMiddle = " commented out: ";
inline constexpr std::string_view SummaryWritten = " reactions written, ";
inline constexpr std::string_view SummaryConverted = " converted, ";
inline constexpr std::string_view SummaryCommentedOut = " commented out";

// Cleaning on load.
/// NAME-clean.inp beside the file NAME.ext.
inline constexpr std::string_view CleanFileEnding = "-clean.inp";
inline constexpr std::string_view CleanQuestionStart =
    "This mechanism is not in the layout Zorbel reads. Clean it into ";
inline constexpr std::string_view CleanQuestionEnd = " beside it and load that?";
inline constexpr std::string_view ReplaceCleanFileEnd =
    " already exists beside it. Replace it with a new clean copy? No loads it as it stands.";
inline constexpr std::string_view CleanFileExists =
    "The clean file already exists and was left as it was: ";
inline constexpr std::string_view CleanedInto = "Cleaned into ";
inline constexpr std::string_view CleanedColon = ": ";
/// Between the counts of the summary, after SummaryWritten.
inline constexpr std::string_view CountBlanks = " equations without their blanks or tabs, ";
inline constexpr std::string_view CountArrows = " \"=\" written \"<=>\", ";
inline constexpr std::string_view CountFactors = " with factors such as 2OH spelled out, ";
inline constexpr std::string_view CountSpacing = " with single blanks before A, n and Ea, ";

// Why a mechanism is not in the layout, in a warning.
inline constexpr std::string_view LayoutReactionsLine =
    "the REACTIONS line carries units, lower case or blanks";
inline constexpr std::string_view LayoutBlanks = "an equation holds blanks or tabs";
inline constexpr std::string_view LayoutPlainArrow = "an equation has \"=\" as its only arrow";
inline constexpr std::string_view LayoutFactor = "an equation has a factor such as 2OH";
inline constexpr std::string_view LayoutSpacing =
    "the equation, A, n and Ea are not separated by single blanks";

// The findings of a check of the mechanism.
inline constexpr std::string_view CheckDuplicateStart = "the same reaction as line ";
inline constexpr std::string_view CheckDuplicateEnd = ", and not both are marked DUPLICATE";
inline constexpr std::string_view CheckMissingStart = "species ";
inline constexpr std::string_view CheckMissingEnd = " is not in the database";
inline constexpr std::string_view CheckBalanceStart = "the elements do not balance: ";
inline constexpr std::string_view CheckBalanceArrow = " -> ";

} // namespace zorbel::texts
