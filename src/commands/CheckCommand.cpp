#include "commands/CheckCommand.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "commands/MechanismCommands.h"
#include "commands/ThermoCommands.h"
#include "files/TextFiles.h"
#include "reversal/InputCheck.h"
#include "reversal/ReversalTexts.h"
#include "thermo/HeaderColumns.h"
#include "thermo/ThermoDatabase.h"
#include "thermo/ThermoTexts.h"

#include <utility>

namespace zorbel {

namespace {

/// One finding a line.
std::vector<std::string> findingLines(const Session& session,
                                      const std::vector<std::string>& thermo) {
    const CommonValue& common = session.common;
    std::optional<std::vector<std::string>> mechanism;
    if (common.ReactionCount > 0)
        mechanism = readLines(common.MechanismPath);
    std::vector<std::string> lines;
    for (const Finding& finding : checkInputs(
             thermo, common.ThermoPath, mechanism ? &*mechanism : nullptr, common.MechanismPath))
        lines.push_back(findingLine(finding));
    return lines;
}

/// The headers whose temperatures were read from their columns, one a line.
std::vector<std::string> columnsReadLines(const std::vector<std::string>& thermo) {
    const std::vector<ColumnsRead> records = headersReadFromColumns(thermo);
    if (records.empty())
        return {};
    return splitLines(columnsReadList(records, "\n"));
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

} // namespace

CommandResult checkLoadedFiles(Session& session) {
    if (session.common.SpeciesCount == 0 || !session.loads.warningBox)
        return {};
    const std::optional<std::vector<std::string>> thermo =
        readDatabaseLines(session.common.ThermoPath);
    if (!thermo)
        return {};
    FindingsReport report;
    report.title = std::string(texts::CheckBoxTitle);
    report.note = std::string(texts::CheckBoxEnd);
    if (std::vector<std::string> headers = columnsReadLines(*thermo); !headers.empty())
        report.sections.push_back({std::string(texts::ColumnsReadStart), std::move(headers)});
    std::vector<std::string> findings = findingLines(session, *thermo);
    std::string message = joined(findings);
    if (!findings.empty())
        report.sections.push_back({std::string(texts::CheckBoxStart), std::move(findings)});
    // Once for each pair of files in a run: a load of the same pair again tells nothing new.
    const std::string files =
        session.common.ThermoPath + "\n" +
        (session.common.ReactionCount > 0 ? session.common.MechanismPath : "");
    if (!report.sections.empty() && session.loads.findingsShown.insert(files).second)
        session.platform.showFindings(report);
    return {Outcome::Done, std::move(message), {}};
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
