#include "thermo/ThermoDatabase.h"
#include "text/StringOps.h"

#include "files/TextFiles.h"
#include "thermo/HeaderColumns.h"
#include "thermo/SpeciesRecord.h"
#include "thermo/ThermoTexts.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <system_error>

namespace zorbel {

std::optional<std::vector<std::string>> readDatabaseLines(const std::string& path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(filePath(path), error))
        return std::nullopt;
    return readLines(path);
}

namespace {

/// The name a line of the file gives a species, or "" when it starts no record.
std::string headerName(const std::string& line) {
    if (!startsRecord(line) ||
        (line.size() == texts::EndLine.size() && toUpperAscii(line) == texts::EndLine))
        return {};
    // A word alone on its line (a THERMO keyword after comment lines, a stray word)
    // names no species: listing it would add an empty entry to the list and count.
    return recordToken(line);
}

} // namespace

std::vector<std::string> listSpeciesNames(const std::vector<std::string>& fileLines) {
    std::vector<std::string> names;
    for (std::size_t i = 1; i < fileLines.size(); ++i) {
        std::string name = headerName(fileLines[i]);
        if (!name.empty())
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

bool holdsSpeciesRecord(const std::vector<std::string>& fileLines) {
    for (std::size_t i = 1; i < fileLines.size(); ++i) {
        if (!headerName(fileLines[i]).empty() && isUsableRecord(fileLines, i))
            return true;
    }
    return false;
}

namespace {

/// The load's warning about the records whose temperatures come from their columns; empty
/// when there is none.
std::string columnsWarning(const std::vector<std::string>& lines) {
    const std::vector<ColumnsRead> records = headersReadFromColumns(lines);
    if (records.empty())
        return {};
    return std::string(texts::ColumnsReadStart) + columnsReadList(records, "\n");
}

/// The lines of the file, or nothing when they cannot be read (a file too large for memory
/// as well as a missing one).
std::optional<std::vector<std::string>> databaseLines(const std::string& path) {
    try {
        return readDatabaseLines(path);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

DatabaseLoad loadDatabaseFile(const std::string& path) {
    const std::optional<std::vector<std::string>> lines = databaseLines(path);
    if (!lines)
        return {std::nullopt, couldNotBeRead(texts::TheDatabase, path)};
    if (!holdsSpeciesRecord(*lines))
        return {std::nullopt, std::string(texts::NoSpeciesRecordStart) + path +
                                  std::string(texts::NoSpeciesRecordEnd)};
    return {LoadedDatabase{path, listSpeciesNames(*lines), columnsWarning(*lines)}, {}};
}

SpeciesLookup lookUpSpecies(const std::string& thermoPath, const std::string& name) {
    std::optional<SpeciesRecord> record;
    if (std::optional<std::vector<std::string>> lines = readDatabaseLines(thermoPath))
        record = findSpeciesRecord(*lines, name);
    if (!record)
        return {std::nullopt, couldNotBeRead(texts::TheSpeciesRecord, name), false};
    if (record->fault)
        return {std::nullopt, recordRefusal(name, *record, thermoPath, true), true};
    return {std::move(record), {}, true};
}

} // namespace zorbel
