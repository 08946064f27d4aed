#pragma once
// Each subsystem adds its subcommands to the command-line face.

namespace CLI {
class App;
}

namespace zorbel::cli {

/// Each function registers its subcommands; their callbacks store the exit code.
void addThermoCommands(CLI::App& app, int& exitCode);
void addMechanismCommands(CLI::App& app, int& exitCode);
void addReversalCommands(CLI::App& app, int& exitCode);
void addBatchCommands(CLI::App& app, int& exitCode);
void addComparisonCommands(CLI::App& app, int& exitCode);
void addSearchCommands(CLI::App& app, int& exitCode);
void addCleanCommands(CLI::App& app, int& exitCode);
void addCheckCommands(CLI::App& app, int& exitCode);

} // namespace zorbel::cli
