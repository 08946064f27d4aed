#include "batch/ReverseSum.h"

#include "numeric/ExactMath.h"
#include "reversal/GridData.h"
#include "reversal/LawSum.h"
#include "reversal/MinimaxFit.h"
#include "reversal/SpeciesProvider.h"
#include "text/NumberPatterns.h"
#include "text/NumberText.h"

#include <cmath>

namespace zorbel {

namespace {

std::array<std::string, 3> termTexts(const LawTerm& term, const CoefficientPatterns& patterns,
                                     double gasConstant) {
    return {formatNumber(exact::exp(term.lnA), patterns.AFormat),
            formatNumber(term.n, patterns.NFormat),
            formatNumber(-term.invT * gasConstant, patterns.EaFormat)};
}

/// The laws as written, judged against kf/Kc.
WrittenSum written(const LawSum& sum, const CoefficientPatterns& patterns,
                   const std::vector<double>& T, const std::vector<double>& lnK,
                   double gasConstant) {
    WrittenSum result;
    result.laws = sum.terms;
    std::vector<RateLawValues> laws;
    for (const LawTerm& term : sum.terms) {
        result.terms.push_back(termTexts(term, patterns, gasConstant));
        laws.push_back(lawOfTexts(result.terms.back()));
    }
    result.deviation = largestSumDeviation(laws, T, lnK, gasConstant);
    if (laws.size() == 1) {
        // The error measure of a REV/ line: the sum of the squared differences of ln k.
        double S = 0.0;
        for (std::size_t j = 0; j < T.size(); ++j) {
            const double d = lawLogarithm(laws.front(), T[j], gasConstant) - lnK[j];
            S += d * d;
        }
        result.errorText = formatNumber(S, texts::ErrorMeasurePattern);
    }
    return result;
}

} // namespace

namespace {

/// One law of the smallest largest error: the exchange gives it exactly, and the search
/// only where the exchange finds none.
std::optional<LawSum> singleLaw(const std::vector<double>& T, const std::vector<double>& lnK,
                                RateLaw law, const std::vector<double>& splits) {
    if (const std::optional<MinimaxLaw> best = fitMinimax(T, lnK, law))
        return LawSum{{{best->lnA, best->n, best->invT}}, best->largest};
    return fitLawSum(T, lnK, law, 1, splits);
}

struct Fitted {
    LawSum sum;
    WrittenSum written;
};

/// The fewest laws, up to `largestTerms`, that hold the tolerance, or the best sum found.
std::optional<Fitted> fewestWithin(const std::vector<double>& T, const std::vector<double>& lnK,
                                   const ReversalRequest& request, const ReversalOutcome& outcome,
                                   const CoefficientPatterns& patterns, double tolerance,
                                   std::size_t largestTerms) {
    const std::vector<double> splits = commonTemperatures(outcome);
    std::optional<Fitted> best;
    std::optional<LawSum> fewer;
    // The search stops short of the tolerance by a margin for the rounding of the written
    // texts and the points between those it searched on.
    const double enough = 0.5 * exact::log1p(tolerance);
    for (std::size_t count = 1; count <= largestTerms; ++count) {
        std::optional<LawSum> sum = count == 1 ? singleLaw(T, lnK, request.law, splits)
                                               : fitLawSum(T, lnK, request.law, count, splits,
                                                           fewer ? &*fewer : nullptr, enough);
        if (!sum)
            break;
        WrittenSum candidate = written(*sum, patterns, T, lnK, request.gasConstant);
        if (!best || candidate.deviation.largest < best->written.deviation.largest)
            best = Fitted{*sum, std::move(candidate)};
        if (best->written.deviation.largest <= tolerance)
            break;
        fewer = std::move(sum);
    }
    return best;
}

/// The laws of a sum for another forward law of the same reaction: kf/Kc changes by the
/// ratio of the two laws, itself a law, which every term takes on.
LawSum shifted(LawSum sum, const RateLawValues& from, const RateLawValues& to, double R) {
    for (LawTerm& term : sum.terms) {
        term.lnA += exact::log(to.A / from.A);
        term.n += to.n - from.n;
        term.invT -= (to.Ea - from.Ea) / R;
    }
    return sum;
}

const std::vector<double>& gridOf(const ReversalRequest& request, const ReversalOutcome& outcome,
                                  SpeciesProvider& species) {
    return species
        .grid({outcome.range.cold, outcome.range.hot, request.points, request.reciprocalSpacing})
        .T();
}

RateLawValues forwardLaw(const ReversalRequest& request) {
    return lawOfTexts({request.aText, request.nText, request.eaText});
}

} // namespace

std::optional<WrittenSum> movedSum(const ReversalRequest& request, const ReversalOutcome& outcome,
                                   const SumShape& shape, const CoefficientPatterns& patterns,
                                   double tolerance, SpeciesProvider& species) {
    const std::optional<std::vector<double>> lnK = exactLnKr(request, outcome, species);
    if (!lnK)
        return std::nullopt;
    WrittenSum moved =
        written(shifted(shape.sum, shape.forward, forwardLaw(request), request.gasConstant),
                patterns, gridOf(request, outcome, species), *lnK, request.gasConstant);
    moved.met = moved.deviation.largest <= tolerance;
    return moved;
}

std::optional<WrittenSum> reverseWithin(const ReversalRequest& request,
                                        const ReversalOutcome& outcome,
                                        const std::optional<Deviation>& writtenLaw,
                                        const CoefficientPatterns& patterns, double tolerance,
                                        std::size_t largestTerms, SpeciesProvider& species,
                                        std::optional<SumShape>* shape) {
    if (writtenLaw && writtenLaw->largest <= tolerance)
        return std::nullopt;
    const std::optional<std::vector<double>> lnK = exactLnKr(request, outcome, species);
    if (!lnK)
        return std::nullopt;
    const std::vector<double>& T = gridOf(request, outcome, species);
    const RateLawValues forward = forwardLaw(request);
    std::optional<WrittenSum> best;
    if (shape != nullptr && shape->has_value()) {
        const LawSum moved =
            shifted((*shape)->sum, (*shape)->forward, forward, request.gasConstant);
        best = written(moved, patterns, T, *lnK, request.gasConstant);
    } else if (std::optional<Fitted> fitted =
                   fewestWithin(T, *lnK, request, outcome, patterns, tolerance, largestTerms)) {
        if (shape != nullptr)
            *shape = SumShape{fitted->sum, forward};
        best = std::move(fitted->written);
    }
    if (!best || (writtenLaw && !(best->deviation.largest < writtenLaw->largest)))
        return std::nullopt;
    best->met = best->deviation.largest <= tolerance;
    return best;
}

} // namespace zorbel
