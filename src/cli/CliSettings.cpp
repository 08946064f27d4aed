#include "cli/CliSettings.h"

#include "cli/CliRun.h"
#include "cli/CliTexts.h"

#include "batch/RunChecks.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismLayout.h"
#include "text/NumberText.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <iostream>
#include <optional>
#include <string_view>

namespace zorbel::cli {

namespace {
constexpr int maximumThreads = 1024;

/// The points box takes digits alone; a count such as 50abc or 3.5 is a slip, not 50 or 4.
std::string digitsOnly(const std::string& text) {
    const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    return digits ? std::string() : std::string(texts::PointsDigitsOnly);
}

/// A temperature of the range is one number; "100 x" would read as 100 and 0.
std::string temperatureText(const std::string& text) {
    const std::optional<double> value = tryReadLeadingNumber(text);
    const bool number = isWholeNumberText(text) && value && std::isfinite(*value);
    return number ? std::string() : std::string(texts::RangeNotANumber) + text;
}

/// Why the rules set the personal range aside whatever the reaction; nothing when each
/// reaction's range decides.
std::optional<std::string_view> rangeSetAside(const std::vector<std::string>& range) {
    if (range.size() != 2)
        return std::nullopt;
    const double cold = readLeadingNumber(range[0]);
    const double hot = readLeadingNumber(range[1]);
    if (cold == hot)
        return texts::RangeEndsEqual;
    if (cold > hot)
        return texts::RangeEndsSwapped;
    return std::nullopt;
}

} // namespace

void addComputationOptions(CLI::App& command, ReversalSettings& settings) {
    command.add_option("--points", settings.points, "number of temperature points (3 to 10000)")
        ->check(CLI::Validator(digitsOnly, "COUNT"));
    command.add_option("--law", settings.law, "the fitted law")
        ->check(CLI::IsMember({"arrhenius", "modified"}));
    command.add_option("--spacing", settings.spacing, "grid spacing: equal steps in 1/T or in T")
        ->check(CLI::IsMember({"reciprocal", "linear"}));
    command.add_option("--range", settings.range, "a personal temperature range COLD HOT [K]")
        ->expected(2)
        ->check(CLI::Validator(temperatureText, "K"));
    command.add_flag("--exact-thermo", settings.exactThermo,
                     std::string(texts::ExactThermoFlagHelp));
    command.add_option("--fit", settings.fit, std::string(texts::FitOptionHelp))
        ->check(
            CLI::IsMember({std::string(texts::LeastSquaresFit), std::string(texts::MinimaxFit)}));
}

void addSettingsOptions(CLI::App& command, ReversalSettings& settings) {
    addComputationOptions(command, settings);
    command.add_option("--work-folder", settings.workFolder,
                       "folder for the output files (default: the mechanism's folder)");
    CLI::Option* clean =
        command.add_flag("--clean", settings.clean, std::string(texts::CleanFlagHelp));
    command.add_flag("--force", settings.force, std::string(texts::ForceFlagHelp))->needs(clean);
}

void addThreadsOption(CLI::App& command, ReversalSettings& settings) {
    command
        .add_option("--threads", settings.threads,
                    "threads that compute the reactions (default: one per core); the file is "
                    "the same whatever the number")
        ->check(CLI::Range(1, maximumThreads));
}

RunSettings runSettingsOf(const ReversalSettings& settings) {
    RunSettings run;
    if (settings.points)
        run.points = pointCount(*settings.points);
    run.law = settings.law == "arrhenius" ? RateLaw::Arrhenius : RateLaw::ModifiedArrhenius;
    run.reciprocalSpacing = settings.spacing == "reciprocal";
    run.exactThermo = settings.exactThermo;
    run.fit = settings.fit == texts::MinimaxFit ? FitKind::Minimax : FitKind::LeastSquares;
    if (settings.range.size() == 2)
        run.personal = {true, settings.range[0], settings.range[1]};
    run.threads = settings.threads;
    if (const std::optional<std::string_view> why = rangeSetAside(settings.range))
        std::cerr << texts::RangeSetAsideStart << settings.range[0] << ' ' << settings.range[1]
                  << texts::RangeSetAsideMiddle << *why << texts::RangeSetAsideEnd << '\n';
    return run;
}

namespace {

/// The folder --work-folder names, ending with its separator; nothing without the option.
std::optional<std::string> workFolderOf(const ReversalSettings& settings) {
    if (!settings.workFolder)
        return std::nullopt;
    std::string folder = *settings.workFolder;
    if (!folder.empty() && PathSeparators.find(folder.back()) == std::string_view::npos)
        folder += '/';
    return folder;
}

} // namespace

int loadInputs(CliRun& run, const std::string& thermo, const std::string& mechanism,
               const ReversalSettings& settings) {
    if (int code = exitCodeOf(run.loadDatabase(thermo)))
        return code;
    run.cleanFlags = {settings.clean, settings.force};
    if (int code = exitCodeOf(run.loadMechanism(mechanism)))
        return code;
    if (const std::optional<std::string> folder = workFolderOf(settings))
        run.bench.setWorkFolder(*folder);
    return ExitDone;
}

int refusedBeforeCleaning(const std::string& thermo, const std::string& mechanism,
                          const ReversalSettings& settings, const ReversalOutput& output) {
    if (!settings.clean)
        return ExitDone;
    // Only a file out of the loader's layout is cleaned; one that cannot be read is the
    // load's to refuse.
    const std::optional<std::vector<std::string>> lines = readLines(mechanism);
    if (!lines || !layoutProblem(*lines))
        return ExitDone;
    // The points as the run will have them, so that both checks agree.
    std::optional<std::string> refused;
    if (settings.points)
        refused = pointsRefusal(std::to_string(pointCount(*settings.points)));
    if (!refused) {
        // The files as the load will leave them: the clean copy beside the published one.
        const std::string cleaned = cleanFilePath(mechanism);
        const std::string folder = workFolderOf(settings).value_or(splitPath(cleaned).folder);
        refused = workFolderClash({thermo, cleaned, mechanism, {}, folder}, output.role,
                                  output.fileName, output.report);
    }
    return refused ? exitCodeOf(CommandResult::refused(std::move(*refused))) : ExitDone;
}

} // namespace zorbel::cli
