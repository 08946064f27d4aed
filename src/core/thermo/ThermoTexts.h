#pragma once
// The texts of the thermodynamic-database tab that the program shows or relies on.
// Each stands here once; the window's captions are in app/AppTexts.h.

#include "text/ChemkinKeywords.h"
#include "text/NumberPatterns.h"

#include <string_view>

namespace zorbel::texts {

// The database file dialog.

// The line that closes a database; exactly these three letters, nothing after them.
inline constexpr std::string_view EndLine = EndKeyword;

// A temperature outside the species' range.
inline constexpr std::string_view OutOfRange = "xxx";

// The range captions, between the temperatures they join.
inline constexpr std::string_view RangeGap = "   ";
inline constexpr std::string_view HighRangeJoin = "  <= T (high) < ";
inline constexpr std::string_view LowRangeJoin = " < T (Low) <= ";

// The coefficients by their place in a record: upper range first, as the boxes hold them.
inline constexpr std::string_view CoefficientNames[] = {
    "upper a1", "upper a2", "upper a3", "upper a4", "upper a5", "upper a6", "upper a7",
    "lower a1", "lower a2", "lower a3", "lower a4", "lower a5", "lower a6", "lower a7"};

// What could not be read, named before " could not be read: ".
inline constexpr std::string_view TheDatabase = "The thermodynamic database";
inline constexpr std::string_view TheSpeciesRecord = "The record of this species";

// A file, or a species record, that cannot be computed with.
inline constexpr std::string_view NoSpeciesRecordStart = "The file ";
inline constexpr std::string_view NoSpeciesRecordEnd =
    " holds no species record: a header line followed by three lines of coefficients.";
/// Starts the refusal of a record shown in the species panel.
inline constexpr std::string_view RecordRefusedStart = "The record of species ";
/// Starts the same refusal inside a reversal's message or comment line.
inline constexpr std::string_view RecordClauseStart = "the record of species ";
inline constexpr std::string_view RecordAtLine = " (line ";
inline constexpr std::string_view RecordOf = " of ";
inline constexpr std::string_view RecordUnusable = ") cannot be used: ";
inline constexpr std::string_view FileEndsInRecord =
    "the file ends before its three coefficient lines";
inline constexpr std::string_view LineWord = "line ";
inline constexpr std::string_view LineStartsRecord =
    " starts another record where a coefficient line belongs";
inline constexpr std::string_view FieldColumnsStart = " (columns ";
inline constexpr std::string_view FieldColumnsEnd = "), ";
inline constexpr std::string_view FieldBlank = "is blank";
inline constexpr std::string_view FieldNotANumber = "is not a number: \"";
inline constexpr std::string_view FieldTooLarge = "is too large to compute with: \"";
inline constexpr std::string_view FieldEnd = "\"";
// A temperature's unit, after its number.
inline constexpr std::string_view Kelvin = " K";
inline constexpr std::string_view PolynomialsOverflowAt =
    "its polynomials give no finite enthalpy or entropy at ";

// The records whose temperatures come from the fixed columns of their header, after a load.
inline constexpr std::string_view ColumnsReadStart =
    "These headers read word by word give an impossible temperature range, so their "
    "temperatures (low, high, common) were read from columns 46 to 73:";
inline constexpr std::string_view ColumnsReadName = ", ";
inline constexpr std::string_view ColumnsReadColon = ":";
inline constexpr std::string_view ColumnsReadNot = " (read word by word:";
inline constexpr std::string_view ColumnsReadEnd = ")";
inline constexpr std::string_view DefaultCommonUsed =
    "; the columns' common temperature is impossible too, so the file's default, from the "
    "line after THERMO, is used";
inline constexpr std::string_view RangeStaysImpossible =
    " (an impossible range however read: the low end must lie below the high end, the "
    "common temperature between them; no reaction with this species can be reversed)";

// The findings of a check of the database.
inline constexpr std::string_view CheckHeaderStart = "the header read word by word gives";
inline constexpr std::string_view CheckHeaderMiddle = ", its columns 46 to 73 give";
inline constexpr std::string_view CheckHeaderImpossible =
    "the header gives an impossible temperature range, in its words and in its columns 46 to "
    "73:";
inline constexpr std::string_view CheckDefaultCommonStart =
    "; the file's default common temperature, from the line after THERMO, gives";
inline constexpr std::string_view CheckJumpStart =
    "the two polynomials differ by more than 0.1 % in ";
inline constexpr std::string_view CheckJumpEnd = " at the common temperature";
inline constexpr std::string_view CheckCp = "Cp/R";
inline constexpr std::string_view CheckH = "H/RT";
inline constexpr std::string_view CheckS = "S/R";
inline constexpr std::string_view CheckDefinedAgain = " is defined again (first at line ";
inline constexpr std::string_view CheckFirstUsed = "); the first is used";

} // namespace zorbel::texts
