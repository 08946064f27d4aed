#pragma once
// Least-squares fit of ln kr over the grid: kr = Arev exp(-Earev / RT) (two parameters)
// or kr = Arev T^nrev exp(-Earev / RT) (three), through the normal equations and an
// explicit inverse. The summation orders are fixed so that every run gives the same
// last digits.

#include <optional>
#include <vector>

namespace zorbel {

enum class RateLaw { Arrhenius, ModifiedArrhenius };

struct FitResult {
    double RevA = 0.0;        ///< Arev, units of the mechanism's A
    double RevN = 0.0;        ///< nrev [-]
    double RevEa = 0.0;       ///< Earev [cal/mol]
    double FitLnA = 0.0;      ///< ln Arev
    double FitN = 0.0;        ///< coefficient of ln T
    double FitInvT = 0.0;     ///< coefficient of 1/T [K]
    std::vector<double> krLS; ///< the fitted law at each grid point
    double S = 0.0;           ///< sum of squared differences of ln kr
};

enum class FitFailure { Singular, Overflow };

struct FitOutcome {
    std::optional<FitResult> result;
    FitFailure failure = FitFailure::Singular;
};

/// Fits ln kr (lnKr) over the temperatures T [K]. gasConstant is R [cal/(mol K)].
FitOutcome fitRateLaw(const std::vector<double>& T, const std::vector<double>& lnKr, RateLaw law,
                      double gasConstant);

} // namespace zorbel
