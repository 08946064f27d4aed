#include "cli/Commands.h"
#include "support/CliRunner.h"
#include "support/InProcessCli.h"
#include "support/TestSupport.h"

#include <CLI/CLI.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <vector>

namespace zorbel {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempFolder;

using CliResult = testing::InProcessResult;

/// Runs the comparison subcommand in this process, capturing what it prints.
CliResult runCli(std::vector<std::string> arguments) {
    return testing::runInProcess(std::move(arguments), {cli::addComparisonCommands});
}

class ComparisonCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(testing::testData() / "reversal.therm", thermo);
        fs::copy_file(testing::testData() / "comparison" / "reversal-common.txt", comparison);
    }

    TempFolder folder;
    std::string thermo = (folder.path() / "reversal.therm").string();
    std::string comparison = (folder.path() / "common.txt").string();
};

TEST_F(ComparisonCliTest, PrintsTheCountsAndThePath) {
    const CliResult result = runCli({"annotate", thermo, comparison});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "JOB DONE!: Following file modified:\r\n" + comparison +
                              "\r\nand the reversed mechanism beside it, an earlier one "
                              "replaced:\r\n" +
                              folder.folderText() +
                              "RevAll.txt\nDifferent: 2\nIdentical within tolerance: 2\n"
                              "Not calculated: 5\n" +
                              comparison + "\n");
    const std::string annotated = readFile(comparison);
    EXPECT_NE(annotated.find("\r\n 5 Reactions have not been classified\r\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(folder.path() / "RevAll.txt"));
}

TEST_F(ComparisonCliTest, TheSettingsApply) {
    // The Arrhenius law moves the second reaction out of the tolerance.
    const CliResult result =
        runCli({"annotate", thermo, comparison, "--law", "arrhenius", "--points", "20"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("\nDifferent: 3\nIdentical within tolerance: 1\n"), std::string::npos)
        << result.out;
    EXPECT_NE(readFile(folder.path() / "RevAll.txt").find("REV/ "), std::string::npos);
}

TEST_F(ComparisonCliTest, RefusalsGoToStandardError) {
    CliResult result = runCli({"annotate", thermo, comparison, "--points", "2"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Warning!!! Enter a number (between 3 and 10000) in the highlighted "
                          "textbox before executing this operation!\n");
    EXPECT_EQ(result.out, "");

    const std::string plain = folder.write("plain.txt", "no marks here\r\n");
    result = runCli({"annotate", thermo, plain});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "No equation to treat.\n");

    result = runCli({"annotate", (folder.path() / "none.therm").string(), comparison});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("none.therm"), std::string::npos);

    result = runCli({"annotate", thermo, comparison, "--work-folder", "/tmp"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(fs::exists(folder.path() / "RevAll.txt"));
}

TEST_F(ComparisonCliTest, TheProgramRunsTheCommand) {
    const testing::CliResult result = testing::runCli("annotate " + testing::quoted(thermo) + " " +
                                                      testing::quoted(comparison) + " --points 1");
    EXPECT_EQ(result.exitCode, 1) << result.out;
    EXPECT_NE(result.out.find("Warning!!! Enter a number"), std::string::npos) << result.out;
}

TEST(ComparisonExample, TheExampleComparisonFileAnnotates) {
    TempFolder folder;
    for (const char* name : {"example.therm", "example-common.txt"})
        fs::copy_file(testing::examples() / name, folder.path() / name);
    const std::string file = (folder.path() / "example-common.txt").string();
    const CliResult result = runCli({"annotate", (folder.path() / "example.therm").string(), file});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\nDifferent: 3\nIdentical within tolerance: 3\n"
                              "Not calculated: 2\n"),
              std::string::npos)
        << result.out;
    const std::string annotated = readFile(file);
    const size_t block = annotated.find("-->REVERSE COEFFICIENTS CALCULATED!!!");
    const size_t tolerance = annotated.find("with the tolerance given in brackets");
    ASSERT_NE(block, std::string::npos);
    EXPECT_LT(block, tolerance);
    EXPECT_NE(annotated.find("\r\nO+CO(+M)<=>CO2(+M)\t1.800E+10\t"), std::string::npos);
}

} // namespace
} // namespace zorbel
