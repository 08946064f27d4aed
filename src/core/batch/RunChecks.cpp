#include "batch/RunChecks.h"

#include "batch/BatchTexts.h"
#include "batch/RunSettings.h"
#include "files/FileTexts.h"
#include "files/TextFiles.h"
#include "reversal/ReversalTexts.h"

namespace zorbel {

std::string importMechanismFirst(const std::string& mechanismPath) {
    std::string text(texts::ImportMechanismFirst);
    if (!mechanismPath.empty())
        text += std::string(texts::NoReactionReadFrom) + mechanismPath + ".";
    return text;
}

std::optional<std::string> pointsRefusal(const std::string& typed) {
    if (pointCount(typed) == 0)
        return std::string(texts::EnterPointsNumber);
    return std::nullopt;
}

std::optional<std::string> databaseRefusal(int speciesCount) {
    if (speciesCount == 0)
        return std::string(texts::ImportDatabaseFirst);
    return std::nullopt;
}

std::optional<std::string> batchRefusal(const LoadedCounts& loaded) {
    if (std::optional<std::string> refused = databaseRefusal(loaded.speciesCount))
        return refused;
    if (loaded.reactionCount == 0)
        return importMechanismFirst(loaded.mechanismPath);
    if (loaded.listed == 0)
        return std::string(texts::NothingToReverse);
    return std::nullopt;
}

std::optional<std::string> selectionRefusal(std::size_t chosen, const std::string& newLine) {
    if (chosen < 2)
        return std::string(texts::SelectMore) + newLine + std::string(texts::ToUseButton);
    return std::nullopt;
}

std::string reverseAllQuestion(const std::string& newLine) {
    return std::string(texts::ReverseAllQuestion) + newLine + std::string(texts::ContinueAnyway);
}

std::string reverseSelectedQuestion(const std::string& newLine) {
    return std::string(texts::ReverseSelectedQuestion) + newLine +
           std::string(texts::ReverseSelectedDepends) + newLine +
           std::string(texts::ContinueAnyway);
}

std::optional<std::string> reverseRefusal(int speciesCount, const ShownReaction& shown) {
    if (std::optional<std::string> refused = databaseRefusal(speciesCount))
        return refused;
    if (shown.nothingShown)
        return std::string(texts::SelectReactionFirst);
    if (shown.irreversible)
        return std::string(texts::IrreversibleWarning);
    return std::nullopt;
}

std::vector<RoleFile> reversalInputs(const ReversalFiles& files) {
    return {{texts::RoleDatabase, files.database},
            {texts::RoleMechanism, files.mechanism},
            {texts::RolePublishedMechanism, files.publishedMechanism},
            {texts::RoleComparison, files.comparison}};
}

// The other commands' files in the work folder are the user's results too: a report
// written over RevSelected.txt would lose the last selection reversed.
std::optional<std::string> workFolderClash(const ReversalFiles& files, std::string_view role,
                                           std::string_view fileName, const std::string& report) {
    const std::string& folder = files.workFolder;
    std::vector<RoleFile> kept = reversalInputs(files);
    for (std::string_view other :
         {texts::TempFileName, texts::RevAllFileName, texts::RevSelectedFileName}) {
        if (other != fileName)
            kept.push_back({texts::RoleOtherOutput, pathInFolder(folder, other)});
    }
    return outputClash(kept, {{role, pathInFolder(folder, fileName), texts::WorkFolderOutputHint},
                              {texts::RoleReport, report}});
}

} // namespace zorbel
