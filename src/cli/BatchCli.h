#pragma once
// What Reverse All and Reverse Selected share on the command line: their options, the
// loads and checks before the run, the request they make and how its end is reported.

#include "cli/CliRun.h"
#include "cli/CliSettings.h"

#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace zorbel::cli {

struct BatchOptions {
    std::string thermo;
    std::string mechanism;
    std::vector<std::string> selection;
    std::optional<int> patternsFrom;
    std::optional<std::string> date;
    bool complete = false;  ///< --complete: the whole mechanism
    std::string reportPath; ///< --report: as given, relative to the current folder
    double maxError = 0.0;  ///< --max-error [%]: 0 for none
    ReversalSettings settings;
};

/// Adds the options both batches take.
void addBatchOptions(CLI::App& command, BatchOptions& options);

/// Loads, sets the clock, and checks the reaction that fixes the number patterns. Returns
/// an exit code, ExitDone to go on.
int prepare(CliRun& run, const BatchOptions& options);

/// The run's request from the options.
BatchRequest requestOf(const BatchOptions& options);

/// Prints the output file's path once the run has written it; otherwise the run was
/// refused or stopped (a refusal told in a message box went to standard output).
int report(const CommandResult& result);

} // namespace zorbel::cli
