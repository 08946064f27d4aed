#include "reversal/SpeciesProvider.h"

#include "thermo/ThermoIndex.h"

#include <algorithm>

namespace zorbel {

namespace {

/// S/R and H/RT at every point of the grid, as read back from the property boxes or at
/// full precision; the first point where either cannot be had ends the series.
void evaluate(const Polynomials& polynomials, const GridData& grid, Precision precision,
              SpeciesProvider::Series& s) {
    const std::vector<TemperaturePowers>& readBack = grid.readBack();
    const std::vector<double>& T = grid.T();
    const bool exact = precision == Precision::Exact;
    const auto property = exact ? propertyExactAt : propertyReadBackAt;
    s.S.resize(T.size());
    s.H.resize(T.size());
    for (size_t j = 0; j < T.size(); ++j) {
        // The exact values are taken at the grid's own temperature, not its read-back text.
        const TemperaturePowers at = exact ? powersOf(T[j]) : readBack[j];
        std::optional<double> S = property(polynomials, Property::S, at);
        std::optional<double> H = property(polynomials, Property::H, at);
        if (!S || !H) {
            s.firstOutside = static_cast<int>(j);
            break;
        }
        s.S[j] = *S;
        s.H[j] = *H;
    }
}

} // namespace

SpeciesProvider::SpeciesProvider(const std::vector<std::string>& listedNames,
                                 const ThermoIndex* index)
    : listedNames_(listedNames), index_(index) {}

SpeciesProvider::Entry& SpeciesProvider::entry(const std::string& name) {
    auto [where, inserted] = entries_.try_emplace(name);
    if (inserted && index_ != nullptr &&
        std::binary_search(listedNames_.begin(), listedNames_.end(), name)) {
        where->second.record = index_->find(name);
        if (where->second.record != nullptr && !where->second.record->fault)
            where->second.polynomials = polynomialsOf(*where->second.record);
    }
    return where->second;
}

SpeciesProvider::Found SpeciesProvider::lookUp(const std::string& name) {
    const std::lock_guard lock(mutex_);
    const Entry& found = entry(name);
    return {found.record, found.polynomials ? &*found.polynomials : nullptr};
}

const GridData& SpeciesProvider::grid(const GridKey& key) {
    GridEntry* found = nullptr;
    {
        const std::lock_guard lock(mutex_);
        for (GridEntry& g : grids_) {
            if (g.key == key)
                found = &g;
        }
        if (found == nullptr) {
            found = &grids_.emplace_back();
            found->key = key;
        }
    }
    std::call_once(found->once, [&] { found->data = std::make_unique<GridData>(key); });
    return *found->data;
}

const SpeciesProvider::Series& SpeciesProvider::series(const std::string& name,
                                                       const GridData& grid, Precision precision) {
    GridSeries* found = nullptr;
    const Entry* e = nullptr;
    {
        const std::lock_guard lock(mutex_);
        Entry& named = entry(name);
        e = &named;
        for (GridSeries& s : named.series) {
            if (s.grid == &grid && s.precision == precision)
                found = &s;
        }
        if (found == nullptr) {
            found = &named.series.emplace_back();
            found->grid = &grid;
            found->precision = precision;
        }
    }
    std::call_once(found->once, [&] {
        if (!e->polynomials)
            found->values.firstOutside = 0;
        else
            evaluate(*e->polynomials, grid, precision, found->values);
    });
    return found->values;
}

} // namespace zorbel
