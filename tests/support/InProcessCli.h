#pragma once
// Runs command-line subcommands inside the test process, with standard output and
// standard error captured apart.

#include <CLI/CLI.hpp>

#include <algorithm>
#include <initializer_list>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace zorbel::testing {

struct InProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

/// The functions that register subcommands, as src/cli/Commands.h declares them.
using CommandRegistrar = void (*)(CLI::App&, int&);

/// Parses the arguments (without the program name) with the given subcommands registered.
inline InProcessResult runInProcess(std::vector<std::string> arguments,
                                    std::initializer_list<CommandRegistrar> registrars) {
    CLI::App app;
    InProcessResult result;
    for (CommandRegistrar add : registrars)
        add(app, result.exitCode);
    std::ostringstream out;
    std::ostringstream err;
    struct Redirect {
        std::ostream& stream;
        std::streambuf* old;
        ~Redirect() { stream.rdbuf(old); }
    };
    const Redirect redirectOut{std::cout, std::cout.rdbuf(out.rdbuf())};
    const Redirect redirectErr{std::cerr, std::cerr.rdbuf(err.rdbuf())};
    std::reverse(arguments.begin(), arguments.end()); // CLI11 takes them last first
    app.parse(arguments);
    result.out = out.str();
    result.err = err.str();
    return result;
}

} // namespace zorbel::testing
