#include "thermo/DatabaseCheck.h"

#include "text/NumberText.h"
#include "text/StringOps.h"
#include "thermo/HeaderColumns.h"
#include "thermo/SpeciesProperties.h"
#include "thermo/ThermoTexts.h"

#include <algorithm>
#include <cmath>

namespace zorbel {

namespace {

constexpr std::size_t elementsStart = 24;
constexpr std::size_t elementFields = 4;
constexpr std::size_t elementWidth = 5;
constexpr std::size_t symbolWidth = 2;
/// The relative difference between the two polynomials at the common temperature that
/// counts as a jump.
constexpr double jumpTolerance = 1e-3;

bool sameTemperatures(const HeaderTemperatures& a, const HeaderTemperatures& b) {
    return readLeadingNumber(a.TLow) == readLeadingNumber(b.TLow) &&
           readLeadingNumber(a.THigh) == readLeadingNumber(b.THigh) &&
           readLeadingNumber(a.TCommon) == readLeadingNumber(b.TCommon);
}

std::string readingsDiffer(const HeaderTemperatures& rule, const HeaderTemperatures& columns) {
    return std::string(texts::CheckHeaderStart) + rule.TLow + rule.THigh + rule.TCommon +
           std::string(texts::CheckHeaderMiddle) + columns.TLow + columns.THigh + columns.TCommon;
}

/// The properties whose two polynomials differ at the common temperature, or "".
std::string jumpsAt(const SpeciesRecord& record) {
    const Polynomials p = polynomialsOf(record);
    std::string jumps;
    const std::pair<Property, std::string_view> properties[] = {
        {Property::Cp, texts::CheckCp}, {Property::H, texts::CheckH}, {Property::S, texts::CheckS}};
    for (const auto& [property, name] : properties) {
        const double upper = propertyValue(p.upper, property, p.tCommon);
        const double lower = propertyValue(p.lower, property, p.tCommon);
        if (std::fabs(upper - lower) > jumpTolerance * std::max(std::fabs(upper), std::fabs(lower)))
            jumps += std::string(jumps.empty() ? "" : ", ") + std::string(name);
    }
    return jumps;
}

/// The first of the range's low end, common temperature and high end where a polynomial
/// gives no finite H/RT or S/R: a reversal over that temperature is refused.
std::optional<double> overflowsAt(const Polynomials& p) {
    for (const double t : {p.tLow, p.tCommon, p.tHigh}) {
        for (const std::array<double, 7>* a : {&p.lower, &p.upper}) {
            if (a == &p.lower ? t > p.tCommon : t < p.tCommon)
                continue;
            for (const Property property : {Property::H, Property::S}) {
                if (!std::isfinite(propertyValue(*a, property, t)))
                    return t;
            }
        }
    }
    return std::nullopt;
}

void checkRecord(const std::vector<std::string>& fileLines, std::size_t header,
                 const std::string& file, DatabaseCheck& check) {
    const RecordTemperatures read = recordTemperatures(fileLines, header);
    const std::optional<HeaderTemperatures> columns = columnTemperatures(fileLines, header);
    const HeaderTemperatures& t = read.temperatures;
    if (columns && !sameTemperatures(read.rule, *columns))
        check.findings.push_back({file, header + 1, readingsDiffer(read.rule, *columns)});
    else if (read.defaultCommon)
        check.findings.push_back(
            {file, header + 1,
             readingsDiffer(read.rule, {}) + columnFieldsText(fileLines[header]) +
                 std::string(texts::CheckDefaultCommonStart) + t.TLow + t.THigh + t.TCommon});
    else if (!isPossibleRange(t))
        check.findings.push_back(
            {file, header + 1,
             std::string(texts::CheckHeaderImpossible) + t.TLow + t.THigh + t.TCommon});
    const std::optional<SpeciesRecord> record = readRecordAt(fileLines, header);
    if (!record || !isPossibleRange(read.temperatures))
        return;
    // A polynomial that overflows jumps too: the overflow is the finding.
    if (const std::optional<double> t = overflowsAt(polynomialsOf(*record))) {
        SpeciesRecord overflowing = *record;
        overflowing.fault = overflowFault(header + 1, *t);
        check.findings.push_back(
            {file, header + 1,
             recordRefusal(recordToken(fileLines[header]), overflowing, file, false)});
        return;
    }
    if (const std::string jumps = jumpsAt(*record); !jumps.empty())
        check.findings.push_back(
            {file, header + 1,
             std::string(texts::CheckJumpStart) + jumps + std::string(texts::CheckJumpEnd)});
}

} // namespace

std::map<std::string, double> headerElements(const std::string& header) {
    std::map<std::string, double> elements;
    for (std::size_t k = 0; k < elementFields; ++k) {
        const std::size_t start = elementsStart + k * elementWidth;
        if (start + elementWidth > header.size())
            break;
        const std::string symbol = toUpperAscii(trimmed(header.substr(start, symbolWidth)));
        const std::string count =
            std::string(trimmed(header.substr(start + symbolWidth, elementWidth - symbolWidth)));
        if (symbol.empty() || !isAsciiLetter(symbol.front()) || !isWholeNumberText(count))
            continue;
        if (const double n = readLeadingNumber(count); n != 0)
            elements[symbol] += n;
    }
    return elements;
}

DatabaseCheck checkDatabase(const std::vector<std::string>& fileLines, const std::string& file) {
    DatabaseCheck check;
    // The first line is never a record, as the loader reads the file.
    for (std::size_t i = 1; i < fileLines.size(); ++i) {
        const std::string name = recordToken(fileLines[i]);
        if (!startsRecord(fileLines[i]) || name.empty())
            continue;
        const std::optional<SpeciesRecord> record = readRecordAt(fileLines, i);
        if (!record || record->fault) {
            // The runs use the first record of a name, whole or not; a later one is no
            // record of its own when it cannot be used either.
            if (record && check.species.count(name) == 0) {
                check.species[name] = {i + 1, headerElements(fileLines[i])};
                check.findings.push_back({file, i + 1, recordRefusal(name, *record, file, false)});
            }
            continue;
        }
        const auto [known, first] = check.species.try_emplace(name);
        if (!first) {
            check.findings.push_back({file, i + 1,
                                      name + std::string(texts::CheckDefinedAgain) +
                                          std::to_string(known->second.line) +
                                          std::string(texts::CheckFirstUsed)});
            continue;
        }
        known->second = {i + 1, headerElements(fileLines[i])};
        checkRecord(fileLines, i, file, check);
    }
    return check;
}

} // namespace zorbel
