#include "mechanism/MechanismLoad.h"

#include "files/FileClash.h"
#include "files/FileTexts.h"
#include "files/TextFiles.h"
#include "mechanism/CleanTexts.h"
#include "mechanism/MechanismCleaner.h"
#include "mechanism/MechanismFile.h"
#include "mechanism/MechanismLayout.h"
#include "mechanism/MechanismTexts.h"

#include <exception>
#include <filesystem>
#include <system_error>

namespace zorbel {

namespace {

/// The refusal of a file without the exact REACTIONS line, with the file and the line
/// that comes closest.
std::string noReactionsLine(const std::string& path, const std::vector<std::string>& lines) {
    std::string message = std::string(texts::RunPelluxFirst) + " " + path;
    if (const std::size_t loose = looseReactionsLine(lines); loose != 0)
        message += std::string(texts::ReactionsLineAt) + std::to_string(loose) +
                   std::string(texts::ReactionsLineReads) + lines[loose - 1] +
                   std::string(texts::ReactionsLineNot);
    else
        message += texts::NoReactionsLine;
    return message + std::string(texts::ReactionsAlone);
}

std::optional<std::vector<std::string>> readMechanismLines(const std::string& path) {
    try {
        return readLines(path);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool fileStands(const std::string& path) {
    std::error_code error;
    return std::filesystem::symlink_status(filePath(path), error).type() !=
           std::filesystem::file_type::not_found;
}

/// The file being loaded: its path and lines, which cleaning may replace by the clean
/// file's, and the summary of a clean file written.
struct Loading {
    std::string path;
    std::vector<std::string> lines;
    std::string summary;
};

/// What cleaning on load did: nothing (the load goes on), or the end of the load.
using Cleaning = std::optional<MechanismLoadOutcome>;

MechanismLoadOutcome refusedWith(std::string refusal) {
    return {std::nullopt, std::move(refusal), false};
}

const MechanismLoadOutcome cancelledLoad{std::nullopt, {}, true};

/// Cleans the lines into the clean file, which the load then reads.
Cleaning writeCleanFile(const MechanismLoadRule& rule, const std::string& cleanPath,
                        Loading& loading) {
    if (std::optional<std::string> clash = outputClash(
            {{texts::RoleMechanism, loading.path}, {texts::RoleDatabase, rule.databasePath}},
            {{texts::RoleCleanedMechanism, cleanPath, texts::CleanFileHint}}))
        return refusedWith(std::move(*clash));
    CleanedMechanism cleaned = cleanMechanism(loading.lines);
    if (!cleaned.cleaned())
        return refusedWith(cleanRefusal(loading.path, cleaned.refusal));
    if (std::optional<std::string> refused =
            writeLinesOrSayWhy(cleanPath, cleaned.lines, texts::CleanOutputUnwritable))
        return refusedWith(std::move(*refused));
    loading.summary = cleanSummary(cleaned, cleanPath);
    loading.path = cleanPath;
    loading.lines = std::move(cleaned.lines);
    return std::nullopt;
}

/// An existing clean file is replaced only when allowed or agreed; otherwise the user may
/// load it as it stands.
Cleaning cleanOverExisting(const MechanismLoadRule& rule, const std::string& cleanPath,
                           Loading& loading) {
    const bool asking = rule.clean == CleanOnLoad::Ask;
    if (!fileStands(cleanPath) || rule.replaceCleanFile)
        return writeCleanFile(rule, cleanPath, loading);
    if (!asking)
        return refusedWith(std::string(texts::CleanFileExists) + cleanPath);
    const LoadAnswer replace =
        rule.ask(splitPath(cleanPath).fileName + std::string(texts::ReplaceCleanFileEnd));
    if (replace == LoadAnswer::Cancel)
        return cancelledLoad;
    if (replace == LoadAnswer::Yes)
        return writeCleanFile(rule, cleanPath, loading);
    std::optional<std::vector<std::string>> existing = readMechanismLines(cleanPath);
    if (!existing)
        return refusedWith(couldNotBeRead(texts::TheMechanismFile, cleanPath));
    loading.path = cleanPath;
    loading.lines = std::move(*existing);
    return std::nullopt;
}

/// A mechanism not in the layout is cleaned into NAME-clean.inp beside it, and that file
/// loaded instead, when the rule says so or the user agrees.
Cleaning cleanOnLoad(const MechanismLoadRule& rule, Loading& loading) {
    if (rule.clean == CleanOnLoad::Never || !layoutProblem(loading.lines))
        return std::nullopt;
    const std::string cleanPath = cleanFilePath(loading.path);
    if (rule.clean == CleanOnLoad::Ask) {
        const LoadAnswer clean =
            rule.ask(std::string(texts::CleanQuestionStart) + splitPath(cleanPath).fileName +
                     std::string(texts::CleanQuestionEnd));
        if (clean == LoadAnswer::Cancel)
            return cancelledLoad;
        if (clean != LoadAnswer::Yes)
            return std::nullopt;
    }
    return cleanOverExisting(rule, cleanPath, loading);
}

} // namespace

MechanismLoadOutcome loadMechanismFile(const std::string& chosen, const MechanismLoadRule& rule) {
    Loading loading{chosen, {}, {}};
    std::optional<std::vector<std::string>> lines = readMechanismLines(chosen);
    if (!lines)
        return refusedWith(couldNotBeRead(texts::TheMechanismFile, chosen));
    loading.lines = std::move(*lines);
    if (Cleaning end = cleanOnLoad(rule, loading))
        return std::move(*end);
    if (!hasReactionsLine(loading.lines))
        return refusedWith(noReactionsLine(loading.path, loading.lines));
    LoadedMechanism loaded{loading.path, chosen, {}, {}, std::move(loading.summary)};
    std::optional<std::vector<std::string>> entries =
        reactionEntries(std::move(loading.lines), &loaded.reactionLines);
    if (!entries) // checked above
        return refusedWith(noReactionsLine(loaded.path, {}));
    loaded.entries = std::move(*entries);
    return {std::move(loaded), {}, false};
}

} // namespace zorbel
