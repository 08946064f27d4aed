#include "app/AppTexts.h"
#include "app/TextFiles.h"
#include "batch/BatchTexts.h"
#include "cli/CliRun.h"
#include "cli/CliSettings.h"
#include "cli/Commands.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>

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
    if (when.day < 1 || when.day > 31 || when.month < 1 || when.month > 12 || when.hour > 23 ||
        when.minute > 59 || when.second > 59)
        return std::nullopt;
    return when;
}

/// "3" or "3-7" into list indices; nothing for a malformed text.
std::optional<std::vector<int>> parseSelection(const std::vector<std::string>& items) {
    std::vector<int> indices;
    for (const std::string& item : items) {
        int first = 0;
        int last = 0;
        char tail = 0;
        if (std::sscanf(item.c_str(), "%d-%d%c", &first, &last, &tail) == 2) {
            if (first > last)
                return std::nullopt;
            for (int i = first; i <= last; ++i)
                indices.push_back(i);
        } else if (std::sscanf(item.c_str(), "%d%c", &first, &tail) == 1) {
            indices.push_back(first);
        } else {
            return std::nullopt;
        }
    }
    return indices;
}

/// Loads, applies the settings, the clock and the first selection that fixes the
/// number patterns. Returns an exit code, ExitDone to go on.
int prepare(CliRun& run, const BatchOptions& options) {
    if (options.date) {
        std::optional<DateTime> when = parseDate(*options.date);
        if (!when) {
            std::cerr << badDate << *options.date << '\n';
            return ExitUsage;
        }
        run.platform.fixedClock = when;
    }
    if (int code = loadInputs(run, options.thermo, options.mechanism, options.settings))
        return code;
    applySettings(run, options.settings);
    REVEQfrm& form = run.form();
    if (options.patternsFrom) {
        if (*options.patternsFrom < 0 || *options.patternsFrom >= form.LOS2.count()) {
            std::cerr << badIndex << *options.patternsFrom << '\n';
            return ExitRefused;
        }
        form.LOS2.select(*options.patternsFrom);
        form.LOS2.clearSelection();
    }
    if (isatty(STDERR_FILENO)) {
        run.platform.onEvents = [&form] {
            std::cerr << "\r" << static_cast<int>(form.ProgBar.value()) << "%  "
                      << form.timeremaining.caption() << "      " << std::flush;
        };
    }
    return ExitDone;
}

/// Prints the output file's path once the run has ended with its closing box; otherwise
/// the run was refused or stopped (its message went to standard output or error).
int report(CliRun& run, std::string_view fileName) {
    if (isatty(STDERR_FILENO))
        std::cerr << '\n';
    for (const MessageRequest& message : run.platform.messages) {
        if (message.title == texts::JobDoneTitle) {
            std::cout << pathInFolder(run.session.common.WorkFolder, fileName) << '\n';
            return ExitDone;
        }
    }
    run.refusalOrDone();
    return ExitRefused;
}

int runReverseAll(const BatchOptions& options) {
    CliRun run;
    if (int code = prepare(run, options))
        return code;
    run.form().CMD4.click();
    return report(run, texts::RevAllFileName);
}

int runReverseSelected(const BatchOptions& options) {
    CliRun run;
    if (int code = prepare(run, options))
        return code;
    std::optional<std::vector<int>> indices = parseSelection(options.selection);
    if (!indices) {
        std::cerr << badSelection;
        for (const std::string& item : options.selection)
            std::cerr << item << ' ';
        std::cerr << '\n';
        return ExitUsage;
    }
    REVEQfrm& form = run.form();
    for (int index : *indices) {
        if (index < 0 || index >= form.LOS2.count()) {
            std::cerr << badIndex << index << '\n';
            return ExitRefused;
        }
        form.LOS2.setSelected(index, true);
    }
    form.CMD5.click();
    return report(run, texts::RevSelectedFileName);
}

void addCommonOptions(CLI::App& command, BatchOptions& options) {
    command.add_option("THERMO", options.thermo, "the thermodynamic database")->required();
    command.add_option("MECH", options.mechanism, "the mechanism")->required();
    command.add_option("--patterns-from", options.patternsFrom,
                       "show this reaction first, as a user would, so that its coefficient "
                       "texts fix the number patterns (otherwise the general number form)");
    command.add_option("--date", options.date,
                       "the date and time written in the file, \"dd/mm/yy hh:mm:ss\"");
    addSettingsOptions(command, options.settings);
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
