#include "commands/CheckCommand.h"

#include "app/Session.h"
#include "commands/MechanismCommands.h"
#include "commands/ThermoCommands.h"
#include "files/TextFiles.h"
#include "reversal/InputCheck.h"
#include "reversal/ReversalTexts.h"
#include "thermo/ThermoDatabase.h"

#include <utility>

namespace zorbel {

namespace {

std::string findingsText(const Session& session) {
    const CommonValue& common = session.common;
    const std::optional<std::vector<std::string>> thermo = readDatabaseLines(common.ThermoPath);
    if (!thermo)
        return {};
    std::optional<std::vector<std::string>> mechanism;
    if (common.ReactionCount > 0)
        mechanism = readLines(common.MechanismPath);
    std::string text;
    for (const Finding& finding : checkInputs(
             *thermo, common.ThermoPath, mechanism ? &*mechanism : nullptr, common.MechanismPath))
        text += (text.empty() ? "" : "\n") + findingLine(finding);
    return text;
}

} // namespace

CommandResult checkLoadedFiles(Session& session) {
    if (session.common.SpeciesCount == 0 || !session.loads.warningBox)
        return {};
    std::string findings = findingsText(session);
    LoadPolicy& policy = session.loads;
    const std::string files =
        session.common.ThermoPath + "\n" +
        (session.common.ReactionCount > 0 ? session.common.MechanismPath : "");
    if (!findings.empty() && policy.quietChecks.count(files) == 0) {
        const MessageAnswer again = session.platform.showMessage(
            {std::string(texts::CheckBoxStart) + "\n" + findings + "\n\n" +
                 std::string(texts::CheckBoxEnd),
             std::string(texts::CheckBoxTitle), MessageButtons::YesNo, MessageIcon::Information});
        if (again == MessageAnswer::No)
            policy.quietChecks.insert(files);
    }
    return {Outcome::Done, std::move(findings), {}};
}

void connectCheck(Session& session) {
    using Load = CommandResult (*)(Session&);
    const auto loadThenCheck = [&session](Load load) {
        // A cancelled or refused load changed nothing: there is nothing new to check.
        return [&session, load] {
            if (session.start([&session, load] { return load(session); }).done())
                session.start([&session] { return checkLoadedFiles(session); });
        };
    };
    session.form.CMD1.onClick = loadThenCheck(&loadDatabase);
    session.form.CMD2.onClick = loadThenCheck(&loadMechanism);
}

} // namespace zorbel
