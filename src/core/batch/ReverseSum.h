#pragma once
// Reverse laws held within a stated error of kf/Kc: when the least-squares law misses it,
// the single law of the smallest largest error, then sums of two and three laws, each
// judged as written, until one holds.

#include "mechanism/ParsedReaction.h"
#include "reversal/FitQuality.h"
#include "reversal/LawSum.h"
#include "reversal/ReactionReversal.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {

class SpeciesProvider;

/// The laws written for one reverse rate, their sum's deviation from kf/Kc as written, and
/// whether it holds the tolerance.
struct WrittenSum {
    std::vector<std::array<std::string, 3>> terms; ///< A, n and Ea texts of each law
    std::vector<LawTerm> laws; ///< the laws as fitted, before their texts round them
    Deviation deviation;
    std::string errorText; ///< S of a single law, as a REV/ line writes it
    bool met = false;
};

/// A sum fitted for one forward law of a reaction, which serves its other laws (a PLOG
/// reaction's pressures, a falloff's limits): kf/Kc changes by the ratio of two laws, itself
/// a law, so the same sum with each term moved by it is as close.
struct SumShape {
    LawSum sum;
    RateLawValues forward; ///< the forward law the sum was fitted for
};

/// The reverse laws of a fitted reversal within `tolerance` (a fraction: 0.01 for 1 %), of
/// at most `largestTerms` laws (1 to 3), in the run's number patterns. Nothing when the
/// written least-squares law, of deviation `written`, already holds it or does better than
/// any other, or when kf/Kc cannot be had at full precision. Where no sum holds it, the
/// best one found. With `shape`: a sum it holds is moved to this reversal's forward law
/// instead of fitted again; otherwise the sum fitted is kept there.
std::optional<WrittenSum> reverseWithin(const ReversalRequest& request,
                                        const ReversalOutcome& outcome,
                                        const std::optional<Deviation>& written,
                                        const CoefficientPatterns& patterns, double tolerance,
                                        std::size_t largestTerms, SpeciesProvider& species,
                                        std::optional<SumShape>* shape = nullptr);

/// The sum of `shape` moved to the forward law of `request`, as written in the run's number
/// patterns and judged against its kf/Kc, whatever its error. A falloff's limits take the
/// sum fitted for one of them this way: every term then has the same reduced pressure and
/// blending, so the terms add up to the sum's share of the forward rate at every pressure.
/// Nothing when kf/Kc cannot be had at full precision.
std::optional<WrittenSum> movedSum(const ReversalRequest& request, const ReversalOutcome& outcome,
                                   const SumShape& shape, const CoefficientPatterns& patterns,
                                   double tolerance, SpeciesProvider& species);

} // namespace zorbel
