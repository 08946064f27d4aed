#include "app/TextFiles.h"
#include "cli/CliRun.h"
#include "cli/Commands.h"
#include "mechanism/CleanTexts.h"
#include "mechanism/MechanismCleaner.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace zorbel::cli {

namespace {

struct CleanOptions {
    std::string input;
    std::string output;
};

/// Writes beside the target and renames over it, so that a failure never leaves a half
/// written file, and cleaning a file onto itself reads it whole first.
bool writeLines(const std::string& path, const std::vector<std::string>& lines) {
    const std::string temporary = path + std::string(texts::CleanTemporarySuffix);
    LineWriter writer(temporary);
    if (!writer.ok())
        return false;
    for (const std::string& line : lines)
        writer.line(line);
    std::error_code error;
    if (!writer.close()) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

int runClean(const CleanOptions& options) {
    const std::optional<std::vector<std::string>> lines = readLines(options.input);
    if (!lines) {
        std::cerr << texts::CleanInputUnreadable << options.input << '\n';
        return ExitRefused;
    }
    const CleanedMechanism cleaned = cleanMechanism(*lines);
    if (!cleaned.cleaned()) {
        std::cerr << cleaned.refusal << '\n';
        return ExitRefused;
    }
    if (!writeLines(options.output, cleaned.lines)) {
        std::cerr << texts::CleanOutputUnwritable << options.output << '\n';
        return ExitRefused;
    }
    for (const CommentedOutReaction& reaction : cleaned.commentedOut)
        std::cerr << texts::CommentedOutLineStart << reaction.lineNumber
                  << texts::CommentedOutLineMiddle << reaction.reason << '\n';
    std::cerr << cleaned.written << texts::SummaryWritten << cleaned.converted
              << texts::SummaryConverted << cleaned.commentedOut.size()
              << texts::SummaryCommentedOut << '\n';
    return ExitDone;
}

} // namespace

void addCleanCommands(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<CleanOptions>();
    CLI::App* clean = app.add_subcommand("clean", std::string(texts::CleanCommandHelp));
    clean->add_option("IN", options->input, std::string(texts::CleanInputHelp))->required();
    clean->add_option("OUT", options->output, std::string(texts::CleanOutputHelp))->required();
    clean->callback([options, &exitCode] { exitCode = runClean(*options); });
}

} // namespace zorbel::cli
