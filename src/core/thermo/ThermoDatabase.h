#pragma once
// Reading a thermodynamic database file: its lines, and the species names it lists.

#include <optional>
#include <string>
#include <vector>

namespace zorbel {

/// The lines of a database file, or nothing when it is missing, unreadable, or not a
/// regular file (a folder, a device or a pipe, which would read nothing or never end).
std::optional<std::vector<std::string>> readDatabaseLines(const std::string& path);

/// The species names a database lists, sorted (byte order) and each once: after the
/// first line, which is never read, every line that starts with a letter A to Z once
/// upper-cased and is not exactly END names a species, by the characters before its
/// first blank (nothing, for a line without a blank).
std::vector<std::string> listSpeciesNames(const std::vector<std::string>& fileLines);

/// True when some line the loader takes for a species header (see listSpeciesNames)
/// starts a usable record: a file without one is no database, whatever names its
/// lines offer (a mechanism would list its reaction lines as species).
bool holdsSpeciesRecord(const std::vector<std::string>& fileLines);

} // namespace zorbel
