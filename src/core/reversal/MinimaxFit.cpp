#include "reversal/MinimaxFit.h"

#include "numeric/ExactMath.h"

#include <Eigen/LU>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <numeric>

namespace zorbel {

namespace {

constexpr int maxParameters = 3;
constexpr int maxReference = maxParameters + 1;
using Square = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, 0, maxReference, maxReference>;
using Column = Eigen::Matrix<double, Eigen::Dynamic, 1, 0, maxReference, 1>;

/// Each exchange raises the levelled error, so the exchange cannot return to a reference;
/// the cap only guards against rounding that makes two references look alike.
constexpr int maxExchanges = 500;
/// How far the largest error may exceed the levelled error of the reference, relative to
/// it and to ln k, for the law to count as the best: what rounding leaves of the difference.
constexpr double relativeGap = 1e-12;
constexpr double absoluteGap = 1e-13;

/// The grid by increasing T, with each regressor but the constant mapped onto [-1, 1]: the
/// small systems of the exchange then stay well conditioned whatever the range.
struct Basis {
    int parameters = 3;
    std::vector<std::size_t> order; ///< grid indices by increasing T
    std::vector<double> f;          ///< ln k in that order
    std::array<std::vector<double>, maxParameters> columns;
    std::array<double, maxParameters> centre{};
    std::array<double, maxParameters> halfWidth{};
};

std::optional<Basis> basisOf(const std::vector<double>& T, const std::vector<double>& lnK, int p) {
    const std::size_t N = T.size();
    if (lnK.size() != N || N < static_cast<std::size_t>(p))
        return std::nullopt;
    for (std::size_t j = 0; j < N; ++j) {
        if (!std::isfinite(T[j]) || !(T[j] > 0.0) || !std::isfinite(lnK[j]))
            return std::nullopt;
    }
    Basis basis;
    basis.parameters = p;
    basis.order.resize(N);
    std::iota(basis.order.begin(), basis.order.end(), std::size_t{0});
    std::stable_sort(basis.order.begin(), basis.order.end(),
                     [&](std::size_t a, std::size_t b) { return T[a] < T[b]; });
    for (std::size_t j = 1; j < N; ++j) {
        if (T[basis.order[j]] == T[basis.order[j - 1]])
            return std::nullopt; // two values at one temperature are no Chebyshev system
    }
    basis.f.resize(N);
    basis.columns[0].assign(N, 1.0);
    for (std::size_t j = 0; j < N; ++j) {
        const double t = T[basis.order[j]];
        basis.f[j] = lnK[basis.order[j]];
        if (p == 3)
            basis.columns[1].push_back(exact::log(t));
        basis.columns[p - 1].push_back(1.0 / t);
    }
    basis.centre[0] = 0.0;
    basis.halfWidth[0] = 1.0;
    for (int k = 1; k < p; ++k) {
        auto [low, high] = std::minmax_element(basis.columns[k].begin(), basis.columns[k].end());
        basis.centre[k] = 0.5 * (*low + *high);
        basis.halfWidth[k] = N > 1 ? 0.5 * (*high - *low) : 1.0;
        for (double& x : basis.columns[k])
            x = (x - basis.centre[k]) / basis.halfWidth[k];
    }
    return basis;
}

/// The law through the reference with the levelled error h: f - law = (-1)^i h at its i-th
/// point. A reference of only as many points as parameters is interpolated (h = 0).
struct Levelled {
    std::array<double, maxParameters> c{};
    double h = 0.0;
};

std::optional<Levelled> solveReference(const Basis& basis, const std::vector<std::size_t>& ref) {
    const int p = basis.parameters;
    const int m = static_cast<int>(ref.size());
    Square A(m, m);
    Column b(m);
    for (int i = 0; i < m; ++i) {
        for (int k = 0; k < p; ++k)
            A(i, k) = basis.columns[k][ref[i]];
        if (m > p)
            A(i, p) = i % 2 == 0 ? 1.0 : -1.0;
        b(i) = basis.f[ref[i]];
    }
    const Eigen::FullPivLU<Square> lu(A);
    if (!lu.isInvertible())
        return std::nullopt;
    const Column z = lu.solve(b);
    Levelled result;
    for (int k = 0; k < p; ++k)
        result.c[k] = z(k);
    result.h = m > p ? z(p) : 0.0;
    if (!std::all_of(z.begin(), z.end(), [](double v) { return std::isfinite(v); }))
        return std::nullopt;
    return result;
}

double errorAt(const Basis& basis, const Levelled& law, std::size_t j) {
    double value = 0.0;
    for (int k = 0; k < basis.parameters; ++k)
        value += law.c[k] * basis.columns[k][j];
    return basis.f[j] - value;
}

/// The first point of largest |error|: the lowest temperature wins a tie, so that every run
/// exchanges the same points.
std::size_t worstPoint(const Basis& basis, const Levelled& law) {
    std::size_t worst = 0;
    double largest = -1.0;
    for (std::size_t j = 0; j < basis.f.size(); ++j) {
        const double e = std::fabs(errorAt(basis, law, j));
        if (e > largest) {
            largest = e;
            worst = j;
        }
    }
    return worst;
}

/// The first reference: points spread as the extrema of a Chebyshev polynomial are, which
/// is where the error of a smooth ln k tends to peak.
std::vector<std::size_t> firstReference(std::size_t N, int m) {
    std::vector<std::size_t> ref(m);
    const double last = static_cast<double>(N - 1);
    for (int i = 0; i < m; ++i) {
        const double x = 0.5 * (1.0 - exact::cos(std::numbers::pi * i / (m - 1)));
        ref[i] = static_cast<std::size_t>(std::lround(last * x));
    }
    // Few points: keep them distinct.
    for (int i = 1; i < m; ++i)
        ref[i] = std::max(ref[i], ref[i - 1] + 1);
    for (int i = m - 2; i >= 0; --i)
        ref[i] = std::min(ref[i], ref[i + 1] - 1);
    return ref;
}

/// Stiefel's single exchange: point j, whose error e has the largest size, enters the
/// reference in place of the neighbour whose error has its sign, so that the signs still
/// alternate; beyond an end whose sign differs, the reference shifts by one.
void exchange(std::vector<std::size_t>& ref, std::size_t j, double e, double h) {
    const std::size_t m = ref.size();
    const auto sameSign = [&](std::size_t i) {
        const bool positive = (i % 2 == 0) == !(h < 0.0);
        return positive == (e > 0.0);
    };
    if (j < ref.front()) {
        if (!sameSign(0))
            ref.pop_back();
        else
            ref.erase(ref.begin());
        ref.insert(ref.begin(), j);
        return;
    }
    if (j > ref.back()) {
        if (!sameSign(m - 1))
            ref.erase(ref.begin());
        else
            ref.pop_back();
        ref.push_back(j);
        return;
    }
    const std::size_t i =
        static_cast<std::size_t>(std::upper_bound(ref.begin(), ref.end(), j) - ref.begin() - 1);
    ref[sameSign(i) ? i : i + 1] = j;
}

/// The exchange from the first reference to the best one, or the best law met when rounding
/// stops the levelled error from rising.
std::optional<std::pair<Levelled, std::vector<std::size_t>>> exchangeToBest(const Basis& basis) {
    const std::size_t N = basis.f.size();
    const int m = std::min(static_cast<int>(N), basis.parameters + 1);
    std::vector<std::size_t> ref = firstReference(N, m);
    double scale = 1.0;
    for (double v : basis.f)
        scale = std::max(scale, std::fabs(v));
    double previous = -1.0;
    std::optional<std::pair<Levelled, std::vector<std::size_t>>> best;
    for (int round = 0; round < maxExchanges; ++round) {
        const std::optional<Levelled> law = solveReference(basis, ref);
        if (!law)
            return best;
        const double level = std::fabs(law->h);
        if (best && !(level > previous))
            return best; // rounding: the exchange no longer gains
        best.emplace(*law, ref);
        previous = level;
        const std::size_t j = worstPoint(basis, *law);
        const double e = errorAt(basis, *law, j);
        if (m == basis.parameters ||
            std::fabs(e) <= level * (1.0 + relativeGap) + absoluteGap * scale ||
            std::binary_search(ref.begin(), ref.end(), j))
            return best;
        exchange(ref, j, e, law->h);
    }
    return best;
}

} // namespace

std::optional<MinimaxLaw> fitMinimax(const std::vector<double>& T, const std::vector<double>& lnK,
                                     RateLaw law) {
    const int p = law == RateLaw::Arrhenius ? 2 : 3;
    const std::optional<Basis> basis = basisOf(T, lnK, p);
    if (!basis)
        return std::nullopt;
    const auto found = exchangeToBest(*basis);
    if (!found)
        return std::nullopt;
    const Levelled& levelled = found->first;
    // Back from the scaled regressors to the law's own coefficients.
    std::array<double, maxParameters> a{};
    a[0] = levelled.c[0];
    for (int k = 1; k < p; ++k) {
        a[k] = levelled.c[k] / basis->halfWidth[k];
        a[0] -= a[k] * basis->centre[k];
    }
    MinimaxLaw result;
    result.lnA = a[0];
    result.n = p == 3 ? a[1] : 0.0;
    result.invT = a[p - 1];
    // The largest error of the law as a caller evaluates it, not of its scaled form.
    for (std::size_t j = 0; j < T.size(); ++j) {
        const double lawAt = result.lnA + result.n * exact::log(T[j]) + result.invT / T[j];
        result.largest = std::max(result.largest, std::fabs(lawAt - lnK[j]));
    }
    if (!std::isfinite(result.largest))
        return std::nullopt;
    for (std::size_t position : found->second)
        result.extremal.push_back(basis->order[position]);
    return result;
}

} // namespace zorbel
