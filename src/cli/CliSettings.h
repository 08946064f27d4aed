#pragma once
// The settings of the General Settings tab as command-line options, shared by the
// commands that reverse reactions.

#include "batch/RunSettings.h"
#include "cli/CliTexts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
}

namespace zorbel::cli {

class CliRun;

struct ReversalSettings {
    std::optional<std::string> points;     ///< as typed, see pointCount
    std::string law = "modified";          ///< arrhenius | modified
    std::string spacing = "reciprocal";    ///< reciprocal | linear
    std::vector<std::string> range;        ///< COLD HOT: the personal range, typed as text
    std::optional<std::string> workFolder; ///< where the output files go
    bool clean = false;                    ///< --clean: see CleanFlags
    bool force = false;
    bool exactThermo = false;                ///< --exact-thermo: S/R and H/RT at full precision
    std::string fit{texts::LeastSquaresFit}; ///< least-squares | minimax
    int threads = 0;                         ///< a batch's threads; 0: one per core
};

/// The settings of the computation (points, law, spacing, range, exact thermochemistry),
/// then the options of a command that loads a mechanism (--work-folder, --clean, --force).
void addSettingsOptions(CLI::App& command, ReversalSettings& settings);
/// The settings of the computation alone, for a command that loads no mechanism.
void addComputationOptions(CLI::App& command, ReversalSettings& settings);
/// --threads, for the commands that reverse a batch of reactions.
void addThreadsOption(CLI::App& command, ReversalSettings& settings);

/// The run's settings the options give; the others keep their start values. A personal range
/// whose ends the rules set aside whatever the reaction is applied as the window applies it,
/// with one line on standard error that says so.
RunSettings runSettingsOf(const ReversalSettings& settings);

/// Loads the database and the mechanism as the two buttons would, then points the work
/// folder elsewhere when asked. Returns ExitDone, or ExitRefused after printing why.
int loadInputs(CliRun& run, const std::string& thermo, const std::string& mechanism,
               const ReversalSettings& settings);

/// What a reversal writes: its file in the work folder, in its role, and the report.
struct ReversalOutput {
    std::string_view role;
    std::string_view fileName;
    std::string report;
};

/// A load with --clean writes NAME-clean.inp. What the options refuse on their own (the
/// points, an output that would replace an input or another output) is refused before it,
/// after printing why, so that a refused command writes nothing; the checks after the load
/// stay as they are. ExitDone to go on, and always without --clean.
int refusedBeforeCleaning(const std::string& thermo, const std::string& mechanism,
                          const ReversalSettings& settings, const ReversalOutput& output);

} // namespace zorbel::cli
