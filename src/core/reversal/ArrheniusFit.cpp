#include "reversal/ArrheniusFit.h"

#include "numeric/ExactMath.h"
#include "text/NumberPatterns.h"
#include "text/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zorbel {

namespace {

constexpr int maxParameters = 3;
/// The determinant relative to the product of the diagonal (1 for independent columns)
/// below which the normal equations are taken as singular.
constexpr double singularThreshold = 1e-12;
using Matrix = std::array<std::array<double, maxParameters>, maxParameters>;
using Vector = std::array<double, maxParameters>;
/// The regressors by parameter, so that each sum runs over contiguous points.
using Regressors = std::array<std::vector<double>, maxParameters>;

/// The regressor of parameter i at temperature t: 1, then ln t (three parameters), then 1/t.
double regressor(int i, double t, int parameters) {
    if (i == 0)
        return 1.0;
    if (parameters == 3 && i == 1)
        return exact::log(t);
    return 1.0 / t;
}

Regressors regressorsOf(const std::vector<double>& T, int p) {
    Regressors Xt;
    for (int i = 0; i < p; ++i) {
        Xt[i].resize(T.size());
        for (size_t j = 0; j < T.size(); ++j)
            Xt[i][j] = regressor(i, T[j], p);
    }
    return Xt;
}

/// The matrix of the normal equations: the sums of products of regressors.
Matrix normalMatrix(const Regressors& Xt, int p, size_t n) {
    Matrix M{};
    for (int i = 0; i < p; ++i) {
        for (int k = 0; k < p; ++k) {
            double sum = 0.0;
            for (size_t j = 0; j < n; ++j)
                sum = sum + Xt[k][j] * Xt[i][j];
            M[i][k] = sum;
        }
    }
    return M;
}

/// The 2 x 2 minor of M without row i and column k: main diagonal minus other diagonal.
double minor(const Matrix& m, int i, int k) {
    int rows[2];
    int columns[2];
    for (int r = 0, n = 0; r < 3; ++r) {
        if (r != i)
            rows[n++] = r;
    }
    for (int c = 0, n = 0; c < 3; ++c) {
        if (c != k)
            columns[n++] = c;
    }
    return m[rows[0]][columns[0]] * m[rows[1]][columns[1]] -
           m[rows[0]][columns[1]] * m[rows[1]][columns[0]];
}

/// The determinant of M and its cofactors, term by term in a fixed order.
struct Cofactors {
    double det = 0.0;
    Matrix C{};
};

Cofactors cofactorsOf(const Matrix& M, int p) {
    Cofactors result;
    double& det = result.det;
    Matrix& C = result.C;
    if (p == 2) {
        det = M[0][0] * M[1][1] - M[1][0] * M[0][1];
        C[0][0] = M[1][1];
        C[1][0] = -M[0][1];
        C[0][1] = -M[1][0];
        C[1][1] = M[0][0];
        return result;
    }
    det = M[0][0] * M[1][1] * M[2][2];
    det = det + M[0][1] * M[1][2] * M[2][0];
    det = det + M[0][2] * M[1][0] * M[2][1];
    det = det - M[0][2] * M[1][1] * M[2][0];
    det = det - M[0][0] * M[1][2] * M[2][1];
    det = det - M[0][1] * M[1][0] * M[2][2];
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 3; ++k)
            C[i][k] = ((i + k) % 2 == 0 ? 1.0 : -1.0) * minor(M, i, k);
    }
    return result;
}

/// Columns that are nearly proportional (a range so narrow that 1, ln T and 1/T move
/// together) leave a determinant made of rounding errors: the solution would be noise.
bool isSingular(const Matrix& M, double det, int p) {
    double diagonal = 1.0;
    for (int i = 0; i < p; ++i)
        diagonal *= M[i][i];
    return !std::isfinite(det) || !(std::fabs(det) > singularThreshold * diagonal);
}

/// The explicit inverse: the transposed cofactors over the determinant.
Matrix inverseOf(const Cofactors& cofactors, int p) {
    Matrix Q{};
    for (int i = 0; i < p; ++i) {
        for (int k = 0; k < p; ++k)
            Q[i][k] = cofactors.C[k][i] / cofactors.det;
    }
    return Q;
}

/// The parameters: the inverse times the sums of ln kr times each regressor.
Vector solve(const Matrix& Q, const FitSums& b, int p) {
    Vector beta{};
    for (int j = 0; j < p; ++j) {
        for (int i = 0; i < p; ++i)
            beta[i] = beta[i] + Q[i][j] * b[j];
    }
    return beta;
}

/// The rate law the parameters stand for.
FitResult lawOf(const Vector& beta, int p, double gasConstant) {
    FitResult fit;
    fit.FitLnA = beta[0];
    fit.RevA = exact::exp(beta[0]);
    if (p == 2) {
        fit.RevN = 0.0;
        fit.FitN = 0.0;
        fit.FitInvT = beta[1];
        fit.RevEa = -beta[1] * gasConstant;
    } else {
        fit.RevN = beta[1];
        fit.FitN = beta[1];
        fit.FitInvT = beta[2];
        fit.RevEa = -beta[2] * gasConstant;
    }
    return fit;
}

bool isUsable(const Vector& beta, const FitResult& fit) {
    for (double coefficient : beta) {
        if (!std::isfinite(coefficient))
            return false;
    }
    return std::isfinite(fit.RevA) && fit.RevA > 0.0;
}

/// The sum of squared differences of ln kr, and the fitted law at each point when keepLaw;
/// false when the law overflows at a point.
/// logOfT, when given, holds the temperatures taken apart for their powers.
bool measureError(FitResult& fit, const std::vector<double>& T,
                  const std::vector<exact::LogOfBase>* logOfT, const double* lnKr,
                  double gasConstant, bool keepLaw) {
    const size_t n = T.size();
    if (keepLaw)
        fit.krLS.resize(n);
    // T^0 is 1 whatever T: the two-parameter law skips the power.
    const bool power = fit.RevN != 0.0;
    double S = 0.0;
    for (size_t j = 0; j < n; ++j) {
        const double Tn = !power              ? 1.0
                          : logOfT != nullptr ? exact::powOfLog((*logOfT)[j], fit.RevN)
                                              : exact::pow(T[j], fit.RevN);
        const double scaled = Tn * fit.RevA;
        const double kr = exact::exp(-fit.RevEa / (T[j] * gasConstant)) * scaled;
        if (!std::isfinite(kr) || kr <= 0.0)
            return false;
        if (keepLaw)
            fit.krLS[j] = kr;
        const double difference = exact::log(kr) - lnKr[j];
        S = S + difference * difference;
    }
    fit.S = S;
    return true;
}

/// The largest |ln x| for which x, and every factor the law is made of, is a normal double
/// far from overflow: inside it the law at a point can neither overflow nor vanish.
constexpr double safeLogarithm = 700.0;
/// A bound on the relative error of one of exp, pow, log, or of one rounding, with a wide
/// margin: the C libraries keep these within one unit in the last place (2^-52).
constexpr double unit = 0x1p-52;
constexpr double errorMargin = 64.0 * unit;

/// S from the logarithm of the fitted law, ln Arev + nrev ln T - Earev/(RT), instead of the
/// logarithm of the law itself: no exp, pow or log at any point. Its difference from the S
/// that measureError gives is bounded point by point (the three functions and each
/// rounding err by at most a few units in the last place of the terms, the bound allows
/// 64) and so is the difference of the two sums; when every S within that bound has one
/// error-measure text, that text is the one of the exact S, which is all a caller that
/// keeps no law writes. Nothing when the law comes near overflow or the text is in doubt.
std::optional<double> errorMeasureShortcut(const FitResult& fit, const FitBasis& basis,
                                           const std::vector<double>& T, const double* lnKr,
                                           double gasConstant) {
    const double lnA = exact::log(fit.RevA);
    const double* lnT = basis.parameters == 3 ? basis.regressors[1].data() : nullptr;
    double S = 0.0;
    double bound = 0.0;
    for (size_t j = 0; j < T.size(); ++j) {
        const double a = -fit.RevEa / (T[j] * gasConstant); // as measureError has it
        const double power = lnT != nullptr ? fit.RevN * lnT[j] : 0.0;
        const double law = a + power + lnA;
        if (!(std::fabs(a) < safeLogarithm && std::fabs(power) < safeLogarithm &&
              std::fabs(power + lnA) < safeLogarithm && std::fabs(law) < safeLogarithm))
            return std::nullopt;
        const double difference = law - lnKr[j];
        S += difference * difference;
        const double eta = errorMargin * (std::fabs(a) + std::fabs(power) + std::fabs(lnA) +
                                          std::fabs(law) + std::fabs(lnKr[j]) + 8.0);
        bound += (2.0 * std::fabs(difference) + eta) * eta;
    }
    // The roundings of the two sums of squares.
    bound += 2.0 * (static_cast<double>(T.size()) + 2.0) * errorMargin * (S + bound);
    const double low = std::max(0.0, S - bound);
    if (formatNumber(low, texts::ErrorMeasurePattern) !=
        formatNumber(S + bound, texts::ErrorMeasurePattern))
        return std::nullopt;
    return S;
}

} // namespace

FitBasis fitBasis(const std::vector<double>& T, RateLaw law) {
    FitBasis basis;
    const int p = law == RateLaw::Arrhenius ? 2 : 3;
    basis.parameters = p;
    basis.regressors = regressorsOf(T, p);
    basis.logOfT.reserve(T.size());
    for (double t : T)
        basis.logOfT.push_back(exact::logOfBase(t));
    const Matrix M = normalMatrix(basis.regressors, p, T.size());
    const Cofactors cofactors = cofactorsOf(M, p);
    basis.singular = isSingular(M, cofactors.det, p);
    if (!basis.singular)
        basis.inverse = inverseOf(cofactors, p);
    return basis;
}

FitSums fitSums(const FitBasis& basis, const std::vector<double>& lnKr) {
    FitSums b{};
    const int p = basis.parameters;
    for (size_t j = 0; j < lnKr.size(); ++j) {
        for (int i = 0; i < p; ++i)
            b[i] = b[i] + lnKr[j] * basis.regressors[i][j];
    }
    return b;
}

FitOutcome fitFromSums(const FitBasis& basis, const FitSums& sums, const std::vector<double>& T,
                       const double* lnKr, double gasConstant, bool keepLaw) {
    FitOutcome outcome;
    if (basis.singular)
        return outcome;
    const int p = basis.parameters;
    const Vector beta = solve(basis.inverse, sums, p);
    FitResult fit = lawOf(beta, p, gasConstant);
    outcome.failure = FitFailure::Overflow;
    if (!isUsable(beta, fit))
        return outcome;
    if (std::optional<double> S =
            keepLaw ? std::nullopt : errorMeasureShortcut(fit, basis, T, lnKr, gasConstant))
        fit.S = *S;
    else if (!measureError(fit, T, &basis.logOfT, lnKr, gasConstant, keepLaw))
        return outcome;
    outcome.result = std::move(fit);
    return outcome;
}

FitOutcome resultOfLaw(double lnA, double n, double invT, RateLaw law, const std::vector<double>& T,
                       const double* lnKr, double gasConstant, bool keepLaw) {
    const int p = law == RateLaw::Arrhenius ? 2 : 3;
    const Vector beta = p == 2 ? Vector{lnA, invT, 0.0} : Vector{lnA, n, invT};
    FitResult fit = lawOf(beta, p, gasConstant);
    FitOutcome outcome;
    outcome.failure = FitFailure::Overflow;
    if (!isUsable(beta, fit) || !measureError(fit, T, nullptr, lnKr, gasConstant, keepLaw))
        return outcome;
    outcome.result = std::move(fit);
    return outcome;
}

FitOutcome fitRateLaw(const std::vector<double>& T, const std::vector<double>& lnKr, RateLaw law,
                      double gasConstant) {
    const FitBasis basis = fitBasis(T, law);
    if (basis.singular)
        return {};
    return fitFromSums(basis, fitSums(basis, lnKr), T, lnKr.data(), gasConstant, true);
}

} // namespace zorbel
