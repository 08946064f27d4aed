#include "reversal/ArrheniusFit.h"

#include "reversal/TemperatureGrid.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

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

TEST(ArrheniusFit, ThreeParameterLawOnTheSameData) {
    std::vector<double> T = makeGrid({" 300", " 3000", false, false}, 50, true);
    FitOutcome outcome =
        fitRateLaw(T, lnLaw(T, 2.0e12, 0.0, 5000.0), RateLaw::ModifiedArrhenius, R);
    ASSERT_TRUE(outcome.result);
    EXPECT_NEAR(outcome.result->RevN, 0.0, 1e-7);
    EXPECT_NEAR(outcome.result->RevA / 2.0e12, 1.0, 1e-5);
    EXPECT_NEAR(outcome.result->RevEa, 5000.0, 1e-3);
}

TEST(ArrheniusFit, RecoversAModifiedLawThroughThreePoints) {
    std::vector<double> T = makeGrid({" 300", " 3000", false, false}, 3, false);
    FitOutcome outcome =
        fitRateLaw(T, lnLaw(T, 3.5e6, 2.1, -1200.0), RateLaw::ModifiedArrhenius, R);
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

TEST(ArrheniusFit, EqualTemperaturesHaveNoSolution) {
    std::vector<double> T(5, 1000.0);
    std::vector<double> y(5, 3.0);
    EXPECT_FALSE(fitRateLaw(T, y, RateLaw::Arrhenius, R).result);
    FitOutcome three = fitRateLaw(T, y, RateLaw::ModifiedArrhenius, R);
    EXPECT_FALSE(three.result);
    EXPECT_EQ(three.failure, FitFailure::Singular);
}

TEST(ArrheniusFit, ARangeTooNarrowForThreeParametersIsSingular) {
    std::vector<double> T = makeGrid({" 1000", " 1010", false, false}, 50, true);
    std::vector<double> y(T.size(), 3.0);
    EXPECT_FALSE(fitRateLaw(T, y, RateLaw::ModifiedArrhenius, R).result);
    EXPECT_TRUE(fitRateLaw(T, y, RateLaw::Arrhenius, R).result);
    std::vector<double> wider = makeGrid({" 1000", " 1100", false, false}, 50, true);
    EXPECT_TRUE(
        fitRateLaw(wider, lnLaw(wider, 1e10, 1.5, 3000.0), RateLaw::ModifiedArrhenius, R).result);
}

TEST(ArrheniusFit, OverflowIsReported) {
    std::vector<double> T{300.0, 1000.0, 3000.0};
    std::vector<double> y{800.0, 800.0, 800.0}; // exp(800) is beyond any double
    FitOutcome outcome = fitRateLaw(T, y, RateLaw::Arrhenius, R);
    EXPECT_FALSE(outcome.result);
    EXPECT_EQ(outcome.failure, FitFailure::Overflow);
}

TEST(ArrheniusFit, ABatchFitWritesTheErrorMeasureOfTheExactOne) {
    // Without the law kept, S comes from the law's logarithm; its text must be the exact
    // S's, from a perfect fit (S near 0) to a poor one, up to the edge of overflow.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> logA(-30.0, 80.0), n(-3.0, 4.0), Ea(-5e4, 2e5),
        logNoise(-17.0, 1.0);
    int cases = 0;
    for (const int points : {3, 50, 2000}) {
        const std::vector<double> T = makeGrid({" 200", " 6000", false, false}, points, true);
        for (const RateLaw law : {RateLaw::Arrhenius, RateLaw::ModifiedArrhenius}) {
            const FitBasis basis = fitBasis(T, law);
            for (int k = 0; k < 400; ++k) {
                std::vector<double> y = lnLaw(T, std::exp(logA(random)), n(random), Ea(random));
                const double noise = k % 10 == 0 ? 0.0 : std::pow(10.0, logNoise(random));
                for (double& value : y)
                    value += noise * std::sin(value * 12.9898);
                const FitOutcome exact = fitRateLaw(T, y, law, R);
                const FitOutcome batch =
                    fitFromSums(basis, fitSums(basis, y), T, y.data(), R, false);
                ASSERT_EQ(batch.result.has_value(), exact.result.has_value());
                if (!exact.result)
                    continue;
                ++cases;
                EXPECT_EQ(formatNumber(batch.result->S, "0.0E+00"),
                          formatNumber(exact.result->S, "0.0E+00"));
                EXPECT_TRUE(batch.result->krLS.empty());
            }
        }
    }
    EXPECT_GT(cases, 2000);
}

} // namespace
} // namespace zorbel
