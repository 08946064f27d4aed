// The command-line program as scripts meet it: interrupted half way (a signal, or Ctrl+C on
// Windows' console), two runs writing into one folder at once, a read-only target, a
// standard output that cannot take the results, a closed standard input, all in a folder
// named outside ASCII (on Windows reached through paths that mix "\" and "/" after a drive
// letter). The files a run replaces are either whole and new or as they were; nothing is
// left beside.

#include "app/AppTexts.h"
#include "files/FileTexts.h"
#include "files/TextFiles.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zorbel {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
struct Child {
    HANDLE process = nullptr;
    DWORD id = 0;
};
/// The interruptions a user gives: Ctrl+C on the program's console (Ctrl+Break has a test of
/// its own, which skips where the console cannot send it).
const std::vector<int> interruptions = {SIGINT};

/// Starts zorbel-cli on a console of its own, with its standard output and error going to
/// the given files.
Child start(const std::vector<std::string>& arguments, const fs::path& out, const fs::path& err) {
    std::wstring line = L"\"" + filePath(ZORBEL_CLI_PATH).native() + L"\"";
    for (const std::string& argument : arguments)
        line += L" \"" + filePath(argument).native() + L"\"";
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    // The new console's host may inherit, and hold for a while, these handles too.
    const DWORD shared = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = CreateFileW(out.c_str(), GENERIC_WRITE, shared, &inherited, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    startup.hStdError = CreateFileW(err.c_str(), GENERIC_WRITE, shared, &inherited, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    PROCESS_INFORMATION started{};
    CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE, nullptr,
                   nullptr, &startup, &started);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    CloseHandle(started.hThread);
    return {started.hProcess, started.dwProcessId};
}

/// The exit code, or -1 when the process was not started or did not end in time.
int exitCodeOf(const Child& child) {
    DWORD code = 0;
    if (WaitForSingleObject(child.process, 120000) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(child.process, &code))
        code = static_cast<DWORD>(-1);
    CloseHandle(child.process);
    return static_cast<int>(code);
}

/// Ctrl+C or Ctrl+Break on the child's console, as its user would press it; false when the
/// console cannot send it (Wine 8 sends Ctrl+C only), and the child is then stopped. The
/// test joins that console for the moment; the event reaches the test too, on a thread of
/// its own that may come after the test has left the console, so its handler stays for good.
BOOL WINAPI keepRunning(DWORD) {
    return TRUE;
}
bool interrupt(const Child& child, int signalNumber) {
    static const bool kept = SetConsoleCtrlHandler(keepRunning, TRUE) != FALSE;
    const DWORD event = signalNumber == SIGBREAK ? CTRL_BREAK_EVENT : CTRL_C_EVENT;
    FreeConsole();
    EXPECT_TRUE(kept && AttachConsole(child.id));
    const bool sent = GenerateConsoleCtrlEvent(event, 0) != FALSE;
    FreeConsole();
    if (!sent)
        TerminateProcess(child.process, 1);
    return sent;
}
#else
using Child = pid_t;
const std::vector<int> interruptions = {SIGINT, SIGTERM, SIGHUP};

/// Starts zorbel-cli with its standard output and error going to the given files, and its
/// standard input closed when asked.
Child start(const std::vector<std::string>& arguments, const fs::path& out, const fs::path& err,
            bool inputClosed = false) {
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    const int outFile = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int errFile = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (outFile < 0 || errFile < 0 || dup2(outFile, 1) < 0 || dup2(errFile, 2) < 0)
        _exit(127);
    if (inputClosed)
        close(0);
    std::vector<char*> argv{const_cast<char*>(ZORBEL_CLI_PATH)};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(ZORBEL_CLI_PATH, argv.data());
    _exit(127);
}

/// The exit code, or -1 when the process did not end by itself.
int exitCodeOf(Child pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

bool interrupt(Child pid, int signalNumber) {
    return kill(pid, signalNumber) == 0;
}
#endif

using testing::readFile;

void writeFile(const fs::path& path, std::string_view content) {
    std::ofstream(path, std::ios::binary) << content;
}

bool holdsScratchFile(const fs::path& folder) {
    return std::any_of(fs::directory_iterator(folder), fs::directory_iterator(),
                       [](const auto& entry) { return entry.path().extension() == ".partial"; });
}

class CliProcess : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(work);
        fs::copy_file(testing::testData() / "reversal.therm", work / "reversal.therm");
        // Many copies of the nine reactions, and of the comparison's marked lines, so that a
        // run lasts long enough to be caught.
        const auto copied = [](const char* name, const char* mark, int others) {
            std::string text;
            for (const std::string& line : splitLines(readFile(testing::testData() / name))) {
                const bool marked = line.find(mark) != std::string::npos;
                for (int copy = 0; copy < (marked ? copies : others); ++copy)
                    text += line + "\r\n";
            }
            return text;
        };
        writeFile(work / "big.rxn", "REACTIONS\r\n" + copied("reversal.rxn", "=>", 0));
        writeFile(work / "common.txt", copied("comparison/reversal-common.txt", "(###)", 1));
    }

    std::string at(const char* name) const { return pathText(work / name); }
    Child run(const std::vector<std::string>& arguments, const char* out = "out.log") const {
        return start(arguments, folder.path() / out, folder.path() / "err.log");
    }
    std::string err() const { return readFile(folder.path() / "err.log"); }

    void interruptEveryRun(int signalNumber);

    static constexpr int copies = 300;
    testing::TempFolder folder;
    /// Latin with accents, Greek and Japanese: no single code page holds them all.
    fs::path work = folder.path() / filePath("Z\xC3\xBCrich \xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD"
                                             "\xCE\xB1 \xE6\x9D\xB1\xE4\xBA\xAC");
    std::string thermo = at("reversal.therm");
    std::string mechanism = at("big.rxn");
};

/// Stops each kind of run with the interruption given, once it has begun to write, and
/// checks that the earlier files stay as they were and nothing is left beside them.
void CliProcess::interruptEveryRun(int signalNumber) {
    const std::string previous = "REACTIONS\r\n!a good earlier run\r\n";
    writeFile(work / "RevAll.txt", previous);
    const std::string comparison = readFile(work / "common.txt");
    const std::vector<std::vector<std::string>> runs = {
        {"reverse-all", thermo, mechanism, "--points", "10000"},
        {"annotate", thermo, at("common.txt"), "--points", "10000"},
    };
    for (const std::vector<std::string>& arguments : runs) {
        SCOPED_TRACE(arguments[0] + " " + std::to_string(signalNumber));
        const Child child = run(arguments);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!holdsScratchFile(work) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (!interrupt(child, signalNumber)) {
            exitCodeOf(child);
            GTEST_SKIP() << "this console cannot send signal " << signalNumber;
        }
        EXPECT_EQ(exitCodeOf(child), 128 + signalNumber);
        EXPECT_EQ(err(), std::string(texts::InterruptedNothingWritten) + "\n");
        EXPECT_EQ(readFile(work / "RevAll.txt"), previous);
        EXPECT_EQ(readFile(work / "common.txt"), comparison);
        EXPECT_FALSE(holdsScratchFile(work));
    }
}

TEST_F(CliProcess, AnInterruptedRunRemovesItsScratchFilesAndSaysNothingWasWritten) {
    for (int signalNumber : interruptions)
        interruptEveryRun(signalNumber);
}

#ifdef _WIN32
TEST_F(CliProcess, CtrlBreakStopsARunAsCtrlCDoes) {
    interruptEveryRun(SIGBREAK);
}
#endif

TEST_F(CliProcess, TwoRunsIntoOneFolderEachWriteAWholeFile) {
    const auto reverseAll = [&](const fs::path& into, const char* date, const char* log) {
        return run({"reverse-all", thermo, mechanism, "--points", "1000", "--work-folder",
                    pathText(into), "--date", date},
                   log);
    };
    const char* dates[] = {"01/02/03 04:05:06", "07/08/09 10:11:12"};
    // Each alone first, for the files they write.
    std::vector<std::string> alone;
    for (const char* date : dates) {
        const fs::path own = folder.path() / (std::string("alone") + date[0] + date[1]);
        fs::create_directory(own);
        ASSERT_EQ(exitCodeOf(reverseAll(own, date, "alone.log")), 0);
        alone.push_back(readFile(own / "RevAll.txt"));
    }
    const Child first = reverseAll(work, dates[0], "first.log");
    const Child second = reverseAll(work, dates[1], "second.log");
    EXPECT_EQ(exitCodeOf(first), 0);
    EXPECT_EQ(exitCodeOf(second), 0);
    const std::string result = readFile(work / "RevAll.txt");
    EXPECT_TRUE(result == alone[0] || result == alone[1]) << result.substr(0, 200);
    EXPECT_FALSE(holdsScratchFile(work));
}

// A read-only target is refused by its name, outside ASCII, and kept; once writable it is
// replaced whole, by the bytes a run into a plain folder writes.
TEST_F(CliProcess, AReadOnlyTargetIsKeptAndAWritableOneReplaced) {
    const std::string rxn = pathText(testing::testData() / "reversal.rxn");
    const auto reverseAll = [&](const fs::path& into) {
        return exitCodeOf(run({"reverse-all", thermo, rxn, "--work-folder", pathText(into),
                               "--date", "01/02/03 04:05:06"}));
    };
    const std::string previous = "REACTIONS\r\n!an earlier run\r\n";
    writeFile(work / "RevAll.txt", previous);
    fs::permissions(work / "RevAll.txt", fs::perms::owner_read);
    EXPECT_EQ(reverseAll(work), 1);
    EXPECT_EQ(err(), readOnlyRefusal(pathText(work) + "/RevAll.txt") + "\n");
    EXPECT_EQ(readFile(work / "RevAll.txt"), previous);

    fs::permissions(work / "RevAll.txt", fs::perms::owner_all);
    EXPECT_EQ(reverseAll(work), 0) << err();
    EXPECT_EQ(reverseAll(folder.path()), 0) << err();
    EXPECT_EQ(readFile(work / "RevAll.txt"), readFile(folder.path() / "RevAll.txt"));
    EXPECT_FALSE(holdsScratchFile(work));
}

#ifndef _WIN32
TEST_F(CliProcess, ResultsLostOnStandardOutputFailTheRun) {
    const std::string rxn = (testing::testData() / "reversal.rxn").string();
    const std::string into = work.string();
    const std::vector<std::vector<std::string>> commands = {
        {"species", thermo, "HO2", "--temperature", "1000"},
        {"search", rxn, "H"},
        {"reverse", thermo, rxn, "0", "--work-folder", into},
        {"reverse-all", thermo, rxn, "--work-folder", into},
        {"annotate", thermo, at("common.txt"), "--points", "3"},
        {"--help"},
    };
    for (const std::vector<std::string>& command : commands) {
        SCOPED_TRACE(command[0]);
        EXPECT_EQ(exitCodeOf(start(command, "/dev/full", folder.path() / "err.log")), 1);
        EXPECT_NE(err().find("could not be written to standard output"), std::string::npos)
            << err();
    }
}

// A script may start the program with its standard input closed: the first file it opens
// then takes descriptor 0, and is a file like any other.
TEST_F(CliProcess, ARunWithoutStandardInputWritesItsFile) {
    const std::string rxn = (testing::testData() / "reversal.rxn").string();
    for (const bool inputClosed : {false, true}) {
        const fs::path into = inputClosed ? work : folder.path();
        const Child child =
            start({"reverse-all", thermo, rxn, "--work-folder", into.string(), "--date",
                   "01/02/03 04:05:06"},
                  folder.path() / "out.log", folder.path() / "err.log", inputClosed);
        EXPECT_EQ(exitCodeOf(child), 0) << err();
    }
    EXPECT_EQ(readFile(work / "RevAll.txt"), readFile(folder.path() / "RevAll.txt"));
    EXPECT_FALSE(holdsScratchFile(work));
}
#endif

} // namespace
} // namespace zorbel
