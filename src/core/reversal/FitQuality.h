#pragma once
// How far a written rate law lies from the rate constant it stands for, over the grid it
// was fitted on: the largest |k_law / k_reference - 1| and the temperature where it is
// reached. The reference of a fitted reverse law is kf / Kc with the species' S/R and
// H/RT at full double precision, whatever precision the fit itself used.

#include "reversal/ReactionReversal.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {

/// k = A T^n exp(-Ea / (R T)), Ea in cal/mol.
struct RateLawValues {
    double A = 0.0;
    double n = 0.0;
    double Ea = 0.0;
};

/// The numbers of three coefficient texts as written (A, n, Ea).
RateLawValues lawOfTexts(const std::array<std::string, 3>& texts);

struct Deviation {
    double largest = 0.0;     ///< max |k_law / k_reference - 1|
    double temperature = 0.0; ///< [K] where it is reached
};

/// ln k of a law at each temperature; a law whose A is not positive gives -inf or NaN.
std::vector<double> lawLogarithms(const RateLawValues& law, const std::vector<double>& T,
                                  double gasConstant);

/// The deviation of `law` from the reference ln k at each temperature. A point where
/// either side is not finite counts as a deviation of 100 % or more.
Deviation largestDeviation(const RateLawValues& law, const std::vector<double>& T,
                           const std::vector<double>& lnReference, double gasConstant);

/// The deviation of the written reverse law `written` (A, n, Ea texts) from kf/Kc at full
/// double precision, over the grid of a reversal that got as far as its rate constants;
/// kf is the law of the request's texts. Nothing when a species has no polynomials or the
/// grid leaves its limits.
std::optional<Deviation> fitQuality(const ReversalRequest& request, const ReversalOutcome& outcome,
                                    const std::array<std::string, 3>& written,
                                    SpeciesProvider& species);

/// ln(kf/Kc) at each temperature of the grid of a reversal that got as far as its rate
/// constants, at full double precision: the reference fitQuality measures against.
/// Nothing when fitQuality gives nothing.
std::optional<std::vector<double>>
exactLnKr(const ReversalRequest& request, const ReversalOutcome& outcome, SpeciesProvider& species);

/// The common temperatures [K] of a reversal's species, in increasing order: where ln k
/// may bend or jump.
std::vector<double> commonTemperatures(const ReversalOutcome& outcome);

/// ln k of a law at T [K]; -inf or NaN when its A is not positive.
double lawLogarithm(const RateLawValues& law, double T, double gasConstant);

/// The deviation of the sum of `laws` (each A positive) from the reference ln k.
Deviation largestSumDeviation(const std::vector<RateLawValues>& laws, const std::vector<double>& T,
                              const std::vector<double>& lnReference, double gasConstant);

} // namespace zorbel
