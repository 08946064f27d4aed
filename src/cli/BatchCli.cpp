#include "cli/CliRun.h"
#include "cli/CliSettings.h"
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/Terminal.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zorbel::cli {

namespace {

constexpr const char* badDate = "The date must read dd/mm/yy hh:mm:ss: ";
constexpr const char* badIndex = "There is no reaction of index ";
constexpr const char* badSelection = "A selection is an index or a range such as 3-7: ";

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

/// One index of a selection as written, and its number when it fits an int: a number
/// that does not fit names no reaction, and wrapping it would name another.
struct WrittenIndex {
    std::string_view text;
    std::optional<int> value;
};

std::optional<WrittenIndex> readIndex(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    const std::size_t digits = text.front() == '-' ? 1 : 0;
    if (text.size() == digits ||
        text.find_first_not_of("0123456789", digits) != std::string_view::npos)
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && end == text.data() + text.size())
        return WrittenIndex{text, value};
    return WrittenIndex{text, std::nullopt};
}

/// "3" or "3-7" as the first and last index written; nothing for a malformed text.
struct WrittenRange {
    WrittenIndex first;
    WrittenIndex last;
};

std::optional<std::vector<WrittenRange>> parseSelection(const std::vector<std::string>& items) {
    std::vector<WrittenRange> ranges;
    for (const std::string& item : items) {
        // The separator is the first "-" after the first character, which may be a sign.
        const std::size_t dash = item.find('-', 1);
        const std::string_view text = item;
        const std::optional<WrittenIndex> first = readIndex(text.substr(0, dash));
        const std::optional<WrittenIndex> last =
            dash == std::string::npos ? first : readIndex(text.substr(dash + 1));
        if (!first || !last)
            return std::nullopt;
        if (first->value && last->value && *first->value > *last->value)
            return std::nullopt;
        ranges.push_back({*first, *last});
    }
    return ranges;
}

/// Loads, sets the clock, and checks the reaction that fixes the number patterns. Returns
/// an exit code, ExitDone to go on.
int prepare(CliRun& run, const BatchOptions& options) {
    if (options.date) {
        std::optional<DateTime> when = parseDate(*options.date);
        if (!when) {
            std::cerr << badDate << *options.date << '\n';
            return ExitUsage;
        }
        run.bench.fixClock(*when);
    }
    if (int code = loadInputs(run, options.thermo, options.mechanism, options.settings))
        return code;
    if (options.patternsFrom &&
        (*options.patternsFrom < 0 || *options.patternsFrom >= run.reactionCount())) {
        std::cerr << badIndex << *options.patternsFrom << '\n';
        return ExitRefused;
    }
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

/// Prints the output file's path once the run has written it; otherwise the run was
/// refused or stopped (a refusal told in a message box went to standard output).
int report(const CommandResult& result) {
    endProgressLine();
    if (result.done()) {
        for (const std::string& path : result.filesWritten)
            std::cout << path << '\n';
    }
    return exitCodeOf(result);
}

int runReverseAll(const BatchOptions& options) {
    CliRun run;
    if (int code = prepare(run, options))
        return code;
    return report(run.bench.reverseBatch(requestOf(options)));
}

/// The indices a selection names, each checked before any is taken; nothing, after saying
/// why, when one is malformed or names no reaction.
std::optional<std::vector<int>> selectedIndices(const BatchOptions& options, int count,
                                                int& exitCode) {
    const auto indices = parseSelection(options.selection);
    if (!indices) {
        std::cerr << badSelection;
        for (const std::string& item : options.selection)
            std::cerr << item << ' ';
        std::cerr << '\n';
        exitCode = ExitUsage;
        return std::nullopt;
    }
    for (const WrittenRange& range : *indices) {
        for (const WrittenIndex& end : {range.first, range.last}) {
            if (!end.value || *end.value < 0 || *end.value >= count) {
                std::cerr << badIndex << end.text << '\n';
                exitCode = ExitRefused;
                return std::nullopt;
            }
        }
    }
    std::vector<int> chosen;
    for (const WrittenRange& range : *indices) {
        for (int index = *range.first.value; index <= *range.last.value; ++index)
            chosen.push_back(index);
    }
    return chosen;
}

int runReverseSelected(const BatchOptions& options) {
    CliRun run;
    if (int code = prepare(run, options))
        return code;
    int exitCode = ExitDone;
    std::optional<std::vector<int>> chosen =
        selectedIndices(options, run.reactionCount(), exitCode);
    if (!chosen)
        return exitCode;
    BatchRequest request = requestOf(options);
    request.selection = std::move(*chosen);
    return report(run.bench.reverseBatch(request));
}

void addCommonOptions(CLI::App& command, BatchOptions& options) {
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

} // namespace

void addBatchCommands(CLI::App& app, int& exitCode) {
    auto all = std::make_shared<BatchOptions>();
    CLI::App* reverseAll = app.add_subcommand(
        "reverse-all", "Reverse every reaction of the mechanism into RevAll.txt");
    addCommonOptions(*reverseAll, *all);
    reverseAll->callback([all, &exitCode] { exitCode = runReverseAll(*all); });

    auto selected = std::make_shared<BatchOptions>();
    CLI::App* reverseSelected =
        app.add_subcommand("reverse-selected", "Reverse the given reactions into RevSelected.txt");
    addCommonOptions(*reverseSelected, *selected);
    reverseSelected
        ->add_option("INDEX", selected->selection,
                     "reaction indices from 0, or ranges such as 3-7 (at least two reactions)")
        ->required();
    reverseSelected->callback([selected, &exitCode] { exitCode = runReverseSelected(*selected); });
}

} // namespace zorbel::cli
