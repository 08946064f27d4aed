#include "cli/CliRun.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#if !defined(_WIN32)
#include <sys/wait.h>
#endif

namespace zorbel {
namespace {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class SearchCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!cli::CliRun().form().CMD2.onClick)
            GTEST_SKIP() << "the mechanism loader is not connected yet";
    }

    /// Runs `zorbel-cli search` on a mechanism file of the given content.
    Outcome search(const std::string& mechanism, const std::string& species) const {
        const std::string path = folder.write("small.mech", mechanism);
        const auto out = folder.path() / "stdout.txt";
        const auto err = folder.path() / "stderr.txt";
        const std::string command = "\"" + std::string(ZORBEL_CLI_PATH) + "\" search \"" + path +
                                    "\" " + species + " >\"" + out.string() + "\" 2>\"" +
                                    err.string() + "\"";
        const int status = std::system(command.c_str());
        Outcome outcome;
#if defined(_WIN32)
        outcome.exitCode = status;
#else
        outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        outcome.out = testing::readFile(out);
        outcome.err = testing::readFile(err);
        return outcome;
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
    const Outcome outcome = search(smallMechanism, "o2 h");
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "H+O2(+M)<=>HO2(+M) 1.475E+12 0.60 0.00\n"
                           "H+O2<=>O+OH 3.547E+15 -0.406 1.6599E+04\n"
                           "H2+O2|=>HO2+H 7.40E+05 2.433 53502.00\n"
                           "Found: 3 Reaction(s)\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(search(smallMechanism, "O2 H N2").out, "Found: 0 Reaction\n");
}

TEST_F(SearchCliTest, ARefusedMechanismEndsWithItsMessage) {
    const Outcome outcome = search("REACTIONS CAL/MOLE\nH+O2<=>O+OH 1 0 0\nEND\n", "O2");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err, "");
}

TEST_F(SearchCliTest, BadUsage) {
    EXPECT_EQ(search(smallMechanism, "").exitCode, 2);
    EXPECT_EQ(search(smallMechanism, "H O OH O2").exitCode, 2);
}

} // namespace
} // namespace zorbel
