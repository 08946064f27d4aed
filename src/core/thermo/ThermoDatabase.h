#pragma once
// Reading a thermodynamic database file: its lines, and the species names it lists.

#include "thermo/SpeciesRecord.h"

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

/// A database as a load leaves it: its file and its species, sorted; `warning` names the
/// records whose temperatures were read from their columns (empty when none were).
struct LoadedDatabase {
    std::string path;
    std::vector<std::string> species;
    std::string warning;
};

/// Loads a database file, or says why it is none: a file that cannot be read, or holds no
/// species record. Both faces load through here, so that a file gets the same refusal.
struct DatabaseLoad {
    std::optional<LoadedDatabase> loaded;
    std::string refusal;
};
DatabaseLoad loadDatabaseFile(const std::string& path);

/// A species looked up for the panel, in the file as it is now: its record, or why it
/// cannot be shown. `found` tells a record that cannot be computed with (refused in its
/// words) from a record that is gone, or a file that is (the previous species stays shown).
struct SpeciesLookup {
    std::optional<SpeciesRecord> record;
    std::string refusal;
    bool found = false;
};
SpeciesLookup lookUpSpecies(const std::string& thermoPath, const std::string& name);

} // namespace zorbel
