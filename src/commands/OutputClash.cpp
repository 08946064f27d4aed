#include "commands/OutputClash.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "batch/BatchTexts.h"
#include "files/TextFiles.h"
#include "reversal/ReversalTexts.h"

namespace zorbel {

std::vector<RoleFile> reversalInputs(const Session& session) {
    const CommonValue& common = session.common;
    return {{texts::RoleDatabase, common.ThermoPath},
            {texts::RoleMechanism, common.MechanismPath},
            {texts::RolePublishedMechanism, common.PublishedMechanismPath},
            {texts::RoleComparison, common.ComparisonPath}};
}

std::optional<CommandResult> refuseClash(Session& session, const std::vector<RoleFile>& inputs,
                                         const std::vector<RoleFile>& outputs) {
    if (std::optional<std::string> clash = outputClash(inputs, outputs))
        return session.refuse(std::move(*clash));
    return std::nullopt;
}

// The other commands' files in the work folder are the user's results too: a report
// written over RevSelected.txt would lose the last selection reversed.
std::optional<CommandResult> refuseWorkFolderClash(Session& session, std::string_view role,
                                                   std::string_view fileName,
                                                   const std::string& report) {
    const std::string& folder = session.common.WorkFolder;
    std::vector<RoleFile> kept = reversalInputs(session);
    for (std::string_view other :
         {texts::TempFileName, texts::RevAllFileName, texts::RevSelectedFileName}) {
        if (other != fileName)
            kept.push_back({texts::RoleOtherOutput, pathInFolder(folder, other)});
    }
    return refuseClash(session, kept,
                       {{role, pathInFolder(folder, fileName), texts::WorkFolderOutputHint},
                        {texts::RoleReport, report}});
}

} // namespace zorbel
