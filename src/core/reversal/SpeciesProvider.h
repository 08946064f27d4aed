#pragma once
// What the reversal asks of the database: is a species there, and its S/R and H/RT at
// every grid point as the property boxes give them back (four significant digits).
// Each record is read once per command and each species evaluated once per grid.

#include "thermo/SpeciesProperties.h"
#include "thermo/SpeciesRecord.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace zorbel {

class ThermoIndex;

class SpeciesProvider {
public:
    /// listedNames: the names the window lists, in their sorted order (a name outside
    /// them is not in the database, whatever the file holds); index: the database read
    /// once. Both must outlive the provider.
    SpeciesProvider(const std::vector<std::string>& listedNames, const ThermoIndex* index);

    /// The species' record, or nullptr when the list or the file lacks it. A record with a
    /// fault is returned too: the reversal refuses it by name.
    const SpeciesRecord* find(const std::string& name);

    struct Series {
        std::vector<double> S; ///< S/R at each point
        std::vector<double> H; ///< H/RT at each point
        /// Index of the first point outside the species' limits, or -1 when none is.
        int firstOutside = -1;
    };
    /// What decides a grid: two grids with the same key hold the same temperatures.
    struct GridKey {
        std::string cold;
        std::string hot;
        int points = 0;
        bool reciprocal = true;
        bool operator==(const GridKey&) const = default;
    };

    /// The species' values over the grid, evaluated once per species and grid.
    const Series& series(const std::string& name, const GridKey& key,
                         const std::vector<double>& grid);

private:
    struct Entry {
        const SpeciesRecord* record = nullptr;
        std::optional<Polynomials> polynomials;
        /// Series by grid; a run meets a handful of distinct grids.
        std::vector<std::pair<GridKey, Series>> series;
    };
    Entry& entry(const std::string& name);

    const std::vector<std::string>& listedNames_;
    const ThermoIndex* index_;
    std::unordered_map<std::string, Entry> entries_;
};

} // namespace zorbel
