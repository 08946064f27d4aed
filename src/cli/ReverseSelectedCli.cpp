#include "cli/BatchCli.h"
#include "cli/Commands.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <iostream>
#include <memory>
#include <string_view>

namespace zorbel::cli {

namespace {

constexpr const char* badSelection = "A selection is an index or a range such as 3-7: ";

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
    // Digits only, so the number is the whole text unless it is too large for an int.
    const std::from_chars_result read =
        std::from_chars(std::to_address(text.begin()), std::to_address(text.end()), value);
    if (read.ec == std::errc())
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
            if (refusedIndex(end.value && *end.value >= 0 && *end.value < count, end.text, count)) {
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

} // namespace

void addReverseSelectedCommand(CLI::App& app, int& exitCode) {
    auto selected = std::make_shared<BatchOptions>();
    CLI::App* reverseSelected =
        app.add_subcommand("reverse-selected", "Reverse the given reactions into RevSelected.txt");
    addBatchOptions(*reverseSelected, *selected);
    reverseSelected
        ->add_option("INDEX", selected->selection,
                     "reaction indices from 0, or ranges such as 3-7 (at least two reactions)")
        ->required();
    reverseSelected->callback([selected, &exitCode] { exitCode = runReverseSelected(*selected); });
}

} // namespace zorbel::cli
