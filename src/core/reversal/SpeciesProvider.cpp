#include "reversal/SpeciesProvider.h"

#include "thermo/ThermoIndex.h"

#include <algorithm>

namespace zorbel {

SpeciesProvider::SpeciesProvider(const std::vector<std::string>& listedNames,
                                 const ThermoIndex* index)
    : listedNames_(listedNames), index_(index) {}

SpeciesProvider::Entry& SpeciesProvider::entry(const std::string& name) {
    auto [where, inserted] = entries_.try_emplace(name);
    if (inserted && index_ != nullptr &&
        std::binary_search(listedNames_.begin(), listedNames_.end(), name))
        where->second.record = index_->find(name);
    return where->second;
}

const SpeciesRecord* SpeciesProvider::find(const std::string& name) {
    return entry(name).record;
}

const SpeciesProvider::Series& SpeciesProvider::series(const std::string& name, const GridKey& key,
                                                       const std::vector<double>& grid) {
    Entry& e = entry(name);
    for (const auto& [cachedKey, cached] : e.series) {
        if (cachedKey == key)
            return cached;
    }
    Series& s = e.series.emplace_back(key, Series{}).second;
    if (e.record == nullptr) {
        s.firstOutside = 0;
        return s;
    }
    if (!e.polynomials)
        e.polynomials = polynomialsOf(*e.record);
    s.S.resize(grid.size());
    s.H.resize(grid.size());
    for (size_t j = 0; j < grid.size(); ++j) {
        std::optional<double> S = propertyReadBack(*e.polynomials, Property::S, grid[j]);
        std::optional<double> H = propertyReadBack(*e.polynomials, Property::H, grid[j]);
        if (!S || !H) {
            s.firstOutside = static_cast<int>(j);
            break;
        }
        s.S[j] = *S;
        s.H[j] = *H;
    }
    return s;
}

} // namespace zorbel
