#include "cli/CliRun.h"
#include "cli/Commands.h"
#include "commands/MechanismCommands.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <string_view>

namespace zorbel::cli {

namespace {

constexpr std::string_view noSuchReaction = "There is no reaction of index ";
constexpr std::string_view indexRange = " in this mechanism: the indices run from 0 to ";
constexpr std::string_view emptyMechanism = " in this mechanism: it lists no reaction.";
constexpr std::string_view slotNames[] = {"Reactant 1", "Reactant 2", "Reactant 3",
                                          "Product 1",  "Product 2",  "Product 3"};
constexpr std::string_view plusNames[] = {"Plus, reactants 1-2", "Plus, reactants 2-3",
                                          "Plus, products 1-2", "Plus, products 2-3"};
constexpr std::string_view shownWord = "shown";
constexpr std::string_view hiddenWord = "hidden";

std::string_view visibility(const Element& element) {
    return element.visible() ? shownWord : hiddenWord;
}

int listReactions(const std::string& path, const CleanFlags& flags) {
    auto run = std::make_unique<CliRun>();
    run->cleanFlags = flags;
    if (int code = exitCodeOf(run->loadMechanism(path)))
        return code;
    const ListBox& list = run->form().LOS2;
    for (int index = 0; index < list.count(); ++index)
        std::cout << index << ": " << list.at(index) << '\n';
    std::cout << run->form().List2Nbr.caption() << '\n';
    return ExitDone;
}

/// A multi-line message of the window, one line of output per line.
std::string asOutputLines(std::string text, const std::string& newLine) {
    for (std::size_t at = text.find(newLine); !newLine.empty() && at != std::string::npos;
         at = text.find(newLine, at + 1))
        text.replace(at, newLine.size(), "\n");
    return text;
}

int showOneReaction(const std::string& path, int index, const CleanFlags& flags) {
    auto run = std::make_unique<CliRun>();
    run->cleanFlags = flags;
    if (int code = exitCodeOf(run->loadMechanism(path)))
        return code;
    REVEQfrm& form = run->form();
    const int count = form.LOS2.count();
    if (index < 0 || index >= count) {
        std::cerr << noSuchReaction << index;
        if (count == 0)
            std::cerr << emptyMechanism << '\n';
        else
            std::cerr << indexRange << count - 1 << ".\n";
        return ExitRefused;
    }
    const CommandResult shown = run->act(
        form.LOS2.onSelect, [&run] { return showReaction(run->session); },
        [&form, index] { form.LOS2.select(index); });
    if (!shown.done())
        return exitCodeOf(shown);

    for (std::size_t slot = 0; slot < std::size(slotNames); ++slot) {
        const TextBox& box = form.PropTxt[REVEQfrm::FirstSlot + slot];
        std::cout << slotNames[slot] << ": " << box.text() << " (" << visibility(box) << ")\n";
    }
    for (std::size_t plus = 0; plus < form.PlusLbl.size(); ++plus)
        std::cout << plusNames[plus] << ": " << visibility(form.PlusLbl[plus]) << '\n';
    std::cout << "Arrow: " << form.EgalLbl.caption() << '\n';
    std::cout << "A: " << form.PropTxt[REVEQfrm::ForwardA].text() << '\n';
    std::cout << "n: " << form.PropTxt[REVEQfrm::ForwardN].text() << '\n';
    std::cout << "Ea: " << form.PropTxt[REVEQfrm::ForwardEa].text() << '\n';
    const CommonValue& common = run->session.common;
    std::cout << "AFormat: \"" << common.AFormat << "\"\n";
    std::cout << "NFormat: \"" << common.NFormat << "\"\n";
    std::cout << "EaFormat: \"" << common.EaFormat << "\"\n";
    if (!shown.message.empty())
        std::cout << asOutputLines(shown.message, common.NewLine) << '\n';
    return ExitDone;
}

} // namespace

void addMechanismCommands(CLI::App& app, int& exitCode) {
    auto mechanism = std::make_shared<std::string>();
    auto index = std::make_shared<int>(0);
    auto flags = std::make_shared<CleanFlags>();

    CLI::App* reactions =
        app.add_subcommand("reactions", "The reaction lines of a mechanism, numbered from 0, "
                                        "and their count");
    reactions->add_option("MECH", *mechanism, "Mechanism file with an exact REACTIONS line")
        ->required();
    addCleanFlags(*reactions, *flags);
    reactions->callback(
        [mechanism, flags, &exitCode] { exitCode = listReactions(*mechanism, *flags); });

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
