#include "cli/CliRun.h"
#include "cli/Commands.h"
#include "commands/ReactionSearch.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace zorbel::cli {

namespace {

/// Opens the search window on the loaded mechanism as a user would: types the species
/// into its boxes, starts the search, prints what the window then shows (the reactions
/// found, one a line, and the result count) and closes it. The search's result, or the
/// opening's when the window did not open.
CommandResult searchLoadedMechanism(CliRun& run, const std::vector<std::string>& species,
                                    std::ostream& out) {
    CommandResult searched;
    run.platform.onSearch = [&run, &species, &out, &searched](Findfrm& window) {
        TextBox* const boxes[] = {&window.Usereqn1, &window.Usereqn2, &window.Usereqn3};
        for (size_t index = 0; index < species.size() && index < std::size(boxes); ++index)
            boxes[index]->setText(species[index]);
        searched = run.act(
            window.FindCmdR.onClick, [&run] { return runSearch(run.session); },
            [&window] { window.FindCmdR.click(); });
        for (const std::string& entry : window.SubLOS2copy.entries())
            out << entry << '\n';
        out << window.resultlbl.caption() << '\n';
        window.Closefrm.click();
    };
    const CommandResult opened =
        run.session.start([&run] { return openSearchWindow(run.session); });
    run.platform.onSearch = nullptr;
    return opened.done() ? searched : opened;
}

struct SearchOptions {
    std::string mechanism;
    std::vector<std::string> species;
    CleanFlags cleanFlags;
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
