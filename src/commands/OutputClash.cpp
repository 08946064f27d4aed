#include "commands/OutputClash.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "batch/BatchTexts.h"
#include "files/TextFiles.h"
#include "reversal/ReversalTexts.h"

namespace zorbel {

ReversalFiles reversalFiles(const Session& session) {
    const CommonValue& common = session.common;
    return {common.ThermoPath, common.MechanismPath, common.PublishedMechanismPath,
            common.ComparisonPath, common.WorkFolder};
}

namespace {

std::vector<RoleFile> inputsOf(const ReversalFiles& files) {
    return {{texts::RoleDatabase, files.database},
            {texts::RoleMechanism, files.mechanism},
            {texts::RolePublishedMechanism, files.publishedMechanism},
            {texts::RoleComparison, files.comparison}};
}

} // namespace

std::vector<RoleFile> reversalInputs(const Session& session) {
    return inputsOf(reversalFiles(session));
}

std::optional<CommandResult> refuseClash(Session& session, const std::vector<RoleFile>& inputs,
                                         const std::vector<RoleFile>& outputs) {
    if (std::optional<std::string> clash = outputClash(inputs, outputs))
        return session.refuse(std::move(*clash));
    return std::nullopt;
}

// The other commands' files in the work folder are the user's results too: a report
// written over RevSelected.txt would lose the last selection reversed.
std::optional<std::string> workFolderClash(const ReversalFiles& files, std::string_view role,
                                           std::string_view fileName, const std::string& report) {
    const std::string& folder = files.workFolder;
    std::vector<RoleFile> kept = inputsOf(files);
    for (std::string_view other :
         {texts::TempFileName, texts::RevAllFileName, texts::RevSelectedFileName}) {
        if (other != fileName)
            kept.push_back({texts::RoleOtherOutput, pathInFolder(folder, other)});
    }
    return outputClash(kept, {{role, pathInFolder(folder, fileName), texts::WorkFolderOutputHint},
                              {texts::RoleReport, report}});
}

std::optional<CommandResult> refuseWorkFolderClash(Session& session, std::string_view role,
                                                   std::string_view fileName,
                                                   const std::string& report) {
    if (std::optional<std::string> clash =
            workFolderClash(reversalFiles(session), role, fileName, report))
        return session.refuse(std::move(*clash));
    return std::nullopt;
}

} // namespace zorbel
