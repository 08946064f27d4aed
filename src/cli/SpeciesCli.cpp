#include "cli/CliRun.h"
#include "cli/Commands.h"
#include "text/StringOps.h"
#include "thermo/SpeciesRecord.h"
#include "thermo/ThermoTexts.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel::cli {

namespace {

constexpr std::string_view SpeciesHelp =
    "List the species of a thermodynamic database, or show one species as the window does";
constexpr std::string_view DatabaseHelp = "the thermodynamic database file";
constexpr std::string_view NameHelp = "a species to show (any case)";
constexpr std::string_view TemperatureHelp =
    "a temperature [K] typed into the Cp/R box, as text (it fills all three boxes)";
constexpr std::string_view UnknownSpecies = "No species of that name in the database: ";

/// Labels are padded to one width, then "= " and the text as shown (plain
/// numbers keep their leading blank).
constexpr int labelWidth = 12;

void printShown(std::string_view label, std::string_view text) {
    std::cout << std::left << std::setw(labelWidth) << label << std::right << "= " << text << '\n';
}

struct SpeciesOptions {
    std::string database;
    std::optional<std::string> name;
    std::optional<std::string> temperature;
};

void printProperty(std::string_view label, const PropertyView& property) {
    printShown(label, property.value);
    if (property.low)
        printShown(std::string(label) + " low", *property.low);
}

int printSpeciesList(const CliRun& run) {
    for (const std::string& name : run.bench.species())
        std::cout << name << '\n';
    std::cout << run.bench.speciesCount() << '\n';
    return ExitDone;
}

void printSpeciesShown(const SpeciesView& view) {
    printShown("species", view.name);
    for (std::size_t i = 0; i < std::size(texts::CoefficientNames); ++i)
        printShown(texts::CoefficientNames[i], view.coefficients[i]);
    printShown("TLow", view.TLow);
    printShown("THigh", view.THigh);
    printShown("TCommon", view.TCommon);
    printShown("ranges", view.temperatures);
    printShown("high range", view.highRange);
    printShown("low range", view.lowRange);
}

/// The three properties at a temperature typed as the Cp/R box would take it.
int printEvaluation(CliRun& run, const std::string& temperature) {
    PropertiesView view;
    const CommandResult evaluated = run.bench.evaluate(temperature, view);
    printShown("T (K)", view.temperature);
    printProperty("Cp/R", view.Cp);
    printProperty("H/RT", view.H);
    printProperty("S/R", view.S);
    return exitCodeOf(evaluated);
}

int runSpecies(const SpeciesOptions& options) {
    CliRun run;
    if (const int refused = exitCodeOf(run.loadDatabase(options.database)); refused != ExitDone)
        return refused;
    if (!options.name)
        return printSpeciesList(run);
    const std::string name = toUpperAscii(*options.name);
    const std::vector<std::string> species = run.bench.species();
    if (std::find(species.begin(), species.end(), name) == species.end()) {
        std::cerr << UnknownSpecies << name << '\n';
        return ExitRefused;
    }
    // A record that cannot be computed with, or found, is refused before anything is
    // printed.
    SpeciesView view;
    if (const int refused = exitCodeOf(run.bench.showSpecies(name, view)); refused != ExitDone)
        return refused;
    printSpeciesShown(view);
    return options.temperature ? printEvaluation(run, *options.temperature) : ExitDone;
}

} // namespace

void addSpeciesCommand(CLI::App& app, int& exitCode) {
    CLI::App* species = app.add_subcommand("species", std::string(SpeciesHelp));
    auto options = std::make_shared<SpeciesOptions>();
    species->add_option("THERMO", options->database, std::string(DatabaseHelp))->required();
    CLI::Option* name = species->add_option("NAME", options->name, std::string(NameHelp));
    species->add_option("--temperature", options->temperature, std::string(TemperatureHelp))
        ->needs(name);
    species->callback([options, &exitCode] { exitCode = runSpecies(*options); });
}

} // namespace zorbel::cli
