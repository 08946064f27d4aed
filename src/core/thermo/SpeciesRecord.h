#pragma once
// One species' record of a CHEMKIN thermodynamic database, read as the window shows it:
// the three temperatures of its header and its 14 coefficients, as texts.
//
// A record is four lines: the header (name up to the first blank, then words the
// program does not read, then the low, high and common temperatures and the card
// number 1), and three lines of coefficients in fields of 15 columns. Comment lines
// ("!" or " !") may stand between the header and the coefficient lines.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

/// Why a record cannot be computed with. Reading a blank or a word as 0 would give a
/// species wrong properties, and every reaction with it a wrong reverse law.
struct RecordFault {
    enum class Kind {
        MissingLine, ///< another record, or the end of the file, comes before line 4
        NotANumber,  ///< a coefficient field is blank or not one number
        TooLarge,    ///< a coefficient lies beyond the range of doubles
        Overflows,   ///< within its range, the polynomials give no finite H/RT or S/R
    };
    Kind kind = Kind::MissingLine;
    /// 1-based line at fault: the line that starts another record, the coefficient's
    /// line; 0 when the file ends first.
    std::size_t line = 0;
    /// The coefficient at fault, 0 to 13 as in coefficientTexts.
    std::size_t coefficient = 0;
    /// Its field, blanks removed; for Overflows, the temperature [K] where they first do.
    std::string field;
};

struct SpeciesRecord {
    /// The header's temperatures [K] in plain number form (300 K is " 300").
    std::string TLow, THigh, TCommon;
    /// Upper-range a1 to a7, then lower-range a1 to a7, as the coefficient boxes show
    /// them: "0.00000000E+00" for a number, the field unchanged otherwise.
    std::array<std::string, 14> coefficientTexts;
    /// 1-based line of the header.
    std::size_t headerLine = 0;
    /// Set when the record is not whole or a coefficient is not a finite number: the
    /// record is then shown and computed with nowhere.
    std::optional<RecordFault> fault;
};

/// The first record whose header token equals the name, the file's lines upper-cased as
/// they are examined; nothing when no header carries the name.
std::optional<SpeciesRecord> findSpeciesRecord(const std::vector<std::string>& fileLines,
                                               std::string_view name);

/// The record whose header is fileLines[header]; nothing when there is no such line. Its
/// temperatures are the header rule's, or the fixed columns' where the rule's are
/// impossible (see HeaderColumns.h).
std::optional<SpeciesRecord> readRecordAt(const std::vector<std::string>& fileLines,
                                          std::size_t header);

/// True when the record whose header is fileLines[header] is whole and its 14
/// coefficients are finite numbers; cheaper than readRecordAt.
bool isUsableRecord(const std::vector<std::string>& fileLines, std::size_t header);

/// Why the record cannot be used, in words: "line 14, upper a2 (columns 16-30), is not
/// a number: "ABC"".  The file and the species are the caller's to name.
std::string recordFaultReason(const RecordFault& fault);

/// The fault of a record whose polynomials give no finite H/RT or S/R at a temperature
/// [K] within its range, the temperature written to a tenth of a kelvin.
RecordFault overflowFault(std::size_t headerLine, double temperature);

/// "the record of species H2 (line 12 of FILE) cannot be used: " and the reason, for a
/// record with a fault; `sentence` starts it with a capital, as a message of its own.
std::string recordRefusal(std::string_view name, const SpeciesRecord& record, std::string_view file,
                          bool sentence);

/// The word a line offers as a species name: the upper-cased line up to its first blank.
/// Empty when the line starts with a blank or holds none, so "END" and a lone "THERMO"
/// offer nothing.
std::string recordToken(std::string_view line);

/// True when the line starts with a letter, as a species record's header does: such a
/// line can be no coefficient line of the record before it, and reading on would take the
/// next record's text.
bool startsRecord(std::string_view line);

struct HeaderTemperatures {
    std::string TLow, THigh, TCommon; ///< [K], plain number form
    /// False when one of the three words read holds more than a number ("11!RE-FIT").
    bool numbers = true;
};

/// Reads the three temperatures at the end of a header line. Runs of blanks are
/// collapsed and the card number 1 is cut off together with the trailing zeros of the
/// common temperature, the way the old files were read ("1000.000    1" gives 1000).
HeaderTemperatures headerTemperatures(std::string_view header);

/// A coefficient field (blanks already removed) as its box shows it.
std::string coefficientText(std::string_view field);

/// A record's ranges in words: its three temperatures, then its high and its low range.
struct RangeTexts {
    std::string temperatures, highRange, lowRange;
};
RangeTexts rangeTexts(const SpeciesRecord& record);

} // namespace zorbel
