#include "commands/OutputClash.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "files/TextFiles.h"

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

std::optional<CommandResult> refuseWorkFolderClash(Session& session, std::string_view role,
                                                   std::string_view fileName,
                                                   const std::string& report) {
    const std::string path = pathInFolder(session.common.WorkFolder, fileName);
    return refuseClash(session, reversalInputs(session),
                       {{role, path, texts::WorkFolderOutputHint}, {texts::RoleReport, report}});
}

} // namespace zorbel
