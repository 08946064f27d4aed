#include "reversal/ArrheniusFit.h"

#include <array>
#include <cmath>

namespace zorbel {

namespace {

constexpr int maxParameters = 3;
/// The determinant relative to the product of the diagonal (1 for independent columns)
/// below which the normal equations are taken as singular.
constexpr double singularThreshold = 1e-12;
using Matrix = std::array<std::array<double, maxParameters>, maxParameters>;

/// The regressor of parameter i at temperature t: 1, then ln t (three parameters), then 1/t.
double regressor(int i, double t, int parameters) {
    if (i == 0)
        return 1.0;
    if (parameters == 3 && i == 1)
        return std::log(t);
    return 1.0 / t;
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

} // namespace

FitOutcome fitRateLaw(const std::vector<double>& T, const std::vector<double>& lnKr, RateLaw law,
                      double gasConstant) {
    const int p = law == RateLaw::Arrhenius ? 2 : 3;
    const size_t n = T.size();

    // Xt holds the regressors by parameter, so each sum runs over contiguous points.
    std::array<std::vector<double>, maxParameters> Xt;
    for (int i = 0; i < p; ++i) {
        Xt[i].resize(n);
        for (size_t j = 0; j < n; ++j)
            Xt[i][j] = regressor(i, T[j], p);
    }

    Matrix M{};
    for (int i = 0; i < p; ++i) {
        for (int k = 0; k < p; ++k) {
            double sum = 0.0;
            for (size_t j = 0; j < n; ++j)
                sum = sum + Xt[k][j] * Xt[i][j];
            M[i][k] = sum;
        }
    }

    double det = 0.0;
    Matrix C{};
    if (p == 2) {
        det = M[0][0] * M[1][1] - M[1][0] * M[0][1];
        C[0][0] = M[1][1];
        C[1][0] = -M[0][1];
        C[0][1] = -M[1][0];
        C[1][1] = M[0][0];
    } else {
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
    }
    // Columns that are nearly proportional (a range so narrow that 1, ln T and 1/T move
    // together) leave a determinant made of rounding errors: the solution would be noise.
    double diagonal = 1.0;
    for (int i = 0; i < p; ++i)
        diagonal *= M[i][i];
    FitOutcome outcome;
    if (!std::isfinite(det) || !(std::fabs(det) > singularThreshold * diagonal))
        return outcome;

    Matrix Q{};
    for (int i = 0; i < p; ++i) {
        for (int k = 0; k < p; ++k)
            Q[i][k] = C[k][i] / det;
    }

    std::array<double, maxParameters> b{};
    for (size_t j = 0; j < n; ++j) {
        for (int i = 0; i < p; ++i)
            b[i] = b[i] + lnKr[j] * Xt[i][j];
    }
    std::array<double, maxParameters> beta{};
    for (int j = 0; j < p; ++j) {
        for (int i = 0; i < p; ++i)
            beta[i] = beta[i] + Q[i][j] * b[j];
    }

    FitResult fit;
    fit.FitLnA = beta[0];
    fit.RevA = std::exp(beta[0]);
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
    outcome.failure = FitFailure::Overflow;
    for (double coefficient : beta) {
        if (!std::isfinite(coefficient))
            return outcome;
    }
    if (!std::isfinite(fit.RevA) || fit.RevA <= 0.0)
        return outcome;

    fit.krLS.resize(n);
    double S = 0.0;
    for (size_t j = 0; j < n; ++j) {
        const double kr =
            std::exp(-fit.RevEa / (T[j] * gasConstant)) * (std::pow(T[j], fit.RevN) * fit.RevA);
        if (!std::isfinite(kr) || kr <= 0.0)
            return outcome;
        fit.krLS[j] = kr;
        const double difference = std::log(kr) - lnKr[j];
        S = S + difference * difference;
    }
    fit.S = S;
    outcome.result = std::move(fit);
    return outcome;
}

} // namespace zorbel
