#include "cli/CliRun.h"

#include "cli/CliTexts.h"
#include "commands/MechanismCommands.h"
#include "commands/ThermoCommands.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismLayout.h"
#include "program/Program.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <system_error>
#include <utility>

namespace zorbel::cli {

CliRun::CliRun() : session(platform) {
    connectCommands(session);
    platform.onMessage = [](const MessageRequest& message) {
        std::cout << message.title << ": " << message.text << '\n';
    };
    // Standard output keeps the boxes a script may read; the summary is for the user.
    platform.onSummary = [](const std::string& text) { std::cerr << text << '\n'; };
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
    platform.fileAnswers.push_back(path);
    return warned(session.start([this] { return zorbel::loadDatabase(session); }));
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
        session.loads.clean = CleanOnLoad::Always;
        session.loads.replaceCleanFile = cleanFlags.force;
        std::error_code error;
        if (!cleanFlags.force &&
            std::filesystem::symlink_status(filePath(cleanPath), error).type() !=
                std::filesystem::file_type::not_found)
            return CommandResult::refused(cleanPath + std::string(texts::CleanFileStands));
    }
    platform.fileAnswers.push_back(path);
    return warned(session.start([this] { return zorbel::loadMechanism(session); }));
}

CommandResult CliRun::act(std::function<void()>& handler,
                          const std::function<CommandResult()>& command,
                          const std::function<void()>& action) {
    CommandResult result;
    std::function<void()> connected =
        std::exchange(handler, [this, &result, &command] { result = session.handle(command); });
    action();
    handler = std::move(connected);
    return result;
}

int exitCodeOf(const CommandResult& result) {
    if (result.done())
        return ExitDone;
    if (!result.message.empty())
        std::cerr << result.message << '\n';
    return ExitRefused;
}

} // namespace zorbel::cli
