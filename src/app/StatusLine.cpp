#include "app/StatusLine.h"

#include "app/DeskTexts.h"
#include "app/Session.h"
#include "files/TextFiles.h"

#include <string_view>

namespace zorbel {

namespace {

std::string part(std::string_view kind, const std::string& path, int count, std::string_view unit) {
    return std::string(kind) + ": " + splitPath(path).fileName + " (" + std::to_string(count) +
           std::string(unit) + ")";
}

/// The summary's lines on one line, their indents dropped.
std::string oneLine(const std::string& summary) {
    std::string line;
    for (std::string item : splitLines(summary)) {
        item.erase(0, item.find_first_not_of(' '));
        if (item.empty())
            continue;
        line += (line.empty() ? "" : "; ") + item;
    }
    return line;
}

} // namespace

std::string statusLine(const Session& session) {
    const CommonValue& common = session.common;
    std::string line;
    const auto add = [&line](const std::string& text) {
        line += (line.empty() ? "" : std::string(texts::StatusSeparator)) + text;
    };
    if (common.SpeciesCount > 0)
        add(part(texts::KindDatabase, common.ThermoPath, common.SpeciesCount,
                 texts::StatusSpecies));
    // A comparison file's reactions are no lines of a mechanism file.
    const bool comparison = !common.ComparisonPath.empty() && common.ReactionLines.empty();
    if (common.ReactionCount > 0)
        add(comparison ? part(texts::KindComparison, common.ComparisonPath, common.ReactionCount,
                              texts::StatusReactions)
                       : part(texts::KindMechanism, common.MechanismPath, common.ReactionCount,
                              texts::StatusReactions));
    if (!session.lastSummary.empty())
        add(std::string(texts::StatusLastRun) + oneLine(session.lastSummary));
    return line.empty() ? std::string(texts::StatusNothingLoaded) : line;
}

} // namespace zorbel
