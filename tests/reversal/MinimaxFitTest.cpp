// The law of smallest largest error in ln k: its certificate (equioscillation at one point more
// than the law has parameters), known best laws, and the grids it refuses.

#include "reversal/MinimaxFit.h"
#include "reversal/TemperatureGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace zorbel {
namespace {

double lawAt(const MinimaxLaw& law, double t) {
    return law.lnA + law.n * std::log(t) + law.invT / t;
}

/// What makes the law the best one, better than least squares or any other: the largest error
/// over the grid is the one stated, reached with alternating signs at the reference, by
/// increasing temperature.
void expectCertified(const MinimaxLaw& fit, const std::vector<double>& T,
                     const std::vector<double>& y, RateLaw law) {
    const std::size_t parameters = law == RateLaw::Arrhenius ? 2 : 3;
    const double tolerance = 1e-9 * std::max(1.0, fit.largest);
    double largest = 0.0;
    for (std::size_t j = 0; j < T.size(); ++j)
        largest = std::max(largest, std::fabs(y[j] - lawAt(fit, T[j])));
    EXPECT_NEAR(fit.largest, largest, tolerance);
    // A grid of as many points as parameters is interpolated: all its points.
    ASSERT_EQ(fit.extremal.size(), std::min(T.size(), parameters + 1));
    double previous = 0.0;
    for (std::size_t i = 0; i < fit.extremal.size(); ++i) {
        const std::size_t j = fit.extremal[i];
        ASSERT_LT(j, T.size());
        const double e = y[j] - lawAt(fit, T[j]);
        EXPECT_NEAR(std::fabs(e), fit.largest, tolerance) << "reference point " << i;
        EXPECT_TRUE(i == 0 || T[fit.extremal[i - 1]] < T[j]);
        if (i > 0 && fit.largest > tolerance) { // an exact law has no signs
            EXPECT_LT(e * previous, 0.0) << "signs do not alternate at " << i;
        }
        previous = e;
    }
}

std::vector<double> grid(const char* cold, const char* hot, int points, bool reciprocal = true) {
    return makeGrid({cold, hot, false, false}, points, reciprocal);
}

/// ln k = f(T, j) at each point j of the grid.
template <typename F> std::vector<double> over(const std::vector<double>& T, F f) {
    std::vector<double> y;
    for (std::size_t j = 0; j < T.size(); ++j)
        y.push_back(f(T[j], j));
    return y;
}

/// A law plus errors of size E alternating at `reference` and smaller elsewhere: that law is
/// the best one, with largest error E and that reference.
std::vector<double> equioscillating(const std::vector<double>& T, double lnA, double n, double invT,
                                    double E, const std::vector<std::size_t>& reference) {
    std::vector<double> y = over(T, [&](double t, std::size_t j) {
        return lnA + n * std::log(t) + invT / t + 0.9 * E * std::sin(7.0 * double(j));
    });
    for (std::size_t i = 0; i < reference.size(); ++i) {
        const double t = T[reference[i]];
        y[reference[i]] = lnA + n * std::log(t) + invT / t + (i % 2 ? -E : E);
    }
    return y;
}

TEST(MinimaxFit, KnownBestLaws) {
    struct Case {
        const char* name;
        RateLaw law;
        std::vector<double> T, lnK;
        std::array<double, 4> best; // ln A, n, 1/T coefficient, largest error; NaN: unknown
        std::vector<std::size_t> reference;
    };
    constexpr RateLaw two = RateLaw::Arrhenius, three = RateLaw::ModifiedArrhenius;
    const double none = std::nan("");
    const auto T = grid(" 300", " 3000", 201), T3 = grid(" 300", " 3000", 3, false);
    // ln k = (1000/T)^2 is convex in x = 1000/T: the best line lies (b-a)^2/8 below the chord.
    const double a = 1000.0 / 3000.0, b = 1000.0 / 300.0, E = (b - a) * (b - a) / 8.0;
    const auto T1000 = grid(" 200", " 3500", 1000), T50 = grid(" 500", " 2500", 50, false);
    // clang-format off
    const std::vector<Case> cases = {
        {"convex in 1/T", two, T, over(T, [](double t, auto) { return 1e6 / (t * t); }),
         {-a * b - E, 0.0, 1000.0 * (a + b), E}, {0, 100, 200}},
        {"equioscillating, three parameters", three, T,
         equioscillating(T, 30.0, 1.7, -4000.0, 0.05, {3, 60, 140, 199}),
         {30.0, 1.7, -4000.0, 0.05}, {3, 60, 140, 199}},
        {"equioscillating, two parameters", two, T,
         equioscillating(T, -12.0, 0.0, 2500.0, 0.2, {0, 77, 200}), {-12.0, 0.0, 2500.0, 0.2},
         {0, 77, 200}},
        {"an exact law", three, T1000, equioscillating(T1000, 25.3, -2.1, 1500.0, 0.0, {}),
         {25.3, -2.1, 1500.0, 0.0}, {}},
        // Every point ties for the largest error: the zero law already equioscillates.
        {"ties everywhere", three, T50, over(T50, [](double, auto j) { return j % 2 ? -1.0 : 1.0; }),
         {0.0, 0.0, 0.0, 1.0}, {}},
        {"three points, three parameters", three, T3, {1.0, -2.0, 4.0}, {none, none, none, 0.0},
         {0, 1, 2}},
        {"three points, two parameters", two, T3, {1.0, -2.0, 4.0}, {none, none, none, none},
         {0, 1, 2}},
        // A spike at one point draws the law towards it, no further than it must.
        {"a spike", three, T, over(T, [](double t, auto j) {
             return 20.0 + 0.5 * std::log(t) - 3000.0 / t + 1e-5 * t + (j == 120 ? 3.0 : 0.0); }),
         {none, none, none, none}, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<MinimaxLaw> fit = fitMinimax(c.T, c.lnK, c.law);
        ASSERT_TRUE(fit);
        expectCertified(*fit, c.T, c.lnK, c.law);
        const auto& [lnA, n, invT, largest] = c.best;
        if (!std::isnan(largest)) {
            EXPECT_NEAR(fit->largest, largest, 1e-9);
        }
        if (!std::isnan(lnA)) {
            EXPECT_NEAR(fit->lnA, lnA, 1e-7);
            EXPECT_NEAR(fit->n, n, 1e-8);
            EXPECT_NEAR(fit->invT, invT, 1e-5 * std::max(1.0, std::fabs(invT)));
        }
        if (!c.reference.empty()) {
            EXPECT_EQ(fit->extremal, c.reference);
        }
    }
}

TEST(MinimaxFit, RefusesGridsWithoutABestLaw) {
    const std::vector<std::pair<std::vector<double>, std::vector<double>>> grids = {
        {{300.0, 1000.0}, {1.0, 2.0}},                     // fewer points than parameters
        {{300.0, 1000.0, 1000.0, 2000.0}, {1, 2, 3, 4}},   // one temperature twice
        {{300.0, 1000.0, 0.0, 2000.0}, {1, 2, 3, 4}},      // T = 0
        {{300.0, 1000.0, 1500.0, 2000.0}, {1, 2, NAN, 4}}, // ln k not finite
        {{300.0, 1000.0, 1500.0}, {1, 2, 3, 4}},           // the series differ in length
    };
    for (const auto& [T, y] : grids)
        EXPECT_FALSE(fitMinimax(T, y, RateLaw::ModifiedArrhenius)) << T.size();
}

} // namespace
} // namespace zorbel
