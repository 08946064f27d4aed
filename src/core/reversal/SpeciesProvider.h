#pragma once
// What the reversal asks of the database: is a species there, and its S/R and H/RT at
// every grid point as the property boxes give them back (four significant digits), or at
// full double precision.
// Each record is read once per command, each grid built once and each species evaluated
// once per grid; a batch's threads share them, so every member may be called from any
// thread, and what it returns stays valid and unchanged for the provider's lifetime.

#include "reversal/GridData.h"
#include "thermo/SpeciesProperties.h"
#include "thermo/SpeciesRecord.h"

#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace zorbel {

class ThermoIndex;

/// How a species' S/R and H/RT are taken: read back from the four-digit texts of the
/// property boxes, or at full double precision straight from the polynomials at the grid's
/// own temperatures.
enum class Precision { FourDigits, Exact };

class SpeciesProvider {
public:
    /// listedNames: the names the window lists, in their sorted order (a name outside
    /// them is not in the database, whatever the file holds); index: the database read
    /// once. Both must outlive the provider.
    SpeciesProvider(const std::vector<std::string>& listedNames, const ThermoIndex* index);

    /// The species' record, or nullptr when the list or the file lacks it (a record with a
    /// fault is returned too: the reversal refuses it by name), and its polynomials when it
    /// can be computed with.
    struct Found {
        const SpeciesRecord* record = nullptr;
        const Polynomials* polynomials = nullptr;
    };
    Found lookUp(const std::string& name);

    struct Series {
        std::vector<double> S; ///< S/R at each point
        std::vector<double> H; ///< H/RT at each point
        /// Index of the first point outside the species' limits, or -1 when none is.
        int firstOutside = -1;
        /// That point lies within the limits, and the polynomials overflow there.
        bool overflows = false;
    };

    /// The grid of the key, built on first use.
    const GridData& grid(const GridKey& key);
    /// The species' values over a grid of this provider.
    const Series& series(const std::string& name, const GridData& grid,
                         Precision precision = Precision::FourDigits);

private:
    struct GridSeries {
        const GridData* grid = nullptr;
        Precision precision = Precision::FourDigits;
        std::once_flag once;
        Series values;
    };
    struct Entry {
        const SpeciesRecord* record = nullptr;
        std::optional<Polynomials> polynomials;
        /// Series by grid; a run meets a handful of distinct grids. A list: its elements
        /// stay where they are while others are added.
        std::list<GridSeries> series;
    };
    struct GridEntry {
        std::once_flag once;
        std::unique_ptr<GridData> data;
        GridKey key;
    };
    Entry& entry(const std::string& name);

    const std::vector<std::string>& listedNames_;
    const ThermoIndex* index_;
    std::mutex mutex_; ///< guards the maps and lists, not the values being computed
    std::unordered_map<std::string, Entry> entries_;
    std::list<GridEntry> grids_;
};

} // namespace zorbel
