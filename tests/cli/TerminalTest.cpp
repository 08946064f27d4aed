// zorbel-cli watched on a terminal: the progress line a long run rewrites ends before the
// messages, the summary and the paths, which each start a line of their own.

#include "support/CliRunner.h"
#include "support/TestSupport.h"
#include "text/StringOps.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace zorbel {
namespace {

/// What a terminal shows of a zorbel-cli run, through util-linux's `script` and a
/// pseudo-terminal, carriage returns dropped; empty when there is no such terminal here.
std::string onTerminal(const std::string& arguments) {
#ifdef _WIN32
    (void)arguments;
    return {};
#else
    if (std::system("script -V >/dev/null 2>&1") != 0)
        return {};
    const std::string command = "script -qec " +
                                testing::quoted(testing::quoted(ZORBEL_CLI_PATH) + " " +
                                                replaceAll(arguments, "\"", "\\\"")) +
                                " /dev/null </dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {};
    const std::string shown = testing::readPipe(pipe);
    pclose(pipe);
    return replaceAll(shown, "\r", "");
#endif
}

TEST(CliTerminal, TheProgressLineEndsBeforeWhatFollows) {
    namespace fs = std::filesystem;
    testing::TempFolder folder;
    for (const char* name : {"reversal.therm", "reversal.rxn"})
        fs::copy_file(testing::testData() / name, folder.path() / name);
    fs::copy_file(testing::testData() / "comparison" / "reversal-common.txt",
                  folder.path() / "common.txt");
    const auto at = [&folder](const char* name) {
        return testing::quoted((folder.path() / name).string());
    };
    for (const std::string& run :
         {"reverse-all " + at("reversal.therm") + " " + at("reversal.rxn") + " --complete",
          "annotate " + at("reversal.therm") + " " + at("common.txt")}) {
        SCOPED_TRACE(run);
        const std::string shown = onTerminal(run);
        if (shown.find("%  ") == std::string::npos)
            GTEST_SKIP() << "no pseudo-terminal to run on here";
        EXPECT_NE(shown.find("\nJOB DONE!"), std::string::npos) << shown;
        EXPECT_EQ(shown.find("\n\n"), std::string::npos) << shown; // no empty line either
        EXPECT_EQ(shown.back(), '\n');
    }
}

} // namespace
} // namespace zorbel
