#include "cli/CliSettings.h"

#include "cli/CliRun.h"
#include "cli/CliTexts.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace zorbel::cli {

namespace {
constexpr const char* noMinusInCount = "a number of points has no minus sign";
constexpr int maximumThreads = 1024;
} // namespace

void addSettingsOptions(CLI::App& command, ReversalSettings& settings) {
    // The window turns a typed -50 into 50; on a command line a minus sign is a slip.
    command.add_option("--points", settings.points, "number of temperature points (3 to 10000)")
        ->check(CLI::Validator(
            [](const std::string& text) {
                return text.find('-') == std::string::npos ? std::string()
                                                           : std::string(noMinusInCount);
            },
            "COUNT"));
    command.add_option("--law", settings.law, "the fitted law")
        ->check(CLI::IsMember({"arrhenius", "modified"}));
    command.add_option("--spacing", settings.spacing, "grid spacing: equal steps in 1/T or in T")
        ->check(CLI::IsMember({"reciprocal", "linear"}));
    command.add_option("--range", settings.range, "a personal temperature range COLD HOT [K]")
        ->expected(2);
    command.add_option("--work-folder", settings.workFolder,
                       "folder for the output files (default: the mechanism's folder)");
    CLI::Option* clean =
        command.add_flag("--clean", settings.clean, std::string(texts::CleanFlagHelp));
    command.add_flag("--force", settings.force, std::string(texts::ForceFlagHelp))->needs(clean);
    command.add_flag("--exact-thermo", settings.exactThermo,
                     std::string(texts::ExactThermoFlagHelp));
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
    if (settings.range.size() == 2)
        run.personal = {true, settings.range[0], settings.range[1]};
    run.threads = settings.threads;
    return run;
}

int loadInputs(CliRun& run, const std::string& thermo, const std::string& mechanism,
               const ReversalSettings& settings) {
    if (int code = exitCodeOf(run.loadDatabase(thermo)))
        return code;
    run.cleanFlags = {settings.clean, settings.force};
    if (int code = exitCodeOf(run.loadMechanism(mechanism)))
        return code;
    if (settings.workFolder) {
        std::string folder = *settings.workFolder;
        if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
            folder += '/';
        run.bench.setWorkFolder(folder);
    }
    return ExitDone;
}

} // namespace zorbel::cli
