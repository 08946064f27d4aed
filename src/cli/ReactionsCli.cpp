#include "cli/CliRun.h"
#include "cli/Commands.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace zorbel::cli {

namespace {

int listReactions(const std::string& path, const CleanFlags& flags) {
    auto run = std::make_unique<CliRun>();
    run->cleanFlags = flags;
    if (int code = exitCodeOf(run->loadMechanism(path)))
        return code;
    const std::vector<std::string> reactions = run->bench.reactions();
    for (std::size_t index = 0; index < reactions.size(); ++index)
        std::cout << index << ": " << reactions[index] << '\n';
    std::cout << run->bench.reactionCount() << '\n';
    return ExitDone;
}

} // namespace

void addReactionsCommand(CLI::App& app, int& exitCode) {
    auto mechanism = std::make_shared<std::string>();
    auto flags = std::make_shared<CleanFlags>();
    CLI::App* reactions =
        app.add_subcommand("reactions", "The reaction lines of a mechanism, numbered from 0, "
                                        "and their count");
    reactions->add_option("MECH", *mechanism, "Mechanism file with an exact REACTIONS line")
        ->required();
    addCleanFlags(*reactions, *flags);
    reactions->callback(
        [mechanism, flags, &exitCode] { exitCode = listReactions(*mechanism, *flags); });
}

} // namespace zorbel::cli
