#include "thermo/ThermoDatabase.h"
#include "text/StringOps.h"

#include "files/TextFiles.h"
#include "thermo/SpeciesRecord.h"
#include "thermo/ThermoTexts.h"

#include <algorithm>
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

} // namespace zorbel
