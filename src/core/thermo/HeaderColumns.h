#pragma once
// The temperatures of a species header read from the fixed columns every CHEMKIN-format
// database follows (low 46-55, high 56-65, common 66-73), for the headers that the
// blank-separated reading of SpeciesRecord.h gets wrong: text after the card number
// ("1374.000    11!RE-FIT"), a common temperature written "1000" whose zeros the card
// number takes away, a blank common temperature. The blank-separated reading stands
// wherever it gives a possible range, so that files read right before read the same.

#include "thermo/SpeciesRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {

/// True when the three temperatures are numbers with TLow < THigh and TCommon within
/// [TLow, THigh].
bool isPossibleRange(const HeaderTemperatures& t);

/// The fixed columns of fileLines[header], when they hold a possible range. A blank common
/// temperature takes the file's default, the middle one of the three on the line after
/// THERMO.
std::optional<HeaderTemperatures> columnTemperatures(const std::vector<std::string>& fileLines,
                                                     std::size_t header);

/// The three fields of the fixed columns as written, each after one blank, for messages.
std::string columnFieldsText(std::string_view header);

struct RecordTemperatures {
    /// What the record is computed with.
    HeaderTemperatures temperatures;
    /// The blank-separated reading, kept to tell the user what was read instead.
    HeaderTemperatures rule;
    bool fromColumns = false;
    /// The columns' common temperature is impossible too: the file's default, the middle
    /// one of the line after THERMO, stands for it.
    bool defaultCommon = false;
};

RecordTemperatures recordTemperatures(const std::vector<std::string>& fileLines,
                                      std::size_t header);

/// A record whose temperatures come from its columns.
struct ColumnsRead {
    std::string name;
    std::size_t line = 0; ///< 1-based line of the header
    RecordTemperatures read;
};

/// The records a database load lists (the first of each name) whose temperatures come from
/// their columns, or whose range stays impossible however read, in file order.
std::vector<ColumnsRead> headersReadFromColumns(const std::vector<std::string>& fileLines);

/// One line per record: "line 119, CH3O2: 300 5000 1374 (read word by word: 1374 11 309)",
/// and for a default common temperature what the columns hold.
std::string columnsReadList(const std::vector<ColumnsRead>& records, std::string_view newLine);

} // namespace zorbel
