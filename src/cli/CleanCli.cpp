#include "cli/CliRun.h"
#include "cli/Commands.h"
#include "files/FileClash.h"
#include "files/FileTexts.h"
#include "files/TextFiles.h"
#include "mechanism/CleanTexts.h"
#include "mechanism/MechanismCleaner.h"
#include "mechanism/MechanismLayout.h"
#include "mechanism/MechanismTexts.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zorbel::cli {

namespace {

struct CleanOptions {
    std::string input;
    std::string output;
};

int runClean(const CleanOptions& options) {
    if (std::optional<std::string> clash =
            outputClash({{texts::RoleMechanism, options.input}},
                        {{texts::RoleCleanedMechanism, options.output}})) {
        std::cerr << *clash << '\n';
        return ExitRefused;
    }
    const std::optional<std::vector<std::string>> lines = readLines(options.input);
    if (!lines) {
        std::cerr << couldNotBeRead(texts::TheMechanismFile, options.input) << '\n';
        return ExitRefused;
    }
    const CleanedMechanism cleaned = cleanMechanism(*lines);
    if (!cleaned.cleaned()) {
        std::cerr << cleanRefusal(options.input, cleaned.refusal) << '\n';
        return ExitRefused;
    }
    if (const std::optional<std::string> refused =
            writeLinesOrSayWhy(options.output, cleaned.lines, texts::CleanOutputUnwritable)) {
        std::cerr << *refused << '\n';
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

void addCleanCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<CleanOptions>();
    CLI::App* clean = app.add_subcommand("clean", std::string(texts::CleanCommandHelp));
    clean->add_option("IN", options->input, std::string(texts::CleanInputHelp))->required();
    clean->add_option("OUT", options->output, std::string(texts::CleanOutputHelp))->required();
    clean->callback([options, &exitCode] { exitCode = runClean(*options); });
}

} // namespace zorbel::cli
