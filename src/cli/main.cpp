#include "cli/CliRun.h"
#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "files/ScratchFile.h"
#include "program/FaceTexts.h"
#include "program/Version.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <iostream>

namespace {

constexpr const char* outputNotWritten =
    "The results could not be written to standard output (is the disk full?), so they are "
    "incomplete.";

/// A script reads the results from standard output: when they did not all get there, the
/// run failed, whatever the command itself concluded.
int checkedOutput(int exitCode) {
    std::cout.flush();
    const bool lost = !std::cout || std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    if (!lost)
        return exitCode;
    std::cerr << outputNotWritten << '\n';
    return exitCode == zorbel::cli::ExitDone ? zorbel::cli::ExitRefused : exitCode;
}

} // namespace

// Setting up the commands can throw too (a clash of option names): reported, never an abort.
int main(int argc, char** argv) try {
    zorbel::cli::useBinaryStandardStreams();
    const zorbel::cli::Arguments arguments(argc, argv);
    zorbel::removeScratchFilesOnInterrupt(zorbel::texts::InterruptedNothingWritten,
                                          zorbel::texts::InterruptedAfterWriting);
    CLI::App app{"zorbel-cli: reverse rate coefficients of a CHEMKIN mechanism from its "
                 "thermodynamic database"};
    app.require_subcommand(1);
    app.set_version_flag("--version,-V", "zorbel-cli " ZORBEL_VERSION);
    // "/data/gri.rxn" is a path on Windows too, not an option.
    app.allow_windows_style_options(false);
    int exitCode = zorbel::cli::ExitDone;
    zorbel::cli::addSpeciesCommand(app, exitCode);
    zorbel::cli::addReactionsCommand(app, exitCode);
    zorbel::cli::addShowCommand(app, exitCode);
    zorbel::cli::addReverseCommand(app, exitCode);
    zorbel::cli::addReverseAllCommand(app, exitCode);
    zorbel::cli::addReverseSelectedCommand(app, exitCode);
    zorbel::cli::addAnnotateCommand(app, exitCode);
    zorbel::cli::addSearchCommand(app, exitCode);
    zorbel::cli::addCleanCommand(app, exitCode);
    zorbel::cli::addCheckCommand(app, exitCode);
    try {
        app.parse(arguments.count(), arguments.values());
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return checkedOutput(code == 0 ? zorbel::cli::ExitDone : zorbel::cli::ExitUsage);
    } catch (const std::exception& fault) {
        std::cerr << fault.what() << '\n';
        return checkedOutput(zorbel::cli::ExitRefused);
    }
    return checkedOutput(exitCode);
} catch (const std::exception& fault) {
    std::cerr << fault.what() << '\n';
    return checkedOutput(zorbel::cli::ExitRefused);
}
