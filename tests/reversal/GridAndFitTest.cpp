// The temperature range and grid of a reversal, and the rate law fitted over it.

#include "reversal/ArrheniusFit.h"
#include "reversal/TemperatureGrid.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <array>
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

SlotLimits species(const char* low, const char* high) {
    return {false, low, high};
}
SlotLimits noLimits() {
    return {};
}

// The largest lower and the smallest upper limit, never above 10000 K; 0 without species.
TEST(DetectedRange, LargestLowerAndSmallestUpperLimit) {
    const auto detected = [](std::array<SlotLimits, 6> slots) {
        const TemperatureRange range = detectRange(slots);
        EXPECT_FALSE(range.coldPersonal || range.hotPersonal);
        return range.cold + " -" + range.hot;
    };
    EXPECT_EQ(detected({species(" 300", " 5000"), species(" 300", " 3000"), noLimits(),
                        species(" 200", " 6000"), noLimits(), noLimits()}),
              " 300 - 3000");
    EXPECT_EQ(detected({species(" 200", " 20000"), noLimits(), noLimits(), noLimits(), noLimits(),
                        noLimits()}),
              " 200 - 10000");
    EXPECT_EQ(detected({}), " 0 - 10000");
}

struct PersonalCase {
    const char* cold;
    const char* hot;
    RangeWarning warning;
    const char* rangeCold;
    const char* rangeHot;
    bool coldPersonal;
    bool hotPersonal;
};

TEST(PersonalRange, RulesAgainstDetected300To3000) {
    const PersonalCase cases[] = {
        {"500", "500", RangeWarning::NotSuitable, " 300", " 3000", false, false},
        {"2500", "500", RangeWarning::NotSuitable, " 300", " 3000", false, false},
        {"250", "3500", RangeWarning::NotSuitable, " 300", " 3000", false, false},
        {"", "", RangeWarning::NotSuitable, " 300", " 3000", false, false},
        {"250", "2500", RangeWarning::ColdIgnored, " 300", " 2500", false, true},
        {"500", "3500", RangeWarning::HotIgnored, " 500", " 3000", true, false},
        {"500", "3000", RangeWarning::None, " 500", " 3000", true, true},
        {"300", "3000", RangeWarning::None, " 300", " 3000", true, true},
        {"", "2000", RangeWarning::ColdIgnored, " 300", " 2000", false, true},
        {"400.5", "1e3", RangeWarning::None, " 400.5", " 1000", true, true},
        // A personal cold end above the detected hot end gives reversed ends: the
        // reversal refuses such a range afterwards.
        {"3500", "5000", RangeWarning::HotIgnored, " 3500", " 3000", true, false},
    };
    for (const PersonalCase& c : cases) {
        SCOPED_TRACE(std::string(c.cold) + " - " + c.hot);
        TemperatureRange range{" 300", " 3000", false, false};
        EXPECT_EQ(applyPersonalRange(range, {true, c.cold, c.hot}), c.warning);
        EXPECT_EQ(range.cold, c.rangeCold);
        EXPECT_EQ(range.hot, c.rangeHot);
        EXPECT_EQ(range.coldPersonal, c.coldPersonal);
        EXPECT_EQ(range.hotPersonal, c.hotPersonal);
    }
    // Not ticked, the personal range is ignored.
    TemperatureRange range{" 300", " 3000", false, false};
    EXPECT_EQ(applyPersonalRange(range, {false, "500", "500"}), RangeWarning::None);
    EXPECT_EQ(range.cold + range.hot, " 300 3000");
}

TEST(Grid, ThreePointsReciprocalAndLinear) {
    TemperatureRange range{" 300", " 3000", false, false};
    std::vector<double> reciprocal = makeGrid(range, 3, true);
    ASSERT_EQ(reciprocal.size(), 3U);
    EXPECT_DOUBLE_EQ(reciprocal[0], 300.0);
    EXPECT_NEAR(reciprocal[1], 1.0 / ((1.0 / 300 + 1.0 / 3000) / 2), 1e-9);
    EXPECT_EQ(generalNumber(reciprocal[1]), "545.454545454545");
    EXPECT_DOUBLE_EQ(reciprocal[2], 3000.0);
    EXPECT_EQ(makeGrid(range, 3, false), (std::vector<double>{300.0, 1650.0, 3000.0}));
}

TEST(Grid, RunningSumsMatchTheClosedForm) {
    TemperatureRange range{" 300", " 5000", false, false};
    const int n = 10000;
    std::vector<double> reciprocal = makeGrid(range, n, true);
    std::vector<double> linear = makeGrid(range, n, false);
    const double step = (1.0 / 300 - 1.0 / 5000) / (n - 1);
    for (int i = 0; i < n; i += 97) {
        EXPECT_NEAR(1.0 / reciprocal[static_cast<size_t>(i)], 1.0 / 300 - i * step, 1e-15);
        EXPECT_NEAR(linear[static_cast<size_t>(i)], 300 + i * (4700.0 / (n - 1)), 1e-8);
    }
    for (size_t i = 1; i < reciprocal.size(); ++i)
        ASSERT_LT(reciprocal[i - 1], reciprocal[i]);
    // The ends come back as reciprocals of reciprocals: equal once written with 15 digits.
    EXPECT_EQ(generalNumber(reciprocal.front()), "300");
    EXPECT_EQ(generalNumber(reciprocal.back()), "5000");
    EXPECT_EQ(linear.back(), 5000.0);
}

TEST(Grid, LastPointIndexFromThePointsBox) {
    // Halves go to the even neighbour: 2.5 to 2, 3.5 to 4.
    for (const auto& [points, last] : {std::pair{"50", 49}, {"3", 2}, {"3.5", 2}, {"4.5", 4}})
        EXPECT_EQ(lastPointIndex(points), last) << points;
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
    // A power of T beyond any double at every point, in a law that is not: refused alike.
    const std::vector<double> T = makeGrid({" 300", " 3500", false, false}, 50, true);
    std::vector<double> y;
    for (const double t : T) // ln(1e-300 T^150), with an S far above its rounding
        y.push_back(std::log(1e-300) + 150.0 * std::log(t) + 0.1 * std::sin(t));
    const FitBasis basis = fitBasis(T, RateLaw::ModifiedArrhenius);
    EXPECT_FALSE(fitRateLaw(T, y, RateLaw::ModifiedArrhenius, R).result);
    EXPECT_FALSE(fitFromSums(basis, fitSums(basis, y), T, y.data(), R, false).result);
}

} // namespace
} // namespace zorbel
