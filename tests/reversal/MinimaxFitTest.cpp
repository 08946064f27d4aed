// The law of smallest largest error in ln k: its certificate (equioscillation at one point more
// than the law has parameters), known best laws, and the grids it refuses.

#include "reversal/MinimaxFit.h"
#include "reversal/ArrheniusFit.h"
#include "reversal/TemperatureGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace zorbel {
namespace {

const double R = static_cast<double>(1.9872F);

double lawAt(const MinimaxLaw& law, double t) {
    return law.lnA + law.n * std::log(t) + law.invT / t;
}

/// The largest |error| of the least-squares law over the grid.
double leastSquaresLargest(const std::vector<double>& T, const std::vector<double>& y,
                           RateLaw law) {
    const FitOutcome ls = fitRateLaw(T, y, law, R);
    EXPECT_TRUE(ls.result);
    double largest = 0.0;
    for (std::size_t j = 0; ls.result && j < T.size(); ++j)
        largest = std::max(largest, std::fabs(std::log(ls.result->krLS[j]) - y[j]));
    return largest;
}

/// What makes the law the best one: the largest error over the grid is the one stated, and
/// it is reached with alternating signs at the reference, by increasing temperature.
void expectCertified(const MinimaxLaw& fit, const std::vector<double>& T,
                     const std::vector<double>& y, RateLaw law) {
    const std::size_t parameters = law == RateLaw::Arrhenius ? 2 : 3;
    const double tolerance = 1e-9 * std::max(1.0, fit.largest);
    double largest = 0.0;
    for (std::size_t j = 0; j < T.size(); ++j)
        largest = std::max(largest, std::fabs(y[j] - lawAt(fit, T[j])));
    EXPECT_NEAR(fit.largest, largest, tolerance);
    if (T.size() == parameters) {
        EXPECT_EQ(fit.extremal.size(), parameters);
        return;
    }
    ASSERT_EQ(fit.extremal.size(), parameters + 1);
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
    EXPECT_LE(fit.largest, leastSquaresLargest(T, y, law) + tolerance);
}

std::vector<double> grid(const char* cold, const char* hot, int points, bool reciprocal = true) {
    return makeGrid({cold, hot, false, false}, points, reciprocal);
}

std::vector<double> lnLaw(const std::vector<double>& T, double lnA, double n, double invT) {
    std::vector<double> y;
    for (double t : T)
        y.push_back(lnA + n * std::log(t) + invT / t);
    return y;
}

/// A law plus errors of size E alternating at `reference` and smaller elsewhere: that law is
/// the best one, with largest error E and that reference.
std::vector<double> equioscillating(const std::vector<double>& T, double lnA, double n, double invT,
                                    double E, const std::vector<std::size_t>& reference) {
    std::vector<double> y = lnLaw(T, lnA, n, invT);
    for (std::size_t j = 0; j < T.size(); ++j)
        y[j] += 0.9 * E * std::sin(7.0 * static_cast<double>(j));
    for (std::size_t i = 0; i < reference.size(); ++i)
        y[reference[i]] = lnLaw({T[reference[i]]}, lnA, n, invT)[0] + (i % 2 ? -E : E);
    return y;
}

TEST(MinimaxFit, KnownBestLaws) {
    struct Case {
        std::string name;
        RateLaw law;
        std::vector<double> T;
        std::function<std::vector<double>(const std::vector<double>&)> lnK;
        double lnA, n, invT, largest; // the best law; NaN where only its certificate is known
        std::vector<std::size_t> reference;
    };
    const double none = std::nan("");
    const auto T200 = grid(" 300", " 3000", 201);
    // ln k = (1000/T)^2 is convex in x = 1000/T: the best line lies (b-a)^2/8 below the chord.
    const double a = 1000.0 / 3000.0, b = 1000.0 / 300.0, E = (b - a) * (b - a) / 8.0;
    const std::vector<Case> cases = {
        {"convex in 1/T",
         RateLaw::Arrhenius,
         T200,
         [](const auto& T) {
             std::vector<double> y;
             for (double t : T)
                 y.push_back((1000.0 / t) * (1000.0 / t));
             return y;
         },
         -a * b - E,
         0.0,
         1000.0 * (a + b),
         E,
         {0, 100, 200}},
        {"equioscillating, three parameters",
         RateLaw::ModifiedArrhenius,
         T200,
         [](const auto& T) {
             return equioscillating(T, 30.0, 1.7, -4000.0, 0.05, {3, 60, 140, 199});
         },
         30.0,
         1.7,
         -4000.0,
         0.05,
         {3, 60, 140, 199}},
        {"equioscillating, two parameters",
         RateLaw::Arrhenius,
         T200,
         [](const auto& T) {
             return equioscillating(T, -12.0, 0.0, 2500.0, 0.2, {0, 77, 200});
         },
         -12.0,
         0.0,
         2500.0,
         0.2,
         {0, 77, 200}},
        {"an exact law",
         RateLaw::ModifiedArrhenius,
         grid(" 200", " 3500", 1000),
         [](const auto& T) { return lnLaw(T, 25.3, -2.1, 1500.0); },
         25.3,
         -2.1,
         1500.0,
         0.0,
         {}},
        // Every point ties for the largest error: the zero law already equioscillates.
        {"ties everywhere",
         RateLaw::ModifiedArrhenius,
         grid(" 500", " 2500", 50, false),
         [](const auto& T) {
             std::vector<double> y;
             for (std::size_t j = 0; j < T.size(); ++j)
                 y.push_back(j % 2 ? -1.0 : 1.0);
             return y;
         },
         0.0,
         0.0,
         0.0,
         1.0,
         {}},
        {"three points, three parameters",
         RateLaw::ModifiedArrhenius,
         grid(" 300", " 3000", 3),
         [](const auto&) {
             return std::vector<double>{1.0, -2.0, 4.0};
         },
         none,
         none,
         none,
         0.0,
         {0, 1, 2}},
        {"three points, two parameters",
         RateLaw::Arrhenius,
         grid(" 300", " 3000", 3, false),
         [](const auto&) {
             return std::vector<double>{1.0, -2.0, 4.0};
         },
         none,
         none,
         none,
         none,
         {0, 1, 2}},
        // A spike at one point draws the law towards it, no further than it must.
        {"a spike",
         RateLaw::ModifiedArrhenius,
         T200,
         [](const auto& T) {
             std::vector<double> y = lnLaw(T, 20.0, 0.5, -3000.0);
             for (std::size_t j = 0; j < T.size(); ++j)
                 y[j] += 1e-5 * T[j] + (j == 120 ? 3.0 : 0.0);
             return y;
         },
         none,
         none,
         none,
         none,
         {}},
        // Grid points falling, as a caller may hand them: the fit sorts them.
        {"falling temperatures",
         RateLaw::ModifiedArrhenius,
         [&] {
             auto T = T200;
             std::reverse(T.begin(), T.end());
             return T;
         }(),
         [](const auto& T) {
             std::vector<double> y;
             for (double t : T)
                 y.push_back(std::log(t) * std::log(t) + 1e-3 * t);
             return y;
         },
         none,
         none,
         none,
         none,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<double> y = c.lnK(c.T);
        const std::optional<MinimaxLaw> fit = fitMinimax(c.T, y, c.law);
        ASSERT_TRUE(fit);
        expectCertified(*fit, c.T, y, c.law);
        if (!std::isnan(c.largest)) {
            EXPECT_NEAR(fit->largest, c.largest, 1e-9);
        }
        if (!std::isnan(c.lnA)) {
            EXPECT_NEAR(fit->lnA, c.lnA, 1e-7);
            EXPECT_NEAR(fit->n, c.n, 1e-8);
            EXPECT_NEAR(fit->invT, c.invT, 1e-5 * std::max(1.0, std::fabs(c.invT)));
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
