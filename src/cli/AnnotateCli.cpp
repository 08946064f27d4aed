#include "cli/CliRun.h"
#include "cli/CliSettings.h"
#include "cli/Commands.h"
#include "cli/Terminal.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace zorbel::cli {

namespace {

constexpr const char* notAnnotated = "The comparison file was not annotated: ";

struct AnnotateOptions {
    std::string thermo;
    std::string comparison;
    ReversalSettings settings;
};

int runAnnotate(const AnnotateOptions& options) {
    CliRun run;
    if (int code = exitCodeOf(run.loadDatabase(options.thermo)))
        return code;
    showProgressLine(run);
    // The same command the button runs, so that a fault is reported as in the window.
    AnnotationView view;
    const CommandResult annotated =
        run.bench.annotate(options.comparison, runSettingsOf(options.settings), view);
    endProgressLine();
    if (!annotated.done()) {
        if (annotated.message.empty())
            std::cerr << notAnnotated << options.comparison << '\n';
        return exitCodeOf(annotated);
    }
    std::cout << "Different: " << view.different << '\n'
              << "Identical within tolerance: " << view.identical << '\n'
              << "Not calculated: " << view.notCalculated << '\n'
              << view.comparisonPath << '\n';
    return ExitDone;
}

} // namespace

void addAnnotateCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<AnnotateOptions>();
    CLI::App* annotate = app.add_subcommand(
        "annotate", "Reverse the marked (###) reactions of a comparison file, compare their "
                    "reverse rate constants with the file's second expressions and insert the "
                    "classified table into the file. Writes RevAll.txt beside the comparison "
                    "file, replacing any file of that name there");
    annotate->add_option("THERMO", options->thermo, "the thermodynamic database")->required();
    annotate
        ->add_option("COMPARISON", options->comparison,
                     "the comparison file, rewritten; RevAll.txt beside it is replaced")
        ->required();
    addComputationOptions(*annotate, options->settings);
    addThreadsOption(*annotate, options->settings);
    annotate->callback([options, &exitCode] { exitCode = runAnnotate(*options); });
}

} // namespace zorbel::cli
