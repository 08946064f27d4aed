#include "commands/DroppedFiles.h"

#include "app/AppTexts.h"
#include "app/DeskTexts.h"
#include "app/Session.h"
#include "commands/RecentFiles.h"
#include "comparison/ComparisonFile.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismFile.h"
#include "thermo/ThermoDatabase.h"

#include <algorithm>
#include <array>
#include <exception>
#include <optional>

namespace zorbel {

namespace {

std::optional<std::vector<std::string>> linesOf(const std::string& path) {
    try {
        return readLines(path);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool holdsMarkedLine(const std::vector<std::string>& lines) {
    return std::any_of(lines.begin(), lines.end(),
                       [](const std::string& line) { return isMarkedLine(line); });
}

} // namespace

std::string_view loaderTitleOf(const std::string& path) {
    const std::optional<std::vector<std::string>> lines = linesOf(path);
    if (!lines)
        return {};
    if (holdsMarkedLine(*lines))
        return texts::ComparisonDialogTitle;
    if (hasReactionsLine(*lines) || looseReactionsLine(*lines) != 0)
        return texts::MechanismDialogTitle;
    if (holdsSpeciesRecord(*lines))
        return texts::ThermoDialogTitle;
    return {};
}

void loadDroppedFiles(Session& session, const std::vector<std::string>& paths) {
    // A comparison file is annotated with the database loaded: the database goes first.
    constexpr std::array<std::string_view, 3> order = {
        texts::ThermoDialogTitle, texts::MechanismDialogTitle, texts::ComparisonDialogTitle};
    std::vector<Session::RecentFile> files;
    for (const std::string& path : paths) {
        const std::string_view title = loaderTitleOf(path);
        if (title.empty()) {
            session.platform.showMessage({path + std::string(texts::DroppedUnknownEnd),
                                          std::string(texts::DroppedUnknownTitle),
                                          MessageButtons::Ok, MessageIcon::Stop});
            continue;
        }
        files.push_back({std::string(title), path});
    }
    for (std::string_view kind : order) {
        for (const Session::RecentFile& file : files) {
            if (file.title == kind)
                reopenRecentFile(session, file);
        }
    }
}

} // namespace zorbel
