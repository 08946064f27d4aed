#include "cli/CliRun.h"
#include "cli/Commands.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace zorbel::cli {

namespace {

/// Opens the search window on the loaded mechanism as a user would: types the species
/// into its boxes, starts the search, prints what the window then shows (the reactions
/// found, one a line, and the result count) and closes it.
void searchLoadedMechanism(CliRun& run, const std::vector<std::string>& species,
                           std::ostream& out) {
    run.platform.onSearch = [&species, &out](Findfrm& window) {
        TextBox* const boxes[] = {&window.Usereqn1, &window.Usereqn2, &window.Usereqn3};
        for (size_t index = 0; index < species.size() && index < std::size(boxes); ++index)
            boxes[index]->setText(species[index]);
        window.FindCmdR.click();
        for (const std::string& entry : window.SubLOS2copy.entries())
            out << entry << '\n';
        out << window.resultlbl.caption() << '\n';
        window.Closefrm.click();
    };
    run.form().FindCmd.click();
    run.platform.onSearch = nullptr;
}

struct SearchOptions {
    std::string mechanism;
    std::vector<std::string> species;
};

} // namespace

void addSearchCommands(CLI::App& app, int& exitCode) {
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
    command->callback([options, &exitCode] {
        CliRun run;
        exitCode = run.loadMechanismOrExplain(options->mechanism);
        if (exitCode != ExitDone)
            return;
        searchLoadedMechanism(run, options->species, std::cout);
        // A fault met inside the window is reported like a refusal.
        exitCode = run.refusalOrDone();
    });
}

} // namespace zorbel::cli
