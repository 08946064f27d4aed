#include "thermo/ThermoDatabase.h"
#include "text/StringOps.h"

#include "app/TextFiles.h"
#include "thermo/SpeciesRecord.h"
#include "thermo/ThermoTexts.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zorbel {

std::optional<std::vector<std::string>> readDatabaseLines(const std::string& path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    return readLines(path);
}

std::vector<std::string> listSpeciesNames(const std::vector<std::string>& fileLines) {
    std::vector<std::string> names;
    for (std::size_t i = 1; i < fileLines.size(); ++i) {
        const std::string& line = fileLines[i];
        if (line.empty())
            continue;
        const char first = line.front();
        const bool letter = (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z');
        if (!letter ||
            (line.size() == texts::EndLine.size() && toUpperAscii(line) == texts::EndLine))
            continue;
        // A word alone on its line (a THERMO keyword after comment lines, a stray word)
        // names no species: listing it would add an empty entry to the list and count.
        std::string name = recordToken(line);
        if (!name.empty())
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

} // namespace zorbel
