#pragma once
// A temperature grid and what every reaction and species over it shares: the read-back
// temperatures the species' properties take, the concentration factor of Kc and the
// fit's regressors. Built once per distinct grid, then only read, by any thread.

#include "reversal/ArrheniusFit.h"
#include "reversal/TemperatureGrid.h"
#include "thermo/SpeciesProperties.h"

#include <array>
#include <mutex>
#include <string>
#include <vector>

namespace zorbel {

/// What decides a grid: two grids with the same key hold the same temperatures.
struct GridKey {
    std::string cold;
    std::string hot;
    int points = 0;
    bool reciprocal = true;
    bool operator==(const GridKey&) const = default;
};

class GridData {
public:
    explicit GridData(const GridKey& key);
    GridData(const GridData&) = delete;
    GridData& operator=(const GridData&) = delete;

    const GridKey& key() const { return key_; }
    /// The temperatures [K].
    const std::vector<double>& T() const { return T_; }
    /// Each temperature as its general number text reads back, with its powers.
    const std::vector<TemperaturePowers>& readBack() const { return readBack_; }
    /// (1 / (T R'))^deltaN at each point, R' in cm3 atm / (mol K); deltaN from -3 to 3.
    const std::vector<double>& concentrationFactor(int deltaN) const;
    const FitBasis& basis(RateLaw law) const;

    static constexpr int largestDeltaN = 3;

private:
    GridKey key_;
    std::vector<double> T_;
    std::vector<TemperaturePowers> readBack_;
    mutable std::array<std::once_flag, 2 * largestDeltaN + 1> factorOnce_;
    mutable std::array<std::vector<double>, 2 * largestDeltaN + 1> factors_;
    mutable std::array<std::once_flag, 2> basisOnce_;
    mutable std::array<FitBasis, 2> bases_;
};

/// Concentration units: R in cm3 atm / (mol K).
inline constexpr double gasConstantCm3Atm = 82.058;

} // namespace zorbel
