#include "cli/Commands.h"
#include "support/CliRunner.h"
#include "support/InProcessCli.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorbel {
namespace {

class SearchCliTest : public ::testing::Test {
protected:
    /// Runs the search subcommand on a mechanism file of the given content.
    testing::InProcessResult search(const std::string& mechanism,
                                    std::vector<std::string> species) const {
        std::vector<std::string> arguments = {"search", folder.write("small.mech", mechanism)};
        arguments.insert(arguments.end(), species.begin(), species.end());
        return testing::runInProcess(std::move(arguments), {cli::addSearchCommands});
    }

    testing::TempFolder folder;
};

constexpr const char* smallMechanism = "SPECIES\nH2 O2 H O OH HO2\nEND\nREACTIONS\n"
                                       "H+O2<=>O+OH 3.547E+15 -0.406 1.6599E+04\n"
                                       "h2+o2=>ho2+h 7.40E+05 2.433 53502.00\n"
                                       "H+O2(+M)<=>HO2(+M) 1.475E+12 0.60 0.00\n"
                                       "LOW/ 6.366E+20 -1.72 524.8 /\n"
                                       "O+H2<=>H+OH 5.08E+04 2.67 6290.00\nEND\n";

TEST_F(SearchCliTest, PrintsTheReactionsFoundAndTheirCount) {
    const testing::InProcessResult outcome = search(smallMechanism, {"o2", "h"});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "H+O2(+M)<=>HO2(+M) 1.475E+12 0.60 0.00\n"
                           "H+O2<=>O+OH 3.547E+15 -0.406 1.6599E+04\n"
                           "H2+O2|=>HO2+H 7.40E+05 2.433 53502.00\n"
                           "Found: 3 Reaction(s)\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(search(smallMechanism, {"O2", "H", "N2"}).out, "Found: 0 Reaction\n");
}

TEST_F(SearchCliTest, ARefusedMechanismEndsWithItsMessage) {
    const testing::InProcessResult outcome =
        search("REACTIONS CAL/MOLE\nH+O2<=>O+OH 1 0 0\nEND\n", {"O2"});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err, "");
}

TEST_F(SearchCliTest, BadUsage) {
    // The program itself: a usage error is its own exit code.
    const std::string mechanism = testing::quoted(folder.write("small.mech", smallMechanism));
    EXPECT_EQ(testing::runCli("search " + mechanism).exitCode, 2);
    EXPECT_EQ(testing::runCli("search " + mechanism + " H O OH O2").exitCode, 2);
}

} // namespace
} // namespace zorbel
