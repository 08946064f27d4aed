#pragma once
// Least-squares fit of ln kr over the grid: kr = Arev exp(-Earev / RT) (two parameters)
// or kr = Arev T^nrev exp(-Earev / RT) (three), through the normal equations and an
// explicit inverse. The summation orders are fixed so that every run gives the same
// last digits.

#include "numeric/ExactMath.h"

#include <array>
#include <optional>
#include <vector>

namespace zorbel {

enum class RateLaw { Arrhenius, ModifiedArrhenius };

/// What the fitted law makes small: the sum of squared errors in ln k (the files' default) or
/// the largest error in ln k over the grid (see MinimaxFit.h).
enum class FitKind { LeastSquares, Minimax };

struct FitResult {
    double RevA = 0.0;        ///< Arev, units of the mechanism's A
    double RevN = 0.0;        ///< nrev [-]
    double RevEa = 0.0;       ///< Earev [cal/mol]
    double FitLnA = 0.0;      ///< ln Arev
    double FitN = 0.0;        ///< coefficient of ln T
    double FitInvT = 0.0;     ///< coefficient of 1/T [K]
    std::vector<double> krLS; ///< the fitted law at each grid point
    double S = 0.0;           ///< sum of squared differences of ln kr (see fitFromSums)
};

enum class FitFailure { Singular, Overflow };

struct FitOutcome {
    std::optional<FitResult> result;
    FitFailure failure = FitFailure::Singular;
};

/// Fits ln kr (lnKr) over the temperatures T [K]. gasConstant is R [cal/(mol K)].
FitOutcome fitRateLaw(const std::vector<double>& T, const std::vector<double>& lnKr, RateLaw law,
                      double gasConstant);

/// What a fit takes from the grid alone, the same for every reaction over that grid: the
/// regressors 1, ln T (three parameters) and 1/T, the inverse of the normal matrix, and ln T
/// taken apart for the powers of T that every law over the grid raises it to.
struct FitBasis {
    int parameters = 3;
    bool singular = false;
    std::array<std::vector<double>, 3> regressors; ///< by parameter, point by point
    std::vector<exact::LogOfBase> logOfT;
    std::array<std::array<double, 3>, 3> inverse{};
};

FitBasis fitBasis(const std::vector<double>& T, RateLaw law);

/// The sums of ln kr times each regressor, point after point in grid order: a caller that
/// accumulates them while it computes ln kr gets the same doubles.
using FitSums = std::array<double, 3>;
FitSums fitSums(const FitBasis& basis, const std::vector<double>& lnKr);

/// The fit from the basis and the sums. With keepLaw false the fitted law at each point
/// (krLS) is not kept, and S may differ from the exact sum in its last digits, never in
/// its text in the error-measure pattern (0.0E+00), which is then all it may be used for.
FitOutcome fitFromSums(const FitBasis& basis, const FitSums& sums, const std::vector<double>& T,
                       const double* lnKr, double gasConstant, bool keepLaw);

/// The result of a law fitted otherwise (ln A, the coefficient of ln T, that of 1/T [K]), with
/// the fields, S and, with keepLaw, the law at each point as a least-squares fit has them.
FitOutcome resultOfLaw(double lnA, double n, double invT, RateLaw law, const std::vector<double>& T,
                       const double* lnKr, double gasConstant, bool keepLaw);

} // namespace zorbel
