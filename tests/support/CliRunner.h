#pragma once
// Runs the zorbel-cli executable the build made, as a user's script would.

#include <cstdio>
#include <string>

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#else
#include <sys/wait.h>
#endif

namespace zorbel::testing {

struct CliResult {
    std::string out; ///< standard output and standard error, interleaved
    int exitCode;
};

/// Runs zorbel-cli with the arguments (already quoted where needed).
inline CliResult runCli(const std::string& arguments) {
    const std::string command = std::string("\"") + ZORBEL_CLI_PATH + "\" " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {"", -1};
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    const int status = pclose(pipe);
#ifdef _WIN32
    return {out, status};
#else
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
#endif
}

/// A path in double quotes, for a command line.
inline std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

} // namespace zorbel::testing
