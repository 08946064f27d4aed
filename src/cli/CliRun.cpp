#include "cli/CliRun.h"

#include "cli/CliTexts.h"
#include "cli/Terminal.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismLayout.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <system_error>

namespace zorbel::cli {

CliRun::CliRun() {
    // A message or the summary starts on a line of its own, not after the progress line.
    bench.onMessage = [](const std::string& title, const std::string& text) {
        endProgressLine();
        std::cout << title << ": " << text << '\n';
    };
    // Standard output keeps the results a script may read; the summary is for the user.
    bench.onSummary = [](const std::string& text) {
        endProgressLine();
        std::cerr << text << '\n';
    };
}

namespace {

/// A load that is done may come with a warning; it goes where the refusals go.
CommandResult warned(CommandResult result) {
    if (result.done() && !result.message.empty())
        std::cerr << result.message << '\n';
    return result;
}

} // namespace

CommandResult CliRun::loadDatabase(const std::string& path) {
    return warned(bench.loadDatabase(path));
}

void addCleanFlags(CLI::App& command, CleanFlags& flags) {
    CLI::Option* clean =
        command.add_flag("--clean", flags.clean, std::string(texts::CleanFlagHelp));
    command.add_flag("--force", flags.force, std::string(texts::ForceFlagHelp))->needs(clean);
}

namespace {

std::optional<LayoutProblem> layoutProblemOf(const std::string& path) {
    const std::optional<std::vector<std::string>> lines = readLines(path);
    return lines ? layoutProblem(*lines) : std::nullopt;
}

} // namespace

// The file is read here once more, so that the warning can name --clean and the refusal
// --force, which the load itself knows nothing of.
CommandResult CliRun::loadMechanism(const std::string& path) {
    const std::optional<LayoutProblem> problem = layoutProblemOf(path);
    const std::string cleanPath = cleanFilePath(path);
    if (problem && !cleanFlags.clean) {
        // Loaded as written, with a warning.
        std::cerr << path << texts::NotInLayoutStart << problem->line << texts::NotInLayoutMiddle
                  << layoutProblemText(problem->kind) << texts::NotInLayoutCleanInto
                  << splitPath(cleanPath).fileName << texts::NotInLayoutEnd << '\n';
    } else if (problem) {
        std::error_code error;
        if (!cleanFlags.force &&
            std::filesystem::symlink_status(filePath(cleanPath), error).type() !=
                std::filesystem::file_type::not_found)
            return CommandResult::refused(cleanPath + std::string(texts::CleanFileStands));
    }
    return warned(
        bench.loadMechanism(path, {problem.has_value() && cleanFlags.clean, cleanFlags.force}));
}

bool refusedIndex(bool inRange, std::string_view written, int count) {
    if (inRange)
        return false;
    std::cerr << texts::NoSuchReaction << written;
    if (count == 0)
        std::cerr << texts::NoReactionListed << '\n';
    else
        std::cerr << texts::IndexRange << count - 1 << ".\n";
    return true;
}

bool refusedIndex(int index, int count) {
    return refusedIndex(index >= 0 && index < count, std::to_string(index), count);
}

int exitCodeOf(const CommandResult& result) {
    if (result.done())
        return ExitDone;
    if (!result.message.empty())
        std::cerr << result.message << '\n';
    return ExitRefused;
}

} // namespace zorbel::cli
