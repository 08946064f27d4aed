// A database file as a user might hand it over: the species list, each record, its
// header temperatures and its properties, and the index the reversals look records up
// in, which must find what the line-by-line search finds.

#include "FuzzCheck.h"
#include "files/TextFiles.h"
#include "text/NumberText.h"
#include "text/StringOps.h"
#include "thermo/DatabaseCheck.h"
#include "thermo/HeaderColumns.h"
#include "thermo/SpeciesProperties.h"
#include "thermo/SpeciesRecord.h"
#include "thermo/ThermoDatabase.h"
#include "thermo/ThermoIndex.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace zorbel;

/// Enough records to reach every kind of line the input holds, few enough to keep the
/// runs fast on a large input.
constexpr std::size_t maxRecordsChecked = 64;

bool sameRecord(const SpeciesRecord& a, const SpeciesRecord& b) {
    return a.TLow == b.TLow && a.THigh == b.THigh && a.TCommon == b.TCommon &&
           a.coefficientTexts == b.coefficientTexts;
}

void checkNames(const std::vector<std::string>& names) {
    ZORBEL_FUZZ_CHECK(std::is_sorted(names.begin(), names.end()), "names out of order");
    ZORBEL_FUZZ_CHECK(std::adjacent_find(names.begin(), names.end()) == names.end(),
                      "a name listed twice");
    for (const std::string& name : names) {
        ZORBEL_FUZZ_CHECK(!name.empty(), "an empty name");
        ZORBEL_FUZZ_CHECK(name.find(' ') == std::string::npos, name);
        ZORBEL_FUZZ_CHECK(name.front() >= 'A' && name.front() <= 'Z', name);
        ZORBEL_FUZZ_CHECK(toUpperAscii(name) == name, name);
    }
}

void checkProperties(const SpeciesRecord& record) {
    const Polynomials p = polynomialsOf(record);
    const double temperatures[] = {p.tLow,
                                   p.tHigh,
                                   p.tCommon,
                                   0.5 * (p.tLow + p.tHigh),
                                   std::nextafter(p.tLow, -INFINITY),
                                   std::nextafter(p.tHigh, INFINITY),
                                   298.15,
                                   1e-300,
                                   -1.0};
    for (double t : temperatures) {
        (void)displayProperty(p, Property::Cp, generalNumber(t));
        // The reversal reads S/R and H/RT back without writing texts: what the box shows.
        for (Property property : {Property::H, Property::S}) {
            const std::string typed = generalNumber(t);
            const PropertyDisplay shown = displayProperty(p, property, typed);
            const std::optional<double> back = propertyReadBack(p, property, t);
            const std::optional<double> shownNumber = tryReadLeadingNumber(shown.main);
            if (shownNumber && std::isfinite(*shownNumber)) {
                ZORBEL_FUZZ_CHECK(back && *back == *shownNumber,
                                  "read back differs from \"" + shown.main + "\" at " + typed);
            } else {
                ZORBEL_FUZZ_CHECK(!back,
                                  "read back a number from \"" + shown.main + "\" at " + typed);
            }
        }
    }
    (void)rangeTexts(record);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::vector<std::string> lines = splitLines(fuzz::asText(data, size));
    const std::vector<std::string> names = listSpeciesNames(lines);
    checkNames(names);

    const ThermoIndex index = ThermoIndex::fromLines(lines);
    std::size_t checked = 0;
    for (const std::string& name : names) {
        if (++checked > maxRecordsChecked)
            break;
        const std::optional<SpeciesRecord> record = findSpeciesRecord(lines, name);
        const SpeciesRecord* indexed = index.find(name);
        ZORBEL_FUZZ_CHECK(record.has_value() == (indexed != nullptr), name);
        if (!record)
            continue;
        ZORBEL_FUZZ_CHECK(sameRecord(*record, *indexed), name);
        ZORBEL_FUZZ_CHECK(isUsableRecord(lines, record->headerLine - 1) == !record->fault, name);
        if (record->fault) {
            (void)recordRefusal(name, *record, "fuzz.dat", true);
            continue; // never shown nor computed with
        }
        checkProperties(*record);
    }
    // Names the list never offers: the first line's word, a lower-case name, nothing.
    for (const std::string& name : {std::string(), std::string("THERMO"), std::string("h2o")}) {
        const std::optional<SpeciesRecord> record = findSpeciesRecord(lines, name);
        ZORBEL_FUZZ_CHECK(record.has_value() == (index.find(name) != nullptr), name);
    }
    // Every line read as a header, the way Show species reads the one it finds.
    for (std::size_t i = 0; i < lines.size() && i < maxRecordsChecked; ++i) {
        const HeaderTemperatures t = headerTemperatures(lines[i]);
        for (const std::string* text : {&t.TLow, &t.THigh, &t.TCommon})
            ZORBEL_FUZZ_CHECK(!text->empty(), lines[i]);
        (void)readRecordAt(lines, i);
        // A fallback is taken only for a possible range.
        const RecordTemperatures read = recordTemperatures(lines, i);
        ZORBEL_FUZZ_CHECK(!read.fromColumns || isPossibleRange(read.temperatures), lines[i]);
        ZORBEL_FUZZ_CHECK(!read.defaultCommon || read.fromColumns, lines[i]);
    }
    // The load's list and the check name lines of the file, each once at most.
    if (size <= 65536) {
        (void)columnsReadList(headersReadFromColumns(lines), "\n");
        for (const Finding& finding : checkDatabase(lines, "t.dat").findings)
            ZORBEL_FUZZ_CHECK(finding.line >= 1 && finding.line <= lines.size(), finding.text);
    }
    return 0;
}
