// Sums of Arrhenius laws fitted to the smallest largest error of ln k.

#include "reversal/LawSum.h"
#include "reversal/ArrheniusFit.h"
#include "reversal/LawSumStarts.h"
#include "reversal/TemperatureGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zorbel {
namespace {

std::vector<double> lnOf(const std::vector<LawTerm>& terms, const std::vector<double>& T) {
    std::vector<double> y;
    for (double t : T) {
        double k = 0.0;
        for (const LawTerm& term : terms)
            k += std::exp(term.lnA + term.n * std::log(t) + term.invT / t);
        y.push_back(std::log(k));
    }
    return y;
}

double largestError(const LawSum& sum, const std::vector<double>& T, const std::vector<double>& y) {
    double largest = 0.0;
    for (std::size_t j = 0; j < T.size(); ++j)
        largest = std::max(largest, std::fabs(lnLawSum(sum.terms, T[j]) - y[j]));
    return largest;
}

struct KnownSum {
    const char* what;
    RateLaw law;
    std::vector<LawTerm> terms;
    std::vector<double> splits;
    bool distinct; ///< each law rules a part of the range, so each comes back
};

// Sums the fitter must follow; where each law rules a part of the range the sum is the only
// one of its size that follows ln k, and the laws come back one by one.
TEST(LawSum, RecoversASumOfKnownLaws) {
    const KnownSum cases[] = {
        {"two modified laws",
         RateLaw::ModifiedArrhenius,
         {{std::log(1.0e14), 0.0, -20000.0}, {std::log(1.0e9), 0.5, -2000.0}},
         {},
         true},
        {"two two-parameter laws",
         RateLaw::Arrhenius,
         {{std::log(1.0e14), 0.0, -20000.0}, {std::log(5.0e10), 0.0, -3000.0}},
         {1000.0},
         true},
        {"three modified laws",
         RateLaw::ModifiedArrhenius,
         {{std::log(1.0e15), -0.5, -30000.0},
          {std::log(4.0e9), 0.7, -9000.0},
          {std::log(2.0e5), 2.0, 500.0}},
         {1000.0, 1400.0},
         false},
    };
    const std::vector<double> T = makeGrid({" 300", " 3500", false, false}, 400, true);
    for (const KnownSum& known : cases) {
        SCOPED_TRACE(known.what);
        const std::vector<double> y = lnOf(known.terms, T);
        const std::optional<LawSum> sum =
            fitLawSum(T, y, known.law, known.terms.size(), known.splits);
        ASSERT_TRUE(sum);
        ASSERT_EQ(sum->terms.size(), known.terms.size());
        EXPECT_LT(sum->largest, known.distinct ? 1e-6 : 1e-3);
        EXPECT_DOUBLE_EQ(sum->largest, largestError(*sum, T, y));
        if (!known.distinct)
            continue;
        std::vector<LawTerm> found = sum->terms;
        std::vector<LawTerm> given = known.terms;
        const auto byActivation = [](const LawTerm& a, const LawTerm& b) {
            return a.invT < b.invT;
        };
        std::sort(found.begin(), found.end(), byActivation);
        std::sort(given.begin(), given.end(), byActivation);
        for (std::size_t i = 0; i < given.size(); ++i) {
            EXPECT_NEAR(found[i].invT, given[i].invT, 0.02 * std::fabs(given[i].invT) + 50.0);
            EXPECT_NEAR(found[i].n, given[i].n, 0.05);
            if (known.law == RateLaw::Arrhenius) {
                EXPECT_EQ(found[i].n, 0.0);
            }
        }
    }
}

// One law on a curve it cannot follow: its largest error is the smallest, below that of
// least squares, which spends its error at the ends; more laws do better still.
TEST(LawSum, SpreadsTheErrorAndImprovesWithEachLaw) {
    const std::vector<double> T = makeGrid({" 300", " 3500", false, false}, 500, true);
    std::vector<double> y;
    for (double t : T)
        y.push_back(30.0 - 12000.0 / t + 0.8 * std::log(t) - 3e-4 * t + 4e-8 * t * t);
    const double R = 1.9872;
    const FitOutcome leastSquares = fitRateLaw(T, y, RateLaw::ModifiedArrhenius, R);
    ASSERT_TRUE(leastSquares.result);
    double leastSquaresLargest = 0.0;
    for (std::size_t j = 0; j < T.size(); ++j)
        leastSquaresLargest =
            std::max(leastSquaresLargest, std::fabs(std::log(leastSquares.result->krLS[j]) - y[j]));

    std::optional<LawSum> previous;
    double bound = leastSquaresLargest;
    for (std::size_t count = 1; count <= 3; ++count) {
        SCOPED_TRACE(count);
        const std::optional<LawSum> sum = fitLawSum(T, y, RateLaw::ModifiedArrhenius, count,
                                                    {1000.0}, previous ? &*previous : nullptr);
        ASSERT_TRUE(sum);
        EXPECT_LT(sum->largest, bound);
        EXPECT_DOUBLE_EQ(sum->largest, largestError(*sum, T, y));
        bound = sum->largest;
        previous = sum;
    }
    EXPECT_LT(bound, 0.2 * leastSquaresLargest);
}

// A sum one law short of k starts the next search with the law it lacks: given the first
// of two laws, the start is the whole sum.
TEST(LawSum, TheStartFromFewerLawsAddsTheLawTheyLack) {
    const std::vector<LawTerm> laws = {{std::log(1.0e14), 0.0, -20000.0},
                                       {std::log(1.0e9), 0.5, -2000.0}};
    const std::vector<double> T = makeGrid({" 300", " 3500", false, false}, 60, true);
    const std::vector<double> y = lnOf(laws, T);
    lawsum::Points points;
    points.Tm = std::sqrt(T.front() * T.back());
    for (std::size_t j = 0; j < T.size(); ++j) {
        points.x.push_back(std::log(T[j] / points.Tm));
        points.v.push_back(points.Tm / T[j] - 1.0);
        points.y.push_back(y[j]);
    }
    const lawsum::Shape shape{2, 3};
    const lawsum::Vector theta = lawsum::extendedStart(points, shape, LawSum{{laws[0]}, 1.0});
    ASSERT_EQ(theta.size(), 6);
    for (std::size_t j = 0; j < T.size(); ++j)
        EXPECT_NEAR(lawsum::partialSum(points, shape, theta, 2, j), y[j], 1e-6) << T[j];
    // A sum that already follows k leaves nothing to add.
    EXPECT_EQ(lawsum::extendedStart(points, {3, 3}, LawSum{laws, 0.0}).size(), 0);
}

TEST(LawSum, RefusesWhatCannotBeFitted) {
    const std::vector<double> T = makeGrid({" 300", " 3500", false, false}, 8, true);
    const std::vector<double> y = lnOf({{10.0, 0.0, -1000.0}}, T);
    EXPECT_FALSE(fitLawSum(T, y, RateLaw::ModifiedArrhenius, 3, {})) << "9 parameters, 8 points";
    EXPECT_TRUE(fitLawSum(T, y, RateLaw::Arrhenius, 3, {})) << "6 parameters";
    EXPECT_FALSE(fitLawSum(T, y, RateLaw::Arrhenius, 4, {}));
    EXPECT_FALSE(fitLawSum(T, y, RateLaw::Arrhenius, 0, {}));
    std::vector<double> bad = y;
    bad[3] = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(fitLawSum(T, bad, RateLaw::Arrhenius, 1, {}));
    std::vector<double> cold = T;
    cold[0] = 0.0;
    EXPECT_FALSE(fitLawSum(cold, y, RateLaw::Arrhenius, 1, {}));
    // Finite, but beyond what any start's laws can be computed for.
    std::vector<double> wild(T.size());
    for (std::size_t j = 0; j < wild.size(); ++j)
        wild[j] = j % 2 == 0 ? 1e308 : -1e308;
    EXPECT_FALSE(fitLawSum(T, wild, RateLaw::Arrhenius, 2, {}));
}

} // namespace
} // namespace zorbel
