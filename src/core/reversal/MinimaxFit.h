#pragma once
// The rate law whose largest error in ln k over the grid is the smallest any law of its form
// can have: a linear Chebyshev (L-infinity) fit of ln k on 1 and 1/T, with ln T for the
// three-parameter law. A least-squares fit spends its error at the ends of the range, where
// a kineticist's equilibrium is decided; this one spreads it evenly.

#include "reversal/ArrheniusFit.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace zorbel {

struct MinimaxLaw {
    double lnA = 0.0;     ///< ln A, A in the units of the rate constant
    double n = 0.0;       ///< coefficient of ln T [-] (0 for the two-parameter law)
    double invT = 0.0;    ///< coefficient of 1/T [K], i.e. -Ea/R
    double largest = 0.0; ///< the certified max |ln k_law - ln k| over the grid
    /// The reference: the grid points (indices into T, by increasing T) where the error
    /// reaches its largest with alternating signs, one more than the law has parameters. A
    /// grid with only as many points as parameters is interpolated: all its points.
    std::vector<std::size_t> extremal;
};

/// Linear Chebyshev (L-infinity) fit of lnK over T with the law's regressors, by the discrete
/// exchange algorithm: 1, ln T and 1/T are a Chebyshev system on T > 0, so the exchange
/// ends at the best approximation, certified by the equioscillation of its error. Nothing
/// when the grid has fewer points than the law has parameters, two equal temperatures, a
/// temperature that is not positive and finite, or an ln k that is not finite.
std::optional<MinimaxLaw> fitMinimax(const std::vector<double>& T, const std::vector<double>& lnK,
                                     RateLaw law);

} // namespace zorbel
