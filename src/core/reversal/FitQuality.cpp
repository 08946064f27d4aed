#include "reversal/FitQuality.h"

#include "numeric/ExactMath.h"
#include "reversal/GridData.h"
#include "reversal/SpeciesProvider.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zorbel {

namespace {

/// The largest |exp(d) - 1| over the points and its temperature: |exp(d) - 1| grows with
/// |d| on either side of 0, so the extremes of d decide. A point where d is not a number
/// counts as infinitely far.
class Extremes {
public:
    void add(double d, std::size_t j) {
        if (d > highest_) {
            highest_ = d;
            atHighest_ = j;
        }
        if (d < lowest_) {
            lowest_ = d;
            atLowest_ = j;
        }
        if (std::isnan(d) && !notANumber_) {
            notANumber_ = true;
            atNotANumber_ = j;
        }
    }
    Deviation largest(const std::vector<double>& T) const {
        if (T.empty())
            return {};
        if (notANumber_)
            return {std::numeric_limits<double>::infinity(), T[atNotANumber_]};
        const double up = std::fabs(exact::expm1(highest_));
        const double down = std::fabs(exact::expm1(lowest_));
        return up >= down ? Deviation{up, T[atHighest_]} : Deviation{down, T[atLowest_]};
    }

private:
    double highest_ = -std::numeric_limits<double>::infinity();
    double lowest_ = std::numeric_limits<double>::infinity();
    std::size_t atHighest_ = 0;
    std::size_t atLowest_ = 0;
    bool notANumber_ = false;
    std::size_t atNotANumber_ = 0;
};

/// ln k_law - ln(kf / Kc) = ln k_law - ln kf + sum over products of (S/R - H/RT) - the same
/// over reactants - dn ln(R' T) is, for one choice of each species' range, weights times 1,
/// ln T, 1/T, T, T^2, T^3 and T^4: a few products per point whatever the species.
struct Weights {
    double one = 0, lnT = 0, invT = 0, T1 = 0, T2 = 0, T3 = 0, T4 = 0;
};

struct Term {
    const Polynomials* polynomials;
    double sign; ///< +1 for a product, -1 for a reactant
};

Weights weightsOf(const Weights& laws, const std::array<Term, SlotCount>& terms, std::size_t count,
                  unsigned upperMask) {
    Weights w = laws;
    for (std::size_t k = 0; k < count; ++k) {
        const Polynomials& p = *terms[k].polynomials;
        const std::array<double, 7>& a = (upperMask >> k & 1U) != 0 ? p.upper : p.lower;
        const double s = terms[k].sign;
        // S/R - H/RT = a1 (ln T - 1) + a2 T/2 + a3 T^2/6 + a4 T^3/12 + a5 T^4/20 - a6/T + a7
        w.one += s * (a[6] - a[0]);
        w.lnT += s * a[0];
        w.T1 += s * a[1] / 2.0;
        w.T2 += s * a[2] / 6.0;
        w.T3 += s * a[3] / 12.0;
        w.T4 += s * a[4] / 20.0;
        w.invT -= s * a[5];
    }
    return w;
}

/// The species of a reversal with the side each stands on; nothing when one has no
/// polynomials or the grid leaves its limits.
struct SpeciesTerms {
    std::array<Term, SlotCount> terms{};
    std::size_t count = 0;
};

std::optional<SpeciesTerms> speciesTerms(const ReversalOutcome& outcome,
                                         const std::vector<double>& T) {
    const auto [coldest, hottest] = std::minmax_element(T.begin(), T.end());
    SpeciesTerms found;
    for (std::size_t k = 0; k < SlotCount; ++k) {
        if (outcome.slotKinds[k] != SlotKind::Species)
            continue;
        const Polynomials* p = outcome.polynomials[k];
        if (p == nullptr || *coldest < p->tLow || *hottest > p->tHigh)
            return std::nullopt;
        found.terms[found.count++] = {p, k < SideCapacity ? -1.0 : 1.0};
    }
    return found;
}

/// Calls `each(begin, end, mask)` for each stretch of the grid over which every species
/// keeps one polynomial range (bit k of mask set: species k takes its upper range). The
/// grid is monotonic: each species' range changes at one point at most, so the stretches
/// end where some species crosses its common temperature.
template <typename Each>
void forEachStretch(const std::vector<double>& T, const SpeciesTerms& terms, Each each) {
    const auto upperAt = [&](std::size_t j) {
        unsigned upper = 0;
        for (std::size_t k = 0; k < terms.count; ++k)
            upper |= (T[j] >= terms.terms[k].polynomials->tCommon ? 1U : 0U) << k;
        return upper;
    };
    for (std::size_t begin = 0; begin < T.size();) {
        const unsigned mask = upperAt(begin);
        std::size_t end = begin + 1;
        // Doubling, then halving, to the stretch's end.
        std::size_t step = 1;
        while (end + step <= T.size() && upperAt(end + step - 1) == mask) {
            end += step;
            step *= 2;
        }
        for (; step > 0; step /= 2) {
            if (end + step <= T.size() && upperAt(end + step - 1) == mask)
                end += step;
        }
        each(begin, end, mask);
        begin = end;
    }
}

/// Calls `each(j, value)` at every point of the reversal's grid, in order, with value the
/// weights `laws` plus the species' terms of the range each species takes there: the one sum
/// behind both a written law's deviation and ln(kf / Kc). Returns the grid's temperatures, or
/// nothing when the reversal got no rate constants or a species has no polynomials.
template <typename Each>
const std::vector<double>* forEachPoint(const ReversalRequest& request,
                                        const ReversalOutcome& outcome, SpeciesProvider& species,
                                        const Weights& laws, Each each) {
    if (!outcome.rateConstantsDone)
        return nullptr;
    const GridData& grid = species.grid(
        {outcome.range.cold, outcome.range.hot, request.points, request.reciprocalSpacing});
    const std::vector<double>& T = grid.T();
    const std::optional<SpeciesTerms> terms = speciesTerms(outcome, T);
    if (!terms)
        return nullptr;
    // The powers of the temperatures as read back from their 15-digit texts: they differ
    // from the grid's by a unit in the last place at most, far below what is written.
    const std::vector<TemperaturePowers>& x = grid.readBack();
    forEachStretch(T, *terms, [&](std::size_t begin, std::size_t end, unsigned mask) {
        const Weights w = weightsOf(laws, terms->terms, terms->count, mask);
        for (std::size_t j = begin; j < end; ++j) {
            const TemperaturePowers& p = x[j];
            each(j, w.one + w.lnT * p.lnT + w.invT * p.invT + w.T1 * p.t + w.T2 * p.t2 +
                        w.T3 * p.t3 + w.T4 * p.t4);
        }
    });
    return &T;
}

} // namespace

RateLawValues lawOfTexts(const std::array<std::string, 3>& texts) {
    return {readLeadingNumber(texts[0]), readLeadingNumber(texts[1]), readLeadingNumber(texts[2])};
}

std::vector<double> lawLogarithms(const RateLawValues& law, const std::vector<double>& T,
                                  double gasConstant) {
    const double lnA = exact::log(law.A);
    std::vector<double> ln(T.size());
    for (std::size_t j = 0; j < T.size(); ++j)
        ln[j] = lnA + law.n * exact::log(T[j]) - law.Ea / (gasConstant * T[j]);
    return ln;
}

Deviation largestDeviation(const RateLawValues& law, const std::vector<double>& T,
                           const std::vector<double>& lnReference, double gasConstant) {
    const std::vector<double> lnLaw = lawLogarithms(law, T, gasConstant);
    Extremes extremes;
    for (std::size_t j = 0; j < T.size(); ++j)
        extremes.add(lnLaw[j] - lnReference[j], j);
    return extremes.largest(T);
}

std::optional<Deviation> fitQuality(const ReversalRequest& request, const ReversalOutcome& outcome,
                                    const std::array<std::string, 3>& written,
                                    SpeciesProvider& species) {
    const RateLawValues law = lawOfTexts(written);
    const RateLawValues forward = lawOfTexts({request.aText, request.nText, request.eaText});
    const double dn = outcome.series.deltaN;
    Weights laws;
    laws.one = exact::log(law.A) - exact::log(forward.A) - dn * exact::log(gasConstantCm3Atm);
    laws.lnT = law.n - forward.n - dn;
    laws.invT = -(law.Ea - forward.Ea) / request.gasConstant;
    Extremes extremes;
    const std::vector<double>* T = forEachPoint(
        request, outcome, species, laws, [&](std::size_t j, double d) { extremes.add(d, j); });
    if (T == nullptr)
        return std::nullopt;
    return extremes.largest(*T);
}

std::optional<std::vector<double>> exactLnKr(const ReversalRequest& request,
                                             const ReversalOutcome& outcome,
                                             SpeciesProvider& species) {
    // The deviation of the law k = 1 is -ln(kf / Kc).
    const RateLawValues forward = lawOfTexts({request.aText, request.nText, request.eaText});
    const double dn = outcome.series.deltaN;
    Weights laws;
    laws.one = -exact::log(forward.A) - dn * exact::log(gasConstantCm3Atm);
    laws.lnT = -forward.n - dn;
    laws.invT = forward.Ea / request.gasConstant;
    std::vector<double> lnK;
    if (forEachPoint(request, outcome, species, laws,
                     [&](std::size_t, double d) { lnK.push_back(-d); }) == nullptr)
        return std::nullopt;
    return lnK;
}

std::vector<double> commonTemperatures(const ReversalOutcome& outcome) {
    std::vector<double> common;
    for (std::size_t k = 0; k < SlotCount; ++k) {
        if (outcome.slotKinds[k] == SlotKind::Species && outcome.polynomials[k] != nullptr)
            common.push_back(outcome.polynomials[k]->tCommon);
    }
    std::sort(common.begin(), common.end());
    common.erase(std::unique(common.begin(), common.end()), common.end());
    return common;
}

Deviation largestSumDeviation(const std::vector<RateLawValues>& laws, const std::vector<double>& T,
                              const std::vector<double>& lnReference, double gasConstant) {
    // The logarithms of the factors and of the temperatures once each, not once per term:
    // the terms are lawLogarithm's to the bit.
    std::vector<double> lnA(laws.size());
    for (std::size_t i = 0; i < laws.size(); ++i)
        lnA[i] = exact::log(laws[i].A);
    std::vector<double> terms(laws.size());
    Extremes extremes;
    for (std::size_t j = 0; j < T.size(); ++j) {
        const double lnT = exact::log(T[j]);
        // The sum in its largest term, so that no term overflows on its own.
        double top = -std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < laws.size(); ++i) {
            terms[i] = lnA[i] + laws[i].n * lnT - laws[i].Ea / (gasConstant * T[j]);
            top = std::max(top, terms[i]);
        }
        double sum = 0.0;
        for (const double term : terms)
            sum += exact::exp(term - top);
        extremes.add(top + exact::log(sum) - lnReference[j], j);
    }
    return extremes.largest(T);
}

double lawLogarithm(const RateLawValues& law, double T, double gasConstant) {
    return exact::log(law.A) + law.n * exact::log(T) - law.Ea / (gasConstant * T);
}

} // namespace zorbel
