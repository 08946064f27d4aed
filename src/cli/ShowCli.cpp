#include "cli/CliRun.h"
#include "cli/Commands.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <string_view>

namespace zorbel::cli {

namespace {

constexpr std::string_view slotNames[] = {"Reactant 1", "Reactant 2", "Reactant 3",
                                          "Product 1",  "Product 2",  "Product 3"};
constexpr std::string_view plusNames[] = {"Plus, reactants 1-2", "Plus, reactants 2-3",
                                          "Plus, products 1-2", "Plus, products 2-3"};
constexpr std::string_view shownWord = "shown";
constexpr std::string_view hiddenWord = "hidden";

std::string_view visibility(bool shown) {
    return shown ? shownWord : hiddenWord;
}

void printReaction(const ReactionView& view) {
    for (std::size_t slot = 0; slot < std::size(slotNames); ++slot)
        std::cout << slotNames[slot] << ": " << view.slots[slot] << " ("
                  << visibility(view.slotShown[slot]) << ")\n";
    for (std::size_t plus = 0; plus < std::size(plusNames); ++plus)
        std::cout << plusNames[plus] << ": " << visibility(view.plusShown[plus]) << '\n';
    std::cout << "Arrow: " << view.arrow << '\n';
    std::cout << "A: " << view.A << '\n';
    std::cout << "n: " << view.n << '\n';
    std::cout << "Ea: " << view.Ea << '\n';
    std::cout << "AFormat: \"" << view.patterns[0] << "\"\n";
    std::cout << "NFormat: \"" << view.patterns[1] << "\"\n";
    std::cout << "EaFormat: \"" << view.patterns[2] << "\"\n";
    if (!view.message.empty())
        std::cout << view.message << '\n';
}

int showOneReaction(const std::string& path, int index, const CleanFlags& flags) {
    auto run = std::make_unique<CliRun>();
    run->cleanFlags = flags;
    if (int code = exitCodeOf(run->loadMechanism(path)))
        return code;
    const int count = run->reactionCount();
    if (refusedIndex(index, count))
        return ExitRefused;
    ReactionView view;
    const CommandResult shown = run->bench.showReaction(index, view);
    if (!shown.done())
        return exitCodeOf(shown);
    printReaction(view);
    return ExitDone;
}

} // namespace

void addShowCommand(CLI::App& app, int& exitCode) {
    auto mechanism = std::make_shared<std::string>();
    auto index = std::make_shared<int>(0);
    auto flags = std::make_shared<CleanFlags>();
    CLI::App* show = app.add_subcommand(
        "show", "One reaction of a mechanism as the reaction panel shows it when it is the "
                "first selected in a run: species boxes, plus signs, arrow, A, n, Ea and the "
                "number patterns it fixes");
    show->add_option("MECH", *mechanism, "Mechanism file with an exact REACTIONS line")->required();
    show->add_option("INDEX", *index, "Index of the reaction, from 0, as `reactions` lists it")
        ->required();
    addCleanFlags(*show, *flags);
    show->callback([mechanism, index, flags, &exitCode] {
        exitCode = showOneReaction(*mechanism, *index, *flags);
    });
}

} // namespace zorbel::cli
