#pragma once
// The command-line face's subcommands, one file each (cli/NameCli.cpp).

namespace CLI {
class App;
}

namespace zorbel::cli {

/// Each function registers its subcommand; its callback stores the exit code.
void addSpeciesCommand(CLI::App& app, int& exitCode);
void addReactionsCommand(CLI::App& app, int& exitCode);
void addShowCommand(CLI::App& app, int& exitCode);
void addReverseCommand(CLI::App& app, int& exitCode);
void addReverseAllCommand(CLI::App& app, int& exitCode);
void addReverseSelectedCommand(CLI::App& app, int& exitCode);
void addAnnotateCommand(CLI::App& app, int& exitCode);
void addSearchCommand(CLI::App& app, int& exitCode);
void addCleanCommand(CLI::App& app, int& exitCode);
void addCheckCommand(CLI::App& app, int& exitCode);

} // namespace zorbel::cli
