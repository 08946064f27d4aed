#include "thermo/HeaderColumns.h"

#include "text/NumberText.h"
#include "text/StringOps.h"
#include "thermo/ThermoTexts.h"

#include <string_view>
#include <unordered_set>

namespace zorbel {

namespace {

struct Columns {
    std::size_t start, width;
};
constexpr Columns lowColumns{45, 10};
constexpr Columns highColumns{55, 10};
constexpr Columns commonColumns{65, 8};
constexpr std::string_view thermoKeyword = "THERMO";

std::string_view trimmedField(std::string_view line, Columns columns) {
    if (columns.start >= line.size())
        return {};
    return trimmed(line.substr(columns.start, columns.width));
}

/// The plain number form of a field, or nothing when it holds no one number.
std::optional<std::string> fieldNumber(std::string_view text) {
    if (!isWholeNumberText(text))
        return std::nullopt;
    return plainNumber(readLeadingNumber(text));
}

/// The middle temperature of the line after THERMO: the common temperature of a record
/// that leaves its own blank. Only comment lines may stand before THERMO.
std::optional<std::string> defaultCommon(const std::vector<std::string>& fileLines) {
    for (std::size_t i = 0; i < fileLines.size(); ++i) {
        const std::vector<Word> words = wordsOf(fileLines[i]);
        if (words.empty() || words.front().text.starts_with('!'))
            continue;
        const std::size_t limitsLine = i + 1;
        if (toUpperAscii(words.front().text) != thermoKeyword || limitsLine == fileLines.size())
            return std::nullopt;
        const std::vector<Word> limits = wordsOf(fileLines[limitsLine]);
        if (limits.size() < 3)
            return std::nullopt;
        return fieldNumber(limits[1].text);
    }
    return std::nullopt;
}

} // namespace

bool isPossibleRange(const HeaderTemperatures& t) {
    const double low = readLeadingNumber(t.TLow);
    const double high = readLeadingNumber(t.THigh);
    const double common = readLeadingNumber(t.TCommon);
    return t.numbers && low < high && low <= common && common <= high;
}

namespace {

/// The low and high temperatures of the fixed columns with the given common temperature,
/// when they are numbers and make a possible range.
std::optional<HeaderTemperatures> columnsWithCommon(std::string_view line,
                                                    const std::optional<std::string>& common) {
    const std::optional<std::string> low = fieldNumber(trimmedField(line, lowColumns));
    const std::optional<std::string> high = fieldNumber(trimmedField(line, highColumns));
    if (!low || !high || !common)
        return std::nullopt;
    HeaderTemperatures t{*low, *high, *common, true};
    if (!isPossibleRange(t))
        return std::nullopt;
    return t;
}

/// The columns with the file's default common temperature: what is left of a header whose
/// common temperature is no temperature at all (a molecular weight, 12.011, in its place).
std::optional<HeaderTemperatures> withDefaultCommon(const std::vector<std::string>& fileLines,
                                                    std::size_t header) {
    return columnsWithCommon(fileLines[header], defaultCommon(fileLines));
}

} // namespace

std::optional<HeaderTemperatures> columnTemperatures(const std::vector<std::string>& fileLines,
                                                     std::size_t header) {
    const std::string_view line = fileLines[header];
    const std::string_view commonText = trimmedField(line, commonColumns);
    return columnsWithCommon(line, commonText.empty() ? defaultCommon(fileLines)
                                                      : fieldNumber(commonText));
}

std::string columnFieldsText(std::string_view header) {
    std::string text;
    for (const Columns columns : {lowColumns, highColumns, commonColumns})
        text.append(" ").append(trimmedField(header, columns));
    return text;
}

RecordTemperatures recordTemperatures(const std::vector<std::string>& fileLines,
                                      std::size_t header) {
    RecordTemperatures read;
    read.rule = headerTemperatures(fileLines[header]);
    read.temperatures = read.rule;
    if (isPossibleRange(read.rule))
        return read;
    if (std::optional<HeaderTemperatures> columns = columnTemperatures(fileLines, header)) {
        read.temperatures = std::move(*columns);
        read.fromColumns = true;
    } else if (std::optional<HeaderTemperatures> common = withDefaultCommon(fileLines, header)) {
        read.temperatures = std::move(*common);
        read.fromColumns = true;
        read.defaultCommon = true;
    }
    return read;
}

std::vector<ColumnsRead> headersReadFromColumns(const std::vector<std::string>& fileLines) {
    std::vector<ColumnsRead> records;
    std::unordered_set<std::string> seen;
    // The first line is never a record, as the loader reads the file.
    for (std::size_t i = 1; i < fileLines.size(); ++i) {
        std::string name = recordToken(fileLines[i]);
        if (!startsRecord(fileLines[i]) || name.empty() || !seen.insert(name).second)
            continue;
        RecordTemperatures read = recordTemperatures(fileLines, i);
        if (read.fromColumns || !isPossibleRange(read.temperatures))
            records.push_back({std::move(name), i + 1, std::move(read)});
    }
    return records;
}

std::string columnsReadList(const std::vector<ColumnsRead>& records, std::string_view newLine) {
    std::string list;
    for (const ColumnsRead& record : records) {
        const HeaderTemperatures& t = record.read.temperatures;
        const HeaderTemperatures& rule = record.read.rule;
        list.append(newLine)
            .append(texts::LineWord)
            .append(std::to_string(record.line))
            .append(texts::ColumnsReadName)
            .append(record.name)
            .append(texts::ColumnsReadColon)
            .append(t.TLow + t.THigh + t.TCommon);
        if (!record.read.fromColumns) {
            list.append(texts::RangeStaysImpossible);
            continue;
        }
        list.append(texts::ColumnsReadNot)
            .append(rule.TLow + rule.THigh + rule.TCommon)
            .append(record.read.defaultCommon ? texts::DefaultCommonUsed : std::string_view())
            .append(texts::ColumnsReadEnd);
    }
    return list;
}

} // namespace zorbel
