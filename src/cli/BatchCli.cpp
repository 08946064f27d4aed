#include "cli/BatchCli.h"

#include "batch/BatchTexts.h"
#include "cli/CliTexts.h"
#include "cli/Terminal.h"
#include "files/FileTexts.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>

namespace zorbel::cli {

namespace {

constexpr const char* badDate = "The date must read dd/mm/yy hh:mm:ss: ";

std::optional<DateTime> parseDate(const std::string& text) {
    DateTime when;
    int year = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%2d/%2d/%2d %2d:%2d:%2d%c", &when.day, &when.month, &year,
                    &when.hour, &when.minute, &when.second, &tail) != 6)
        return std::nullopt;
    when.year = 2000 + year;
    // "%2d" also takes a sign: "-1" would pass as an hour.
    const bool clock = when.hour >= 0 && when.hour <= 23 && when.minute >= 0 && when.minute <= 59 &&
                       when.second >= 0 && when.second <= 59;
    if (when.day < 1 || when.day > 31 || when.month < 1 || when.month > 12 || year < 0 || !clock)
        return std::nullopt;
    return when;
}

} // namespace

int prepare(CliRun& run, const BatchOptions& options) {
    if (options.date) {
        std::optional<DateTime> when = parseDate(*options.date);
        if (!when) {
            std::cerr << badDate << *options.date << '\n';
            return ExitUsage;
        }
        run.bench.fixClock(*when);
    }
    namespace files = zorbel::texts;
    const ReversalOutput output{files::RoleReversedMechanism,
                                options.selection.empty() ? files::RevAllFileName
                                                          : files::RevSelectedFileName,
                                options.reportPath};
    if (int code =
            refusedBeforeCleaning(options.thermo, options.mechanism, options.settings, output))
        return code;
    if (int code = loadInputs(run, options.thermo, options.mechanism, options.settings))
        return code;
    if (options.patternsFrom && refusedIndex(*options.patternsFrom, run.reactionCount()))
        return ExitRefused;
    showProgressLine(run);
    return ExitDone;
}

BatchRequest requestOf(const BatchOptions& options) {
    BatchRequest request;
    request.settings = runSettingsOf(options.settings);
    request.settings.wholeMechanism = options.complete;
    request.settings.reportPath = options.reportPath;
    request.settings.maxError = options.maxError;
    request.patternsFrom = options.patternsFrom;
    return request;
}

int report(const CommandResult& result) {
    endProgressLine();
    if (result.done()) {
        for (const std::string& path : result.filesWritten)
            std::cout << path << '\n';
    }
    return exitCodeOf(result);
}

void addBatchOptions(CLI::App& command, BatchOptions& options) {
    command.add_option("THERMO", options.thermo, "the thermodynamic database")->required();
    command.add_option("MECH", options.mechanism, "the mechanism")->required();
    command.add_option("--patterns-from", options.patternsFrom,
                       "show this reaction first, as a user would, so that its coefficient "
                       "texts fix the number patterns (otherwise the general number form)");
    command.add_option("--date", options.date,
                       "the date and time written in the file, \"dd/mm/yy hh:mm:ss\"");
    CLI::Option* complete =
        command.add_flag("--complete", options.complete, std::string(texts::CompleteFlagHelp));
    command.add_option("--max-error", options.maxError, std::string(texts::MaxErrorOptionHelp))
        ->type_name("P")
        ->check(CLI::PositiveNumber)
        ->needs(complete);
    command.add_option("--report", options.reportPath, std::string(texts::ReportOptionHelp))
        ->type_name("FILE");
    addSettingsOptions(command, options.settings);
    addThreadsOption(command, options.settings);
}

} // namespace zorbel::cli
