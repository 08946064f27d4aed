#include "reversal/TemperatureGrid.h"

#include "text/NumberText.h"

#include <gtest/gtest.h>

namespace zorbel {
namespace {

SlotLimits species(const char* low, const char* high) {
    return {false, low, high};
}
SlotLimits noLimits() {
    return {};
}

TEST(DetectedRange, LargestLowerAndSmallestUpperLimit) {
    TemperatureRange range =
        detectRange({species(" 300", " 5000"), species(" 300", " 3000"), noLimits(),
                     species(" 200", " 6000"), noLimits(), noLimits()});
    EXPECT_EQ(range.cold, " 300");
    EXPECT_EQ(range.hot, " 3000");
    EXPECT_FALSE(range.coldBold);
    EXPECT_FALSE(range.hotBold);
}

TEST(DetectedRange, NeverAboveTenThousandAndZeroWithoutSpecies) {
    TemperatureRange wide = detectRange(
        {species(" 200", " 20000"), noLimits(), noLimits(), noLimits(), noLimits(), noLimits()});
    EXPECT_EQ(wide.cold, " 200");
    EXPECT_EQ(wide.hot, " 10000");
    TemperatureRange none =
        detectRange({noLimits(), noLimits(), noLimits(), noLimits(), noLimits(), noLimits()});
    EXPECT_EQ(none.cold, " 0");
    EXPECT_EQ(none.hot, " 10000");
}

struct PersonalCase {
    const char* cold;
    const char* hot;
    RangeWarning warning;
    const char* rangeCold;
    const char* rangeHot;
    bool coldBold;
    bool hotBold;
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
        EXPECT_EQ(range.coldBold, c.coldBold);
        EXPECT_EQ(range.hotBold, c.hotBold);
    }
}

TEST(PersonalRange, IgnoredWhenNotTicked) {
    TemperatureRange range{" 300", " 3000", false, false};
    EXPECT_EQ(applyPersonalRange(range, {false, "500", "500"}), RangeWarning::None);
    EXPECT_EQ(range.cold, " 300");
    EXPECT_EQ(range.hot, " 3000");
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
    EXPECT_EQ(lastPointIndex("50"), 49);
    EXPECT_EQ(lastPointIndex("3"), 2);
    EXPECT_EQ(lastPointIndex("3.5"), 2); // 2.5 goes to the even neighbour
    EXPECT_EQ(lastPointIndex("4.5"), 4); // 3.5 goes to 4
}

} // namespace
} // namespace zorbel
