// zorbel-cli's Reverse Selected against the window's golden file: the same bytes for the
// same settings, each reaction once and in the list's order whatever the order and repeats
// of the indices given; a single reaction is refused in the window's box.

#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace zorbel {
namespace {

TEST(CliSelected, WritesTheWindowsGoldenFileOrRefusesOneReaction) {
    namespace fs = std::filesystem;
    testing::TempFolder folder;
    for (const char* name : {"reversal.therm", "reversal.rxn"})
        fs::copy_file(testing::testData() / name, folder.path() / name);
    const std::string run = "reverse-selected " +
                            testing::quoted((folder.path() / "reversal.therm").string()) + " " +
                            testing::quoted((folder.path() / "reversal.rxn").string()) +
                            " --law arrhenius --range 300 2500 --date \"01/02/03 04:05:06\" ";
    const testing::CliResult selected = testing::runCli(run + "6 2-3 1 2");
    ASSERT_EQ(selected.exitCode, 0) << selected.err;
    EXPECT_EQ(testing::readFile(folder.path() / "RevSelected.txt"),
              testing::readFile(testing::testData() / "golden/RevSelected-reversal.txt"));
    const testing::CliResult single = testing::runCli(run + "5 5");
    EXPECT_EQ(single.exitCode, 1);
    EXPECT_EQ(single.out,
              "Warning!: You need to select more than 1 reaction\r\nto use this button\n");
}

} // namespace
} // namespace zorbel
