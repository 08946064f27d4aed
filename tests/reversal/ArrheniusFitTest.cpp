#include "reversal/ArrheniusFit.h"

#include "reversal/TemperatureGrid.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zorbel {
namespace {

const double R = static_cast<double>(1.9872F);

std::vector<double> lnLaw(const std::vector<double>& T, double A, double n, double Ea) {
    std::vector<double> y;
    for (double t : T)
        y.push_back(std::log(A * std::pow(t, n) * std::exp(-Ea / (R * t))));
    return y;
}

TEST(ArrheniusFit, RecoversATwoParameterLaw) {
    ASSERT_EQ(R, 1.9872000217437744);
    std::vector<double> T = makeGrid({" 300", " 3000", false, false}, 50, true);
    FitOutcome outcome = fitRateLaw(T, lnLaw(T, 2.0e12, 0.0, 5000.0), RateLaw::Arrhenius, R);
    ASSERT_TRUE(outcome.result);
    const FitResult& fit = *outcome.result;
    EXPECT_NEAR(fit.RevA / 2.0e12, 1.0, 1e-9);
    EXPECT_NEAR(fit.RevEa, 5000.0, 1e-6);
    EXPECT_EQ(fit.RevN, 0.0);
    EXPECT_EQ(fit.FitN, 0.0);
    EXPECT_NEAR(fit.FitInvT, -5000.0 / 1.9872000217437744, 1e-6);
    EXPECT_LT(fit.S, 1e-20);
    EXPECT_EQ(formatNumber(fit.RevA, "0.000E+00"), "2.000E+12");
    EXPECT_EQ(formatNumber(fit.RevEa, "0.0"), "5000.0");
    // With n = 0 the fitted law uses T^0 = 1 at every point.
    EXPECT_NEAR(fit.krLS[10], 2.0e12 * std::exp(-5000.0 / (R * T[10])), 1e-3);
}

// The three-parameter law on the same data, and through three points of a modified law.
TEST(ArrheniusFit, RecoversAModifiedLaw) {
    std::vector<double> T = makeGrid({" 300", " 3000", false, false}, 50, true);
    FitOutcome outcome =
        fitRateLaw(T, lnLaw(T, 2.0e12, 0.0, 5000.0), RateLaw::ModifiedArrhenius, R);
    ASSERT_TRUE(outcome.result);
    EXPECT_NEAR(outcome.result->RevN, 0.0, 1e-7);
    EXPECT_NEAR(outcome.result->RevA / 2.0e12, 1.0, 1e-5);
    EXPECT_NEAR(outcome.result->RevEa, 5000.0, 1e-3);

    T = makeGrid({" 300", " 3000", false, false}, 3, false);
    outcome = fitRateLaw(T, lnLaw(T, 3.5e6, 2.1, -1200.0), RateLaw::ModifiedArrhenius, R);
    ASSERT_TRUE(outcome.result);
    EXPECT_NEAR(outcome.result->RevN, 2.1, 1e-8);
    EXPECT_NEAR(outcome.result->RevEa, -1200.0, 1e-5);
    EXPECT_NEAR(outcome.result->FitLnA, std::log(3.5e6), 1e-8);
    EXPECT_LT(outcome.result->S, 1e-18);
}

TEST(ArrheniusFit, ErrorMeasureIsTheUndividedSumOfSquares) {
    std::vector<double> T{300.0, 1000.0, 3000.0};
    std::vector<double> y{1.0, 0.0, 1.0}; // cannot be followed by a two-parameter law
    FitOutcome outcome = fitRateLaw(T, y, RateLaw::Arrhenius, R);
    ASSERT_TRUE(outcome.result);
    double S = 0.0;
    for (size_t j = 0; j < T.size(); ++j) {
        const double fitted = outcome.result->FitLnA + outcome.result->FitInvT / T[j];
        S += (fitted - y[j]) * (fitted - y[j]);
    }
    EXPECT_NEAR(outcome.result->S, S, 1e-12);
    EXPECT_GT(outcome.result->S, 0.1);
}

// Equal temperatures, or a range too narrow for three parameters, have no solution; a
// law beyond the doubles is an overflow.
TEST(ArrheniusFit, SingularAndOverflowingFits) {
    std::vector<double> T(5, 1000.0);
    std::vector<double> y(5, 3.0);
    EXPECT_FALSE(fitRateLaw(T, y, RateLaw::Arrhenius, R).result);
    FitOutcome three = fitRateLaw(T, y, RateLaw::ModifiedArrhenius, R);
    EXPECT_FALSE(three.result);
    EXPECT_EQ(three.failure, FitFailure::Singular);

    T = makeGrid({" 1000", " 1010", false, false}, 50, true);
    y.assign(T.size(), 3.0);
    EXPECT_FALSE(fitRateLaw(T, y, RateLaw::ModifiedArrhenius, R).result);
    EXPECT_TRUE(fitRateLaw(T, y, RateLaw::Arrhenius, R).result);
    std::vector<double> wider = makeGrid({" 1000", " 1100", false, false}, 50, true);
    EXPECT_TRUE(
        fitRateLaw(wider, lnLaw(wider, 1e10, 1.5, 3000.0), RateLaw::ModifiedArrhenius, R).result);

    const FitOutcome overflow = // exp(800) is beyond any double
        fitRateLaw({300.0, 1000.0, 3000.0}, {800.0, 800.0, 800.0}, RateLaw::Arrhenius, R);
    EXPECT_FALSE(overflow.result);
    EXPECT_EQ(overflow.failure, FitFailure::Overflow);
}

} // namespace
} // namespace zorbel
