#include "reversal/FitQuality.h"

#include "reversal/GridData.h"
#include "reversal/SpeciesProvider.h"
#include "text/NumberText.h"

#include <cmath>
#include <limits>

namespace zorbel {

RateLawValues lawOfTexts(const std::array<std::string, 3>& texts) {
    return {readLeadingNumber(texts[0]), readLeadingNumber(texts[1]), readLeadingNumber(texts[2])};
}

std::vector<double> lawLogarithms(const RateLawValues& law, const std::vector<double>& T,
                                  double gasConstant) {
    const double lnA = std::log(law.A);
    std::vector<double> ln(T.size());
    for (std::size_t j = 0; j < T.size(); ++j)
        ln[j] = lnA + law.n * std::log(T[j]) - law.Ea / (gasConstant * T[j]);
    return ln;
}

Deviation largestDeviation(const RateLawValues& law, const std::vector<double>& T,
                           const std::vector<double>& lnReference, double gasConstant) {
    const std::vector<double> lnLaw = lawLogarithms(law, T, gasConstant);
    // |exp(d) - 1| grows with d on either side of 0: the extremes of d decide.
    double highest = -std::numeric_limits<double>::infinity();
    double lowest = std::numeric_limits<double>::infinity();
    std::size_t atHighest = 0;
    std::size_t atLowest = 0;
    for (std::size_t j = 0; j < T.size(); ++j) {
        double d = lnLaw[j] - lnReference[j];
        if (std::isnan(d))
            d = std::numeric_limits<double>::infinity();
        if (d > highest) {
            highest = d;
            atHighest = j;
        }
        if (d < lowest) {
            lowest = d;
            atLowest = j;
        }
    }
    if (T.empty())
        return {};
    const double up = std::fabs(std::expm1(highest));
    const double down = std::fabs(std::expm1(lowest));
    return up >= down ? Deviation{up, T[atHighest]} : Deviation{down, T[atLowest]};
}

std::optional<std::vector<double>>
exactLogReverse(const ReversalRequest& request, const ReversalOutcome& outcome,
                const RateLawValues& forward, SpeciesProvider& species, std::vector<double>& T) {
    if (!outcome.rateConstantsDone)
        return std::nullopt;
    const GridData& grid = species.grid(
        {outcome.range.cold, outcome.range.hot, request.points, request.reciprocalSpacing});
    T = grid.T();
    // ln kr = ln kf - ln Kc, ln Kc = dS/R - dH/RT + dn ln(1 / (R' T)).
    std::vector<double> ln = lawLogarithms(forward, T, request.gasConstant);
    for (std::size_t j = 0; j < T.size(); ++j)
        ln[j] += outcome.series.deltaN * std::log(T[j] * gasConstantCm3Atm);
    for (std::size_t k = 0; k < SlotCount; ++k) {
        if (outcome.slotKinds[k] != SlotKind::Species)
            continue;
        const SpeciesProvider::Series& s =
            species.series(outcome.slotTexts[k], grid, Precision::Exact);
        if (s.firstOutside >= 0)
            return std::nullopt;
        const double sign = k < SideCapacity ? 1.0 : -1.0; // products' dS - dH lowers ln kr
        for (std::size_t j = 0; j < T.size(); ++j)
            ln[j] += sign * (s.S[j] - s.H[j]);
    }
    return ln;
}

} // namespace zorbel
