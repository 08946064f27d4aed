#include "cli/CliRun.h"
#include "cli/Commands.h"

#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>

// Setting up the commands can throw too (a clash of option names): reported, never an abort.
int main(int argc, char** argv) try {
    CLI::App app{"zorbel-cli: reverse rate coefficients of a CHEMKIN mechanism from its "
                 "thermodynamic database"};
    app.require_subcommand(1);
    int exitCode = zorbel::cli::ExitDone;
    zorbel::cli::addThermoCommands(app, exitCode);
    zorbel::cli::addMechanismCommands(app, exitCode);
    zorbel::cli::addReversalCommands(app, exitCode);
    zorbel::cli::addBatchCommands(app, exitCode);
    zorbel::cli::addComparisonCommands(app, exitCode);
    zorbel::cli::addSearchCommands(app, exitCode);
    zorbel::cli::addCleanCommands(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? zorbel::cli::ExitDone : zorbel::cli::ExitUsage;
    } catch (const std::exception& fault) {
        std::cerr << fault.what() << '\n';
        return zorbel::cli::ExitRefused;
    }
    return exitCode;
} catch (const std::exception& fault) {
    std::cerr << fault.what() << '\n';
    return zorbel::cli::ExitRefused;
}
