#include "thermo/SpeciesRecord.h"

#include "text/StringOps.h"

#include "text/NumberText.h"
#include "thermo/HeaderColumns.h"
#include "thermo/ThermoTexts.h"

#include <algorithm>
#include <cmath>

namespace zorbel {

namespace {

constexpr std::size_t fieldWidth = 15;
constexpr std::size_t coefficientLines = 3;
/// Fields used on each coefficient line: five, five, then four.
constexpr std::size_t fieldsOnLine[coefficientLines] = {5, 5, 4};
constexpr char bar = '|';

bool isCommentLine(std::string_view line) {
    return line.starts_with('!') || line.starts_with(" !");
}

/// Replaces every run of `width` blanks by one blank, left to right, without looking
/// again at what it has just written.
std::string collapseBlankRuns(const std::string& text, std::size_t width) {
    const std::string run(width, ' ');
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t found = text.find(run); found != std::string::npos;
         found = text.find(run, start)) {
        result.append(text, start, found - start);
        result += ' ';
        start = found + width;
    }
    result.append(text, start, std::string::npos);
    return result;
}

void dropLast(std::string& text, std::size_t count) {
    text.erase(text.size() - std::min(count, text.size()));
}

/// The number after the last bar, in plain number form; the bar and what follows it are
/// removed from the text.
std::string takeLastTemperature(std::string& text, bool& number) {
    const std::size_t last = text.rfind(bar);
    const std::size_t start = last == std::string::npos ? 0 : last + 1;
    const std::string_view word = std::string_view(text).substr(start);
    number = number && isWholeNumberText(word);
    std::string shown = plainNumber(readLeadingNumber(word));
    text.erase(last == std::string::npos ? 0 : last);
    return shown;
}

/// The characters of columns 15k+1 to 15k+15 without their blanks.
std::string field(std::string_view line, std::size_t k) {
    const std::size_t start = k * fieldWidth;
    std::string result;
    if (start >= line.size())
        return result;
    for (char c : line.substr(start, fieldWidth)) {
        if (c != ' ')
            result += c;
    }
    return result;
}

/// The fault of a coefficient field (blanks removed), or nothing for a finite number.
std::optional<RecordFault::Kind> fieldFault(std::string_view fieldText) {
    if (!isWholeNumberText(fieldText))
        return RecordFault::Kind::NotANumber;
    if (!std::isfinite(readLeadingNumber(fieldText)))
        return RecordFault::Kind::TooLarge;
    return std::nullopt;
}

/// Reads the coefficient lines after the header into `texts` (when given), stopping at
/// the first fault, which it returns.
std::optional<RecordFault> readCoefficients(const std::vector<std::string>& fileLines,
                                            std::size_t header,
                                            std::array<std::string, 14>* texts) {
    std::size_t next = header + 1;
    std::size_t box = 0;
    for (std::size_t fields : fieldsOnLine) {
        while (next < fileLines.size() && isCommentLine(fileLines[next]))
            ++next;
        if (next >= fileLines.size() || startsRecord(fileLines[next])) {
            RecordFault fault;
            fault.line = next < fileLines.size() ? next + 1 : 0;
            fault.coefficient = box;
            return fault;
        }
        const std::string line = toUpperAscii(fileLines[next++]);
        for (std::size_t k = 0; k < fields; ++k, ++box) {
            std::string fieldText = field(line, k);
            if (std::optional<RecordFault::Kind> kind = fieldFault(fieldText))
                return RecordFault{*kind, next, box, std::move(fieldText)};
            if (texts != nullptr)
                (*texts)[box] = coefficientText(fieldText);
        }
    }
    return std::nullopt;
}

/// Columns of a coefficient's field on its line, "16-30".
std::string columnsOf(std::size_t coefficient) {
    std::size_t k = coefficient;
    for (std::size_t fields : fieldsOnLine) {
        if (k < fields)
            break;
        k -= fields;
    }
    return std::to_string(k * fieldWidth + 1) + "-" + std::to_string((k + 1) * fieldWidth);
}

} // namespace

bool startsRecord(std::string_view line) {
    return !line.empty() && isAsciiLetter(line.front());
}

std::string recordFaultReason(const RecordFault& fault) {
    if (fault.kind == RecordFault::Kind::Overflows)
        return std::string(texts::PolynomialsOverflowAt) + fault.field + std::string(texts::Kelvin);
    if (fault.kind == RecordFault::Kind::MissingLine) {
        if (fault.line == 0)
            return std::string(texts::FileEndsInRecord);
        return std::string(texts::LineWord) + std::to_string(fault.line) +
               std::string(texts::LineStartsRecord);
    }
    std::string reason = std::string(texts::LineWord) + std::to_string(fault.line) + ", " +
                         std::string(texts::CoefficientNames[fault.coefficient]) +
                         std::string(texts::FieldColumnsStart) + columnsOf(fault.coefficient) +
                         std::string(texts::FieldColumnsEnd);
    if (fault.field.empty())
        return reason + std::string(texts::FieldBlank);
    return reason +
           std::string(fault.kind == RecordFault::Kind::TooLarge ? texts::FieldTooLarge
                                                                 : texts::FieldNotANumber) +
           fault.field + std::string(texts::FieldEnd);
}

RecordFault overflowFault(std::size_t headerLine, double temperature) {
    return {RecordFault::Kind::Overflows, headerLine, 0,
            generalNumber(std::round(temperature * 10.0) / 10.0)};
}

std::string recordRefusal(std::string_view name, const SpeciesRecord& record, std::string_view file,
                          bool sentence) {
    std::string text(sentence ? texts::RecordRefusedStart : texts::RecordClauseStart);
    text.append(name)
        .append(texts::RecordAtLine)
        .append(std::to_string(record.headerLine))
        .append(texts::RecordOf)
        .append(file)
        .append(texts::RecordUnusable);
    if (record.fault)
        text += recordFaultReason(*record.fault);
    return text;
}

bool isUsableRecord(const std::vector<std::string>& fileLines, std::size_t header) {
    return header < fileLines.size() && !readCoefficients(fileLines, header, nullptr);
}

std::string recordToken(std::string_view line) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
        return {};
    return toUpperAscii(line.substr(0, blank));
}

HeaderTemperatures headerTemperatures(std::string_view header) {
    std::string h = toUpperAscii(header);
    for (std::size_t width = 16; width >= 2; --width)
        h = collapseBlankRuns(h, width);
    std::replace(h.begin(), h.end(), ' ', bar);
    if (h.ends_with(bar))
        h.pop_back();
    // The card number goes, and with it what the old reader took away before it: the
    // last two characters of the common temperature when they end in 0, the last one
    // otherwise. "1000.000|1" becomes "1000.0".
    if (h.ends_with("0|1")) {
        dropLast(h, 4);
    } else if (h.ends_with("|1")) {
        dropLast(h, 3);
    } else {
        for (char d = '0'; d <= '9'; ++d) {
            const char ending[] = {bar, d, '1', '\0'};
            if (h.ends_with(ending)) {
                dropLast(h, 4);
                break;
            }
        }
    }
    HeaderTemperatures t;
    t.TCommon = takeLastTemperature(h, t.numbers);
    t.THigh = takeLastTemperature(h, t.numbers);
    t.TLow = takeLastTemperature(h, t.numbers);
    return t;
}

std::string coefficientText(std::string_view fieldText) {
    if (!isWholeNumberText(fieldText))
        return std::string(fieldText);
    const double value = readLeadingNumber(fieldText);
    // A field beyond the range of a double is not a number the box can show.
    if (!std::isfinite(value))
        return std::string(fieldText);
    return formatNumber(value, texts::CoefficientPattern);
}

std::optional<SpeciesRecord> readRecordAt(const std::vector<std::string>& fileLines,
                                          std::size_t header) {
    if (header >= fileLines.size())
        return std::nullopt;
    SpeciesRecord record;
    HeaderTemperatures t = recordTemperatures(fileLines, header).temperatures;
    record.TLow = std::move(t.TLow);
    record.THigh = std::move(t.THigh);
    record.TCommon = std::move(t.TCommon);
    record.headerLine = header + 1;
    record.fault = readCoefficients(fileLines, header, &record.coefficientTexts);
    return record;
}

std::optional<SpeciesRecord> findSpeciesRecord(const std::vector<std::string>& fileLines,
                                               std::string_view name) {
    if (name.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < fileLines.size(); ++i) {
        const std::string_view line = fileLines[i];
        // Cheap test first: the token is as long as the name and ends at a blank.
        if (line.size() <= name.size() || line[name.size()] != ' ')
            continue;
        if (recordToken(line) == name)
            return readRecordAt(fileLines, i);
    }
    return std::nullopt;
}

RangeTexts rangeTexts(const SpeciesRecord& record) {
    // Built by appending: each value keeps its own leading blank.
    RangeTexts labels;
    labels.temperatures.append(record.TLow)
        .append(texts::RangeGap)
        .append(record.THigh)
        .append(texts::RangeGap)
        .append(record.TCommon);
    labels.highRange.append(record.TCommon).append(texts::HighRangeJoin).append(record.THigh);
    labels.lowRange.append(record.TLow).append(texts::LowRangeJoin).append(record.TCommon);
    return labels;
}

} // namespace zorbel
