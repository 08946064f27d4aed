// The command-line program as Windows meets it: folders named outside ASCII, paths that
// mix "\" and "/" after a drive letter, read-only targets, and Ctrl+C on the console half
// way through a run. The files a run replaces are either whole and new or as they
// were; nothing is left beside them.

#ifdef _WIN32

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
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <windows.h>

namespace zorbel {
namespace {

namespace fs = std::filesystem;

/// Latin with accents, Greek and Japanese: no single code page holds them all.
const std::string unusualName = "Z\xC3\xBCrich \xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1 "
                                "\xE6\x9D\xB1\xE4\xBA\xAC";

void writeFile(const fs::path& path, std::string_view content) {
    std::ofstream(path, std::ios::binary) << content;
}

struct Child {
    HANDLE process = nullptr;
    DWORD id = 0;
};

/// Starts zorbel-cli on a console of its own, with its standard output and error going to
/// the given files.
Child start(const std::vector<std::string>& arguments, const fs::path& out, const fs::path& err) {
    std::wstring line = L"\"" + filePath(ZORBEL_CLI_PATH).native() + L"\"";
    for (const std::string& argument : arguments)
        line += L" \"" + filePath(argument).native() + L"\"";
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const auto create = [&](const fs::path& path) {
        // The new console's host may inherit, and hold for a while, these handles too.
        return CreateFileW(path.c_str(), GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherited,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = create(out);
    startup.hStdError = create(err);
    PROCESS_INFORMATION started{};
    const bool ok = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE,
                                   nullptr, nullptr, &startup, &started);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    if (!ok)
        return {};
    CloseHandle(started.hThread);
    return {started.hProcess, started.dwProcessId};
}

/// The exit code, or -1 when the process could not be started or did not end in time.
int exitCodeOf(const Child& child) {
    if (child.process == nullptr)
        return -1;
    DWORD code = 0;
    const bool ended = WaitForSingleObject(child.process, 120000) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(child.process, &code);
    if (!ended)
        TerminateProcess(child.process, 1);
    CloseHandle(child.process);
    return ended ? static_cast<int>(code) : -1;
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(pathText(entry.path().filename()));
    return names;
}

bool holdsScratchFile(const fs::path& folder) {
    const std::set<std::string> names = namesIn(folder);
    return std::any_of(names.begin(), names.end(),
                       [](const std::string& name) { return name.ends_with(".partial"); });
}

/// "C:\a\b" as "C:/a\b": Windows takes either separator, and a user's script may mix them.
std::string mixedSeparators(const fs::path& path) {
    std::string text = pathText(path);
    const std::size_t first = text.find('\\');
    if (first != std::string::npos)
        text[first] = '/';
    return text;
}

class ConsoleRun : public ::testing::Test {
protected:
    /// A folder inside the test's own, with the test database and a mechanism in it.
    fs::path preparedFolder(const std::string& name, int copies) const {
        const fs::path into = folder.path() / filePath(name);
        fs::create_directory(into);
        fs::copy_file(testing::testData() / "reversal.therm", into / "reversal.therm");
        std::string mechanism = "REACTIONS\r\n";
        for (const std::string& line :
             splitLines(testing::readFile(testing::testData() / "reversal.rxn"))) {
            for (int copy = 0; copy < copies && line.find("=>") != std::string::npos; ++copy)
                mechanism += line + "\r\n";
        }
        writeFile(into / "mech.rxn", mechanism);
        return into;
    }

    /// Reverse All of the folder's files into the folder itself; its exit code.
    int reverseAll(const fs::path& into, const char* points = "50") {
        return exitCodeOf(
            startRun({"reverse-all", mixedSeparators(into / "reversal.therm"),
                      mixedSeparators(into / "mech.rxn"), "--points", points, "--date",
                      "01/02/03 04:05:06", "--work-folder", pathText(into)}));
    }
    /// Starts a run with log files of its own.
    Child startRun(const std::vector<std::string>& arguments) {
        ++runs_;
        return start(arguments, log("out"), log("err"));
    }
    fs::path log(const char* stream) const {
        return folder.path() / (stream + std::to_string(runs_) + ".log");
    }
    /// The last run's standard error.
    std::string err() const { return testing::readFile(log("err")); }
    int runs_ = 0;

    testing::TempFolder folder;
};

// The same run into a plain folder and into one named outside ASCII: a read-only target is
// refused by name and kept, a writable one replaced whole, by the same bytes in both.
TEST_F(ConsoleRun, ReadOnlyTargetsAreKeptAndWritableOnesReplacedInAnyFolder) {
    const std::string previous = "REACTIONS\r\n!an earlier run\r\n";
    std::vector<std::string> written;
    for (const std::string& name : {std::string("plain"), unusualName}) {
        SCOPED_TRACE(name);
        const fs::path into = preparedFolder(name, 1);
        const fs::path target = into / "RevAll.txt";
        writeFile(target, previous);
        fs::permissions(target, fs::perms::owner_read);
        const std::set<std::string> before = namesIn(into);

        EXPECT_EQ(reverseAll(into), 1);
        EXPECT_NE(err().find(texts::ReadOnlyFileStart), std::string::npos) << err();
        EXPECT_NE(err().find(name + "/RevAll.txt"), std::string::npos) << err();
        EXPECT_EQ(testing::readFile(target), previous);
        EXPECT_EQ(namesIn(into), before);

        fs::permissions(target, fs::perms::owner_all);
        EXPECT_EQ(reverseAll(into), 0) << err();
        written.push_back(testing::readFile(target));
        EXPECT_NE(written.back(), previous);
        EXPECT_EQ(namesIn(into), before);
    }
    EXPECT_EQ(written[0], written[1]);
}

/// Presses Ctrl+C on the child's console, as its user would. The test joins that console
/// for the moment and ignores the event itself.
bool pressCtrlC(const Child& child) {
    FreeConsole();
    const bool sent = AttachConsole(child.id) && SetConsoleCtrlHandler(nullptr, TRUE) &&
                      GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
    FreeConsole();
    SetConsoleCtrlHandler(nullptr, FALSE);
    return sent;
}

// Ctrl+C half way: the run's scratch file goes, the previous file stays, and the run says
// that nothing was written.
TEST_F(ConsoleRun, CtrlCRemovesTheScratchFileAndKeepsThePreviousOne) {
    const fs::path into = preparedFolder(unusualName, 300);
    const std::string previous = "REACTIONS\r\n!a good earlier run\r\n";
    writeFile(into / "RevAll.txt", previous);
    const Child child = startRun({"reverse-all", pathText(into / "reversal.therm"),
                                  pathText(into / "mech.rxn"), "--points", "10000"});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!holdsScratchFile(into) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(holdsScratchFile(into)) << err();
    EXPECT_TRUE(pressCtrlC(child));
    EXPECT_EQ(exitCodeOf(child), 128 + SIGINT);
    EXPECT_EQ(err(), std::string(texts::InterruptedNothingWritten) + "\n");
    EXPECT_EQ(testing::readFile(into / "RevAll.txt"), previous);
    EXPECT_FALSE(holdsScratchFile(into));
}

} // namespace
} // namespace zorbel

#endif
