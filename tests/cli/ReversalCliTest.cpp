#include "support/CliRunner.h"
#include "support/TestSupport.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zorbel {
namespace {

using testing::crlfLines;
using testing::quoted;
using testing::readFile;
using testing::runCli;
using testing::TempFolder;

size_t tabCount(const std::string& line) {
    return std::count(line.begin(), line.end(), '\t');
}

class GriMechCli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(testing::sharedData()))
            GTEST_SKIP() << "shared CHEMKIN data not present";
        thermo = quoted((testing::sharedData() / "gri30/thermo30.dat").string());
        mechanism = quoted((testing::sharedData() / "gri30/mech-clean.rxn").string());
    }
    std::string thermo;
    std::string mechanism;
    TempFolder folder;
};

// H+O2<=>O+OH is entry 37 of the cleaned mechanism and OH+OH(+M)<=>H2O2(+M), entry 84, a falloff
// reaction; every law and spacing gives a 59-line table.
TEST_F(GriMechCli, TableFileForEveryLawAndSpacing) {
    struct Case {
        int entry;
        const char* firstLine;
    };
    const Case reactions[] = {
        {37, "H+O2=>O+OH 2.650E+16 -.6707 17041.00"},
        {84, "OH+OH+M=>H2O2+M 7.400E+13 -.370 .00"},
    };
    for (const Case& reaction : reactions) {
        for (const char* law : {"arrhenius", "modified"}) {
            for (const char* spacing : {"reciprocal", "linear"}) {
                SCOPED_TRACE(std::string(reaction.firstLine) + " " + law + " " + spacing);
                const auto result =
                    runCli("reverse " + thermo + " " + mechanism + " " +
                           std::to_string(reaction.entry) + " --law " + law + " --spacing " +
                           spacing + " --work-folder " + quoted(folder.path().string()));
                ASSERT_EQ(result.exitCode, 0) << result.out;
                const std::vector<std::string> table =
                    crlfLines(readFile(folder.path() / "temp.txt"));
                ASSERT_EQ(table.size(), 59U);
                EXPECT_EQ(table[0], reaction.firstLine);
                EXPECT_EQ(table[8].find(std::string(law) == "arrhenius" ? "ln(kf)" : "ln(Kf)"),
                          std::string("T(K)\tDeltaH0/RT\tDeltaS0/R\tKp\tKc\tkf\tkr[CK]\t").size());
                for (size_t row = 9; row < table.size(); ++row)
                    ASSERT_EQ(tabCount(table[row]), 11U) << table[row];
                // The grid runs from 200 K to 3500 K in both spacings.
                EXPECT_EQ(table[9].substr(0, 5), " 200\t");
                EXPECT_EQ(table[58].substr(0, 6), " 3500\t");
                const double second = readLeadingNumber(table[10]);
                if (std::string(spacing) == "linear") {
                    EXPECT_NEAR(second, 200 + 3300.0 / 49, 1e-9);
                } else {
                    EXPECT_NEAR(1 / second, 1 / 200.0 - (1 / 200.0 - 1 / 3500.0) / 49, 1e-15);
                }
                // The exponent's pattern comes from the reaction shown first ("0.000" for
                // -.6707, "0.00" for -.370); the two-parameter law writes 0 with it.
                if (std::string(law) == "arrhenius") {
                    EXPECT_TRUE(result.out.find("nrev  = 0.000\n") != std::string::npos ||
                                result.out.find("nrev  = 0.00\n") != std::string::npos)
                        << result.out;
                }
            }
        }
    }
}

TEST_F(GriMechCli, ReverseAllIsCompleteAndReproducible) {
    const std::string common = "reverse-all " + thermo + " " + mechanism +
                               " --patterns-from 0 --date \"06/12/26 12:00:00\" --work-folder " +
                               quoted(folder.path().string());
    ASSERT_EQ(runCli(common).exitCode, 0);
    const std::string first = readFile(folder.path() / "RevAll.txt");
    ASSERT_EQ(runCli(common).exitCode, 0);
    EXPECT_EQ(readFile(folder.path() / "RevAll.txt"), first);

    const std::vector<std::string> lines = crlfLines(first);
    ASSERT_GE(lines.size(), 2U);
    EXPECT_EQ(lines[0], "REACTIONS");
    EXPECT_EQ(lines[1], "!GENERATED THE 06/12/26 12:00:00");
    int reactions = 0;
    for (size_t i = 2; i < lines.size(); i += 2) {
        ++reactions;
        ASSERT_NE(lines[i].find("=>"), std::string::npos) << lines[i];
        ASSERT_LT(i + 1, lines.size());
        const std::string& result = lines[i + 1];
        EXPECT_TRUE(result.rfind("REV/ ", 0) == 0 ||
                    result == "!Reaction irreversible (=>), no reverse coefficient")
            << lines[i] << "\n"
            << result;
    }
    EXPECT_EQ(reactions, 325);
}

TEST(CliUsage, BadArgumentsAndRefusals) {
    EXPECT_EQ(runCli("reverse").exitCode, 2);
    EXPECT_EQ(runCli("no-such-command").exitCode, 2);
    const std::string thermo = quoted((testing::examples() / "example.therm").string());
    const std::string mechanism = quoted((testing::examples() / "example.rxn").string());
    EXPECT_EQ(runCli("reverse-all " + thermo + " " + mechanism + " --date tomorrow").exitCode, 2);
    EXPECT_EQ(runCli("reverse-selected " + thermo + " " + mechanism + " 3-x").exitCode, 2);
    const auto irreversible = runCli("reverse " + thermo + " " + mechanism + " 9");
    EXPECT_EQ(irreversible.exitCode, 1);
    EXPECT_NE(irreversible.out.find("Warning!!! Your Reaction is supposed to be irreversible"),
              std::string::npos);
    const auto missing = runCli("reverse " + thermo + " " + quoted("/no/such/file.rxn") + " 0");
    EXPECT_EQ(missing.exitCode, 1);
}

// Counts, indexes and input files taken as written: never wrapped, never their sign
// dropped, never a file that is no database or mechanism read as an empty one.
TEST(CliUsage, CountsIndexesAndFilesAreTakenAsWritten) {
    const std::string thermo = quoted((testing::examples() / "example.therm").string());
    const std::string mechanism = quoted((testing::examples() / "example.rxn").string());
    const std::string inputs = thermo + " " + mechanism;
    struct Case {
        std::string arguments;
        int exitCode;
        std::string says;
    };
    std::vector<Case> cases = {
        {"reverse --points=-5 " + inputs + " 0", 2, "a number of points has no minus sign"},
        {"reverse-all --points -50 " + inputs, 2, "a number of points has no minus sign"},
        {"reverse-selected " + inputs + " 0 99999999999999999999", 1,
         "There is no reaction of index 99999999999999999999\n"},
        {"reverse-selected " + inputs + " 0-99999999999999999999", 1,
         "There is no reaction of index 99999999999999999999\n"},
        {"reverse-selected " + inputs + " 0 -1", 1, "There is no reaction of index -1\n"},
        {"species " + mechanism, 1, " holds no species record"},
        {"reverse-all " + mechanism + " " + mechanism, 1, " holds no species record"},
        {"reactions " + thermo, 1, " has no line that reads REACTIONS alone"},
        {"search " + thermo + " H", 1, " has no line that reads REACTIONS alone"},
        {"search " + quoted("/no/such.rxn") + " H", 1,
         "The mechanism file could not be read: /no/such.rxn\n"},
    };
#ifndef _WIN32
    // A device reads as nothing: both commands refuse it alike.
    for (const char* command : {"reactions /dev/null", "search /dev/null H"})
        cases.push_back({command, 1, "The mechanism file could not be read: /dev/null\n"});
#endif
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const auto result = runCli(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_NE(result.out.find(c.says), std::string::npos) << result.out;
        EXPECT_EQ(result.out.find("JOB DONE"), std::string::npos) << result.out;
    }
}

} // namespace
} // namespace zorbel
