#pragma once
// A sum of up to three Arrhenius laws that follows ln k over a grid more closely than one law
// can: ln(k1 + k2 + k3) fitted to the smallest largest error. Readers of a mechanism add the
// rates of DUPLICATE reactions, and of the PLOG/ lines of one pressure, so such a sum needs
// nothing of them beyond what they already do.

#include "reversal/ArrheniusFit.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace zorbel {

/// One law of a sum: ln k = lnA + n ln T + invT / T.
struct LawTerm {
    double lnA = 0.0;  ///< ln A, A in the units of the rate constant
    double n = 0.0;    ///< coefficient of ln T [-] (0 for the two-parameter law)
    double invT = 0.0; ///< coefficient of 1/T [K], i.e. -Ea/R
};

struct LawSum {
    std::vector<LawTerm> terms;
    double largest = 0.0; ///< max |ln(sum) - ln k| over the grid
};

/// ln of the sum of the terms at T [K].
double lnLawSum(const std::vector<LawTerm>& terms, double T);

/// The sum of `count` laws (1 to 3) of the given form closest to lnK over T in the largest
/// error, from several starts: the single laws of the grid's parts (equal parts, and parts
/// split at `splits`, temperatures [K] where the curve may bend, such as the species'
/// common temperatures) and the best sum of one law fewer, `fewer`, with a law added where
/// it falls short. Every A is positive: the terms are fitted in ln A. A damped Gauss-Newton
/// minimises a smooth maximum of the errors whose smoothing shrinks stage by stage; the
/// largest error is that of the full grid. Nothing when the grid has too few points for the
/// laws' parameters or an ln k that is not finite. The search may stop at a largest error of
/// `enough` or less: laws closer than needed cost time and gain nothing; and once a start is
/// within twice `enough`, a start far behind it is given up early.
std::optional<LawSum> fitLawSum(const std::vector<double>& T, const std::vector<double>& lnK,
                                RateLaw law, std::size_t count, const std::vector<double>& splits,
                                const LawSum* fewer = nullptr, double enough = 0.0);

} // namespace zorbel
