#pragma once
// A database read once and its records found by name, for commands that look up many
// species at many temperatures. Finds the same record as findSpeciesRecord on the
// file's lines; a record is read when it is first asked for, then kept.

#include "thermo/SpeciesRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zorbel {

class ThermoIndex {
public:
    /// Reads the file once; nothing when it cannot be read (see readDatabaseLines).
    static std::optional<ThermoIndex> load(const std::string& path);
    /// An index over lines already read.
    static ThermoIndex fromLines(std::vector<std::string> fileLines);

    /// The record of the name, or null when findSpeciesRecord would find none; a record
    /// with a fault is returned too, for the caller to refuse. The pointer stays valid as
    /// long as the index. Not for use from several threads.
    const SpeciesRecord* find(std::string_view name) const;

private:
    std::vector<std::string> lines_;
    /// Each token's first header line.
    std::unordered_map<std::string, std::size_t> firstHeader_;
    mutable std::unordered_map<std::string, std::optional<SpeciesRecord>> records_;
};

} // namespace zorbel
