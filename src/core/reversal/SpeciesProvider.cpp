#include "reversal/SpeciesProvider.h"

#include "thermo/ThermoIndex.h"

#include <algorithm>

namespace zorbel {

namespace {

/// S/R and H/RT at every point, from `valueAt(property, j)`; the first point where either
/// cannot be had ends the series.
template <typename ValueAt>
void fill(std::size_t points, const ValueAt& valueAt, SpeciesProvider::Series& s) {
    s.S.resize(points);
    s.H.resize(points);
    for (size_t j = 0; j < points; ++j) {
        std::optional<double> S = valueAt(Property::S, j);
        std::optional<double> H = valueAt(Property::H, j);
        if (!S || !H) {
            s.firstOutside = static_cast<int>(j);
            break;
        }
        s.S[j] = *S;
        s.H[j] = *H;
    }
}

/// The series as read back from the property boxes, or at full precision at the grid's own
/// temperatures (not their read-back texts).
void evaluate(const Polynomials& polynomials, const GridData& grid, Precision precision,
              SpeciesProvider::Series& s) {
    const std::vector<double>& T = grid.T();
    if (precision == Precision::Exact) {
        fill(
            T.size(),
            [&](Property property, size_t j) {
                return propertyExactAt(polynomials, property, powersOf(T[j]));
            },
            s);
    } else {
        fill(
            T.size(),
            [&](Property property, size_t j) {
                return propertyReadBackAt(polynomials, property, grid.readBack()[j]);
            },
            s);
    }
    if (s.firstOutside >= 0) {
        const auto j = static_cast<size_t>(s.firstOutside);
        s.overflows =
            withinRange(polynomials, precision == Precision::Exact ? T[j] : grid.readBack()[j].t);
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
