#include "cli/CliRun.h"
#include "cli/Commands.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace zorbel::cli {

namespace {

/// Searches the loaded mechanism and prints the reactions found, one a line, and their
/// count in words.
CommandResult searchLoadedMechanism(CliRun& run, const std::vector<std::string>& species,
                                    std::ostream& out) {
    SearchView view;
    CommandResult searched = run.bench.search(species, view);
    for (const std::string& entry : view.found)
        out << entry << '\n';
    if (view.searched)
        out << view.count << '\n';
    return searched;
}

struct SearchOptions {
    std::string mechanism;
    std::vector<std::string> species;
    CleanFlags cleanFlags;
};

} // namespace

void addSearchCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<SearchOptions>();
    CLI::App* command = app.add_subcommand(
        "search", "List the reactions of a mechanism that contain every given species");
    // The file is checked by loading it, as every other command does, so that the same
    // file gets the same refusal.
    command->add_option("mechanism", options->mechanism, "Mechanism file in the CHEMKIN layout")
        ->required();
    command->add_option("species", options->species, "One to three species names")
        ->required()
        ->expected(1, 3);
    addCleanFlags(*command, options->cleanFlags);
    command->callback([options, &exitCode] {
        CliRun run;
        run.cleanFlags = options->cleanFlags;
        exitCode = exitCodeOf(run.loadMechanism(options->mechanism));
        if (exitCode != ExitDone)
            return;
        // A fault met inside the window is reported like a refusal.
        exitCode = exitCodeOf(searchLoadedMechanism(run, options->species, std::cout));
    });
}

} // namespace zorbel::cli
