// The command-line program as scripts meet it: interrupted by a signal half way, two runs
// writing into one folder at once, a standard output that cannot take the results. The
// files a run replaces are either whole and new or as they were; nothing is left beside.

#ifndef _WIN32

#include "app/AppTexts.h"
#include "files/TextFiles.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zorbel {
namespace {

namespace fs = std::filesystem;
using testing::readFile;

/// Starts zorbel-cli with its standard output and error going to the given files.
pid_t start(const std::vector<std::string>& arguments, const std::string& out,
            const std::string& err) {
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    const int outFile = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int errFile = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (outFile < 0 || errFile < 0 || dup2(outFile, 1) < 0 || dup2(errFile, 2) < 0)
        _exit(127);
    std::vector<char*> argv{const_cast<char*>(ZORBEL_CLI_PATH)};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(ZORBEL_CLI_PATH, argv.data());
    _exit(127);
}

/// The exit code, or -1 when the process did not end by itself.
int exitCodeOf(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

bool holdsScratchFile(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".partial")
            return true;
    }
    return false;
}

class CliProcess : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(testing::testData() / "reversal.therm", folder.path() / "reversal.therm");
        // Many copies of the nine reactions, so that a run lasts long enough to be caught.
        const std::vector<std::string> lines =
            splitLines(readFile(testing::testData() / "reversal.rxn"));
        std::string mechanism;
        std::string comparison;
        const std::vector<std::string> common =
            splitLines(readFile(testing::testData() / "comparison" / "reversal-common.txt"));
        for (const std::string& line : common) {
            const bool marked = line.find("(###)") != std::string::npos;
            for (int copy = 0; copy < (marked ? copies : 1); ++copy)
                comparison += line + "\r\n";
        }
        mechanism = "REACTIONS\r\n";
        for (int copy = 0; copy < copies; ++copy) {
            for (const std::string& line : lines) {
                if (line.find("=>") != std::string::npos)
                    mechanism += line + "\r\n";
            }
        }
        mechanismPath = folder.write("big.rxn", mechanism);
        comparisonPath = folder.write("common.txt", comparison);
    }

    std::string at(const char* name) const { return (folder.path() / name).string(); }

    static constexpr int copies = 300;
    testing::TempFolder folder;
    std::string thermo = at("reversal.therm");
    std::string mechanismPath;
    std::string comparisonPath;
};

TEST_F(CliProcess, AnInterruptedRunRemovesItsScratchFilesAndSaysNothingWasWritten) {
    const std::string previous = "REACTIONS\r\n!a good earlier run\r\n";
    folder.write("RevAll.txt", previous);
    const std::string comparison = readFile(comparisonPath);
    const std::vector<std::vector<std::string>> runs = {
        {"reverse-all", thermo, mechanismPath, "--points", "10000"},
        {"annotate", thermo, comparisonPath, "--points", "10000"},
    };
    for (const std::vector<std::string>& run : runs) {
        for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
            SCOPED_TRACE(run[0] + " " + std::to_string(signalNumber));
            const pid_t pid = start(run, at("out.log"), at("err.log"));
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
            while (!holdsScratchFile(folder.path()) && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            kill(pid, signalNumber);
            EXPECT_EQ(exitCodeOf(pid), 128 + signalNumber);
            EXPECT_EQ(readFile(at("err.log")),
                      std::string(texts::InterruptedNothingWritten) + "\n");
            EXPECT_EQ(readFile(at("RevAll.txt")), previous);
            EXPECT_EQ(readFile(comparisonPath), comparison);
            EXPECT_FALSE(holdsScratchFile(folder.path()));
        }
    }
}

TEST_F(CliProcess, TwoRunsIntoOneFolderEachWriteAWholeFile) {
    const auto run = [&](const fs::path& into, const char* date, const char* log) {
        return start({"reverse-all", thermo, mechanismPath, "--points", "1000", "--work-folder",
                      into.string(), "--date", date},
                     at(log), at("err.log"));
    };
    const char* dates[] = {"01/02/03 04:05:06", "07/08/09 10:11:12"};
    // Each alone first, for the files they write.
    std::vector<std::string> alone;
    for (const char* date : dates) {
        const fs::path own = folder.path() / (std::string("alone") + date[0] + date[1]);
        fs::create_directory(own);
        ASSERT_EQ(exitCodeOf(run(own, date, "alone.log")), 0);
        alone.push_back(readFile(own / "RevAll.txt"));
    }
    const fs::path shared = folder.path() / "shared";
    fs::create_directory(shared);
    const pid_t first = run(shared, dates[0], "first.log");
    const pid_t second = run(shared, dates[1], "second.log");
    EXPECT_EQ(exitCodeOf(first), 0);
    EXPECT_EQ(exitCodeOf(second), 0);
    const std::string result = readFile(shared / "RevAll.txt");
    EXPECT_TRUE(result == alone[0] || result == alone[1]) << result.substr(0, 200);
    EXPECT_FALSE(holdsScratchFile(shared));
}

TEST_F(CliProcess, ResultsLostOnStandardOutputFailTheRun) {
    const std::string rxn = (testing::testData() / "reversal.rxn").string();
    const std::vector<std::vector<std::string>> commands = {
        {"species", thermo, "HO2", "--temperature", "1000"},
        {"search", rxn, "H"},
        {"reverse", thermo, rxn, "0", "--work-folder", folder.path().string()},
        {"reverse-all", thermo, rxn, "--work-folder", folder.path().string()},
        {"annotate", thermo, comparisonPath, "--points", "3"},
        {"--help"},
    };
    for (const std::vector<std::string>& command : commands) {
        SCOPED_TRACE(command[0]);
        EXPECT_EQ(exitCodeOf(start(command, "/dev/full", at("err.log"))), 1);
        EXPECT_NE(readFile(at("err.log")).find("could not be written to standard output"),
                  std::string::npos)
            << readFile(at("err.log"));
    }
}

} // namespace
} // namespace zorbel

#endif
