#pragma once
// Runs the zorbel-cli executable the build made, as a user's script would.

#include "files/TextFiles.h"
#include "support/TestSupport.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>

#ifdef _WIN32
#define pclose _pclose
#else
#include <sys/wait.h>
#endif

namespace zorbel::testing {

struct CliResult {
    std::string out; ///< standard output
    std::string err; ///< standard error
    int exitCode;
};

/// A path in double quotes, for a command line.
inline std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

/// Everything a pipe gives until its end.
inline std::string readPipe(FILE* pipe) {
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    return out;
}

/// Runs zorbel-cli with the arguments (already quoted where needed), once.
inline CliResult runCliOnce(const std::string& arguments) {
    static std::atomic<int> runs{0};
    // The process in the name: test programs that run at once share the temporary folder.
    const std::string id = std::to_string(processId()) + "-" + std::to_string(runs++);
    const auto errFile = std::filesystem::temp_directory_path() / ("zorbel-cli-err-" + id);
    const std::string command =
        quoted(ZORBEL_CLI_PATH) + " " + arguments + " 2>" + quoted(errFile.string());
#ifdef _WIN32
    // cmd.exe drops the first and the last quote of the line it is given; the wide call
    // passes names outside the code page, and binary mode keeps the output's bytes.
    FILE* pipe = _wpopen(filePath("\"" + command + "\"").c_str(), L"rb");
#else
    FILE* pipe = popen(command.c_str(), "r");
#endif
    if (pipe == nullptr)
        return {"", "", -1};
    const std::string out = readPipe(pipe);
    const int status = pclose(pipe);
    std::string err = readFile(errFile);
    std::error_code ignored;
    std::filesystem::remove(errFile, ignored);
#ifdef _WIN32
    return {out, err, status};
#else
    return {out, err, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
#endif
}

/// Runs zorbel-cli with the arguments (already quoted where needed).
inline CliResult runCli(const std::string& arguments) {
    CliResult result = runCliOnce(arguments);
#ifdef _WIN32
    // cmd.exe answers 9009 when it cannot start a program. The program is there, so this is
    // the emulator now and then failing to start it: one more attempt tells the two apart.
    constexpr int notStarted = 9009;
    if (result.exitCode == notStarted)
        result = runCliOnce(arguments);
#endif
    return result;
}

} // namespace zorbel::testing
