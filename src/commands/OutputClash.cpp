#include "commands/OutputClash.h"

#include "app/AppTexts.h"
#include "app/Session.h"

namespace zorbel {

ReversalFiles reversalFiles(const Session& session) {
    const CommonValue& common = session.common;
    return {common.ThermoPath, common.MechanismPath, common.PublishedMechanismPath,
            common.ComparisonPath, common.WorkFolder};
}

std::vector<RoleFile> reversalInputs(const Session& session) {
    return reversalInputs(reversalFiles(session));
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
    if (std::optional<std::string> clash =
            workFolderClash(reversalFiles(session), role, fileName, report))
        return session.refuse(std::move(*clash));
    return std::nullopt;
}

} // namespace zorbel
