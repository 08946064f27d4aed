#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace zorbel {
namespace {

using testing::CliResult;
using testing::runCli;

std::string example() {
    return "\"" + (testing::examples() / "example.therm").string() + "\"";
}

TEST(ThermoCliTest, ListsTheSpeciesThenTheCount) {
    const CliResult result = runCli("species " + example());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "AR\nCH3\nCH4\nCO\nCO2\nH\nH2\nH2O\nH2O2\nHCO\nHO2\nN2\nO\nO2\nOH\n(15)\n");
}

TEST(ThermoCliTest, ShowsASpeciesAsTheWindowDoes) {
    const CliResult result = runCli("species " + example() + " h2o --temperature 1000");
    EXPECT_EQ(result.exitCode, 0);
    const char* const expectedLines[] = {
        "species     = H2O\n",
        "upper a1    = 3.03399249E+00\n",
        "lower a7    = -8.49032208E-01\n",
        "TLow        =  200\n",
        "Lbl10       =  1000  <= T (high) <  3500\n",
        "T (K)       = 1000\n",
        "Cp/R        =  4.967\n",
        "Cp/R low    =  4.967\n",
        "H/RT        = -25.96\n",
        "S/R         =  27.99\n",
    };
    for (const char* line : expectedLines)
        EXPECT_NE(result.out.find(line), std::string::npos) << line << "in\n" << result.out;

    const CliResult inside = runCli("species " + example() + " H2O --temperature 1500");
    EXPECT_EQ(inside.out.find(" low "), std::string::npos) << inside.out;
}

TEST(ThermoCliTest, RefusalsAndBadUsage) {
    EXPECT_EQ(runCli("species " + example() + " XE").exitCode, 1);
    EXPECT_EQ(runCli("species \"/no/such/folder/x.dat\"").exitCode, 1);
    EXPECT_EQ(runCli("species " + example() + " --temperature 1000").exitCode, 2);
    EXPECT_EQ(runCli("species").exitCode, 2);
}

} // namespace
} // namespace zorbel
