#include "cli/CliRun.h"
#include "cli/CliSettings.h"
#include "cli/Commands.h"
#include "files/FileTexts.h"
#include "reversal/ReversalTexts.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace zorbel::cli {

namespace {

struct ReverseOptions {
    std::string thermo;
    std::string mechanism;
    int index = 0;
    ReversalSettings settings;
};

int runReverse(const ReverseOptions& options) {
    if (int code =
            refusedBeforeCleaning(options.thermo, options.mechanism, options.settings,
                                  {zorbel::texts::RoleTable, zorbel::texts::TempFileName, {}}))
        return code;
    CliRun run;
    if (int code = loadInputs(run, options.thermo, options.mechanism, options.settings))
        return code;
    const int count = run.reactionCount();
    if (refusedIndex(options.index, count))
        return ExitRefused;
    ReverseView view;
    const CommandResult reversed =
        run.bench.reverse(options.index, runSettingsOf(options.settings), view);
    if (!reversed.done())
        return exitCodeOf(reversed);
    std::cout << "Arev  = " << view.Arev << '\n'
              << "nrev  = " << view.nrev << '\n'
              << "Earev = " << view.Earev << '\n'
              << "S     = " << view.S << '\n'
              << view.range << '\n';
    if (!reversed.message.empty())
        std::cout << "warning: " << reversed.message << '\n';
    return ExitDone;
}

} // namespace

void addReverseCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<ReverseOptions>();
    CLI::App* reverse = app.add_subcommand(
        "reverse", "Reverse one reaction as the Reverse button does; writes temp.txt");
    reverse->add_option("THERMO", options->thermo, "the thermodynamic database")->required();
    reverse->add_option("MECH", options->mechanism, "the mechanism")->required();
    reverse->add_option("INDEX", options->index, "the reaction's index in the list, from 0")
        ->required();
    addSettingsOptions(*reverse, options->settings);
    reverse->callback([options, &exitCode] { exitCode = runReverse(*options); });
}

} // namespace zorbel::cli
