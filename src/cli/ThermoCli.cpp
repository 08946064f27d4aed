#include "cli/CliRun.h"
#include "cli/Commands.h"
#include "commands/ThermoCommands.h"
#include "text/StringOps.h"
#include "thermo/SpeciesRecord.h"
#include "thermo/ThermoTexts.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zorbel::cli {

namespace {

constexpr std::string_view SpeciesHelp =
    "List the species of a thermodynamic database, or show one species as the window does";
constexpr std::string_view DatabaseHelp = "the thermodynamic database file";
constexpr std::string_view NameHelp = "a species to show (any case)";
constexpr std::string_view TemperatureHelp =
    "a temperature [K] typed into the Cp/R box, as text (it fills all three boxes)";
constexpr std::string_view UnknownSpecies = "No species of that name in the database: ";

/// Labels are padded to one width, then "= " and the window's text as it stands (plain
/// numbers keep their leading blank).
constexpr std::size_t labelWidth = 12;

void printShown(std::string_view label, std::string_view text) {
    std::string padded(label);
    if (padded.size() < labelWidth)
        padded.append(labelWidth - padded.size(), ' ');
    std::cout << padded << "= " << text << '\n';
}

struct SpeciesOptions {
    std::string database;
    std::optional<std::string> name;
    std::optional<std::string> temperature;
};

void printProperty(std::string_view label, const TextBox& box, const TextBox& lowerBox) {
    printShown(label, box.text());
    if (lowerBox.visible())
        printShown(std::string(label) + " low", lowerBox.text());
}

int printSpeciesList(const REVEQfrm& form) {
    for (const std::string& name : form.LOS1.entries())
        std::cout << name << '\n';
    std::cout << form.List1Nbr.caption() << '\n';
    return ExitDone;
}

void printSpeciesShown(const CliRun& run) {
    const REVEQfrm& form = run.session.form;
    printShown("species", form.LOS1.selectedText());
    for (std::size_t i = 0; i < std::size(texts::CoefficientNames); ++i)
        printShown(texts::CoefficientNames[i], form.PropTxt[i].text());
    printShown("TLow", run.session.common.TLow);
    printShown("THigh", run.session.common.THigh);
    printShown("TCommon", run.session.common.TCommon);
    printShown("Lbl8", form.Lbl8.caption());
    printShown("Lbl10", form.Lbl10.caption());
    printShown("Lbl11", form.Lbl11.caption());
}

/// Types the temperature into the Cp/R box and prints the three properties it gives.
int printEvaluation(CliRun& run, const std::string& temperature) {
    REVEQfrm& form = run.form();
    const CommandResult evaluated = run.act(
        form.TXT1K.onChange, [&run] { return evaluateCp(run.session); },
        [&form, &temperature] { form.TXT1K.setText(temperature); });
    printShown("T (K)", form.TXT1K.text());
    printProperty("Cp/R", form.TXT1CP, form.TXT1CPBis);
    printProperty("H/RT", form.TXT1H, form.TXT1HBis);
    printProperty("S/R", form.TXT1S, form.TXT1SBis);
    return exitCodeOf(evaluated);
}

int runSpecies(const SpeciesOptions& options) {
    CliRun run;
    REVEQfrm& form = run.form();
    if (const int refused = exitCodeOf(run.loadDatabase(options.database)); refused != ExitDone)
        return refused;
    if (!options.name)
        return printSpeciesList(form);
    const std::string name = toUpperAscii(*options.name);
    if (form.LOS1.find(name) < 0) {
        std::cerr << UnknownSpecies << name << '\n';
        return ExitRefused;
    }
    // A record that cannot be computed with, or found, is refused before anything is
    // printed.
    const CommandResult shown = run.act(
        form.LOS1.onSelect, [&run] { return showSpecies(run.session); },
        [&form, &name] { form.LOS1.selectFirstEqual(name); });
    if (const int refused = exitCodeOf(shown); refused != ExitDone)
        return refused;
    printSpeciesShown(run);
    return options.temperature ? printEvaluation(run, *options.temperature) : ExitDone;
}

} // namespace

void addThermoCommands(CLI::App& app, int& exitCode) {
    CLI::App* species = app.add_subcommand("species", std::string(SpeciesHelp));
    auto options = std::make_shared<SpeciesOptions>();
    species->add_option("THERMO", options->database, std::string(DatabaseHelp))->required();
    CLI::Option* name = species->add_option("NAME", options->name, std::string(NameHelp));
    species->add_option("--temperature", options->temperature, std::string(TemperatureHelp))
        ->needs(name);
    species->callback([options, &exitCode] { exitCode = runSpecies(*options); });
}

} // namespace zorbel::cli
