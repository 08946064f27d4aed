#include "reversal/GridData.h"

#include "numeric/ExactMath.h"
#include "thermo/DecimalRounding.h"

#include <cmath>
#include <cstddef>

namespace zorbel {

GridData::GridData(const GridKey& key)
    : key_(key), T_(makeGrid({key.cold, key.hot, false, false}, key.points, key.reciprocal)) {
    readBack_.reserve(T_.size());
    for (double t : T_)
        readBack_.push_back(powersOf(throughGeneralNumber(t)));
}

const std::vector<double>& GridData::concentrationFactor(int deltaN) const {
    const auto slot = static_cast<std::size_t>(deltaN + largestDeltaN);
    std::call_once(factorOnce_.at(slot), [&] {
        std::vector<double>& factor = factors_[slot];
        factor.resize(T_.size());
        const auto exponent = static_cast<double>(deltaN);
        for (std::size_t j = 0; j < T_.size(); ++j)
            factor[j] = exact::pow(1.0 / (T_[j] * gasConstantCm3Atm), exponent);
    });
    return factors_[slot];
}

const FitBasis& GridData::basis(RateLaw law) const {
    const std::size_t slot = law == RateLaw::Arrhenius ? 0 : 1;
    std::call_once(basisOnce_.at(slot), [&] { bases_[slot] = fitBasis(T_, law); });
    return bases_[slot];
}

} // namespace zorbel
