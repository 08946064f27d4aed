// A database of 40000 species and a mechanism of 40000 reactions: counts beyond any
// 16-bit limit, and work in proportion to the input (one yield, one block a reaction).

#include "HostileSupport.h"

#include "app/TextFiles.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace zorbel {
namespace {

using testing::HostileSession;

constexpr int largeCount = 40000;

std::string speciesName(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "S%05d", i);
    return name;
}

/// Every species with the coefficients of H2, under its own name.
std::string largeDatabase() {
    std::string text = "THERMO\n   300.000  1000.000  5000.000\n";
    for (int i = 0; i < largeCount; ++i) {
        std::string header = speciesName(i);
        header.resize(45, ' ');
        text += header + "G   200.000  3500.000  1000.000    1\n"
                         " 3.33727920E+00-4.94024731E-05 4.99456778E-07-1.79566394E-10 "
                         "2.00255376E-14    2\n"
                         "-9.50158922E+02-3.20502331E+00 2.34433112E+00 7.98052075E-03"
                         "-1.94781510E-05    3\n"
                         " 2.01572094E-08-7.37611761E-12-9.17935173E+02 6.83010238E-01"
                         "                   4\n";
    }
    return text + "END\n";
}

/// A chain of reactions, each between four species of the database.
std::string largeMechanism() {
    std::string text = "REACTIONS\n";
    for (int i = 0; i < largeCount; ++i) {
        text += speciesName(i) + "+" + speciesName((i + 1) % largeCount) + "<=>" +
                speciesName((i + 2) % largeCount) + "+" + speciesName((i + 3) % largeCount) +
                " 1.000E+13 0.000 1000.0\n";
    }
    return text + "END\n";
}

TEST(LargeInput, CountsGoBeyondSixteenBits) {
    const std::vector<std::string> lines = splitLines(largeDatabase());
    EXPECT_EQ(lines.size(), 4U * largeCount + 3);
}

using LargeFiles = HostileSession;

TEST_F(LargeFiles, FortyThousandSpeciesAndReactionsReverseOneBlockEach) {
    loadDatabase(put("large.therm", largeDatabase()));
    EXPECT_EQ(session.common.SpeciesCount, largeCount);
    EXPECT_EQ(form.List1Nbr.caption(), "(40000)");
    EXPECT_EQ(form.LOS1.at(largeCount - 1), "S39999");
    form.LOS1.selectFirstEqual("S39999");
    EXPECT_EQ(form.PropTxt[0].text(), "3.33727920E+00");

    loadMechanism(put("large.rxn", largeMechanism()));
    EXPECT_EQ(session.common.ReactionCount, largeCount);
    EXPECT_EQ(form.List2Nbr.caption(), "(40000)");

    form.Ntxt.setText("5");
    form.CMD4.click();
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(platform.eventTurns, largeCount); // one yield a reaction
    const std::vector<std::string> lines = testing::crlfLines(output("RevAll.txt"));
    ASSERT_EQ(lines.size(), 2U + 2U * largeCount);
    for (int i = 0; i < largeCount; ++i) {
        const std::string& result = lines[3 + 2 * static_cast<std::size_t>(i)];
        ASSERT_EQ(result.rfind("REV/ ", 0), 0U) << lines[2 + 2 * static_cast<std::size_t>(i)];
    }
    EXPECT_EQ(lines.back().find("!Trange(K) = [ 200 -  3500]") != std::string::npos, true);
    expectFilesIntact({"RevAll.txt"});
}

} // namespace
} // namespace zorbel
