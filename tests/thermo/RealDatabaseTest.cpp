#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "app/TextFiles.h"
#include "support/TestSupport.h"
#include "text/NumberText.h"
#include "thermo/ThermoCommands.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <sstream>

namespace zorbel {
namespace {

/// The species of a database counted another way: the names of the lines that carry the
/// card number 1 in column 80, upper-cased, each once.
std::set<std::string> headerCardNames(const std::filesystem::path& path) {
    std::set<std::string> names;
    const std::vector<std::string> lines = readLines(path.string()).value();
    for (const std::string& line : lines) {
        if (line.size() < 80 || line[79] != '1')
            continue;
        std::string name;
        std::istringstream(line) >> name;
        for (char& c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        names.insert(name);
    }
    return names;
}

class RealDatabaseTest : public ::testing::Test {
protected:
    RealDatabaseTest() { connectThermo(session); }

    void load(const std::filesystem::path& path) {
        platform.fileAnswers.push_back(path.string());
        session.form.CMD1.click();
    }

    ScriptedPlatform platform;
    Session session{platform};
    REVEQfrm& form = session.form;
};

TEST_F(RealDatabaseTest, SpeciesListsMatchAnIndependentCount) {
    ZORBEL_REQUIRE_SHARED_DATA();
    struct Case {
        const char* file;
        int count;
    };
    const Case cases[] = {
        {"gri30/thermo30.dat", 53},
        {"sandiego2016/sandiego20161214.thermo", 104},
        {"zhang2017/zhang2017.thermo", 37},
        {"aramco1.3/AramcoMech_1.3_therm.dat", 365},
        {"h2-oconaire2004/oconnaire2004.thermo", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const auto path = testing::sharedData() / c.file;
        load(path);
        std::set<std::string> expected = headerCardNames(path);
        EXPECT_EQ(form.LOS1.entries(), std::vector<std::string>(expected.begin(), expected.end()));
        EXPECT_EQ(session.common.SpeciesCount, c.count);
        EXPECT_EQ(form.List1Nbr.caption(), "(" + std::to_string(c.count) + ")");
    }
}

/// Cp/R, H/RT and S/R from NASA coefficients, in Horner form.
std::array<double, 3> nasa(const std::array<double, 7>& a, double t) {
    const double cp = a[0] + t * (a[1] + t * (a[2] + t * (a[3] + t * a[4])));
    const double h =
        a[0] + t * (a[1] / 2 + t * (a[2] / 3 + t * (a[3] / 4 + t * a[4] / 5))) + a[5] / t;
    const double s =
        a[0] * std::log(t) + t * (a[1] + t * (a[2] / 2 + t * (a[3] / 3 + t * a[4] / 4))) + a[6];
    return {cp, h, s};
}

TEST_F(RealDatabaseTest, WaterAtAThousandKelvin) {
    ZORBEL_REQUIRE_SHARED_DATA();
    load(testing::sharedData() / "gri30/thermo30.dat");
    ASSERT_TRUE(form.LOS1.selectFirstEqual("H2O"));
    EXPECT_EQ(session.common.TLow, " 200");
    EXPECT_EQ(session.common.THigh, " 3500");
    EXPECT_EQ(session.common.TCommon, " 1000");
    form.TXT1K.setText("1000");

    // The coefficients of H2O in GRI-Mech 3.0 (L 8/89).
    const std::array<double, 7> upper = {3.03399249E+00,  2.17691804E-03, -1.64072518E-07,
                                         -9.70419870E-11, 1.68200992E-14, -3.00042971E+04,
                                         4.96677010E+00};
    const std::array<double, 7> lower = {4.19864056E+00,  -2.03643410E-03, 6.52040211E-06,
                                         -5.48797062E-09, 1.77197817E-12,  -3.02937267E+04,
                                         -8.49032208E-01};
    const std::array<double, 3> high = nasa(upper, 1000);
    const std::array<double, 3> low = nasa(lower, 1000);
    const TextBox* mainBoxes[] = {&form.TXT1CP, &form.TXT1H, &form.TXT1S};
    const TextBox* lowerBoxes[] = {&form.TXT1CPBis, &form.TXT1HBis, &form.TXT1SBis};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(lowerBoxes[i]->visible());
        // Four significant digits: within half a unit of the fourth.
        EXPECT_NEAR(readLeadingNumber(mainBoxes[i]->text()), high[i], 5e-4 * std::fabs(high[i]));
        EXPECT_NEAR(readLeadingNumber(lowerBoxes[i]->text()), low[i], 5e-4 * std::fabs(low[i]));
    }
    // Known values for water vapour at 1000 K: Cp 41.27 J/(mol K), S 232.7 J/(mol K).
    EXPECT_NEAR(readLeadingNumber(form.TXT1CP.text()) * 8.314462618, 41.27, 0.05);
    EXPECT_NEAR(readLeadingNumber(form.TXT1S.text()) * 8.314462618, 232.7, 0.2);
}

} // namespace
} // namespace zorbel
