#include "cli/Commands.h"

#include <CLI/CLI.hpp>

namespace zorbel::cli {

void addSearchCommands(CLI::App& app, int& exitCode) {
    (void)app;
    (void)exitCode;
}

} // namespace zorbel::cli
