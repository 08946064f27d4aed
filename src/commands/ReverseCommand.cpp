#include "commands/ReverseCommand.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "app/Speedfrm.h"
#include "batch/BatchFiles.h"
#include "batch/ResultLines.h"
#include "batch/SingleReversal.h"
#include "commands/OutputClash.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismTexts.h"
#include "reversal/ReversalTexts.h"
#include "reversal/SpeciesProvider.h"
#include "text/NumberText.h"
#include "thermo/ThermoIndex.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zorbel {

Colour slotColour(SlotKind kind) {
    switch (kind) {
    case SlotKind::Missing:
    case SlotKind::Unusable: // the record blocks the reversal as much
        return Colour::Yellow;
    case SlotKind::ThirdBody:
        return Colour::Pink;
    case SlotKind::Species:
    case SlotKind::Empty:
        break;
    }
    return Colour::Window;
}

void showReverseCoefficients(Session& session) {
    const CommonValue& common = session.common;
    auto& boxes = session.form.PropTxt;
    boxes[REVEQfrm::ReverseA].setText(formatNumber(common.RevA, common.AFormat));
    boxes[REVEQfrm::ReverseN].setText(formatNumber(common.RevN, common.NFormat));
    boxes[REVEQfrm::ReverseEa].setText(formatNumber(common.RevEa, common.EaFormat));
}

ReversalRequest requestFromWindow(const Session& session) {
    const REVEQfrm& form = session.form;
    ReversalRequest request =
        requestWith(session.runSettings(), static_cast<double>(session.common.GasConstant));
    for (size_t k = 0; k < SlotCount; ++k)
        request.slots[k] = form.PropTxt[REVEQfrm::FirstSlot + k].text();
    request.aText = form.PropTxt[REVEQfrm::ForwardA].text();
    request.nText = form.PropTxt[REVEQfrm::ForwardN].text();
    request.eaText = form.PropTxt[REVEQfrm::ForwardEa].text();
    request.points = session.common.LastPoint + 1;
    return request;
}

void showSlotsAndRange(Session& session, const ReversalOutcome& outcome) {
    REVEQfrm& form = session.form;
    for (size_t k = 0; k < SlotCount; ++k) {
        TextBox& box = form.PropTxt[REVEQfrm::FirstSlot + k];
        box.setText(outcome.slotTexts[k]);
        box.setBackground(slotColour(outcome.slotKinds[k]));
    }
    if (!outcome.rangeFixed)
        return;
    form.Coldtxt.setText(outcome.range.cold);
    form.Coldtxt.setBold(outcome.range.coldPersonal);
    form.Hottxt.setText(outcome.range.hot);
    form.Hottxt.setBold(outcome.range.hotPersonal);
}

void showLastSpecies(Session& session, const ReversalOutcome& outcome) {
    const std::string& name = outcome.lastEvaluated ? *outcome.lastEvaluated : outcome.lastLookup;
    if (name.empty())
        return;
    CommonValue& common = session.common;
    common.TLow.clear();
    common.THigh.clear();
    common.TCommon.clear();
    REVEQfrm& form = session.form;
    if (!form.LOS1.selectFirstEqual(name) || !outcome.lastEvaluated)
        return;
    const std::string temperature = generalNumber(outcome.lastTemperature);
    form.TXT1KS.setText(temperature);
    form.TXT1KH.setText(temperature);
}

std::string refusalMessage(const Session& session, const ReversalOutcome& outcome) {
    const CommonValue& common = session.common;
    int line = 0;
    const int listIndex = session.form.LOS2.currentIndex();
    if (listIndex >= 0 && static_cast<size_t>(listIndex) < common.ReactionLines.size())
        line = common.ReactionLines[static_cast<size_t>(listIndex)];
    return reversalMessage(outcome, {common.ThermoPath, common.MechanismPath, line,
                                     requestFromWindow(session).personal});
}

Speedfrm buildChart(const Session& session) {
    const CommonValue& common = session.common;
    const ResultsGrid& grid = session.form.MSFG;
    Speedfrm chart;
    const std::string line = session.form.LOS2.selectedText();
    chart.reaction = line.substr(0, line.find(' '));
    chart.folder = session.firstDialogFolder();
    const int rows = common.LastPoint + 1;
    chart.rows.reserve(static_cast<size_t>(rows));
    for (int i = 1; i <= rows; ++i)
        chart.rows.push_back(
            chartRow(grid.text(i, 1), grid.text(i, 3), common.FitLnA, common.FitN, common.FitInvT));
    return chart;
}

namespace {

/// The checks before anything is computed; nothing when the reversal may go on.
std::optional<CommandResult> refusalBeforeReversal(Session& session) {
    REVEQfrm& form = session.form;
    form.Templbl.setCaption({});
    const auto empty = [&form](int k) {
        return form.PropTxt[static_cast<size_t>(k)].text().empty();
    };
    bool nothingShown = empty(REVEQfrm::ForwardA);
    for (int k = REVEQfrm::FirstSlot; k < REVEQfrm::ForwardA; ++k)
        nothingShown = nothingShown && empty(k);
    // A reaction a batch left in the panel is no pick of the user's.
    if (std::optional<std::string> refused = reverseRefusal(
            session.common.SpeciesCount, {nothingShown || session.panelFromBatch,
                                          form.EgalLbl.caption() == texts::IrreversibleArrow}))
        return session.refuse(std::move(*refused));
    if (CommandResult points = session.checkPoints(); !points.done())
        return points;
    return refuseWorkFolderClash(session, texts::RoleTable, texts::TempFileName);
}

/// The results grid: the temperatures once Kc is complete, kr and ln kr once they are.
void showGrid(Session& session, const ReversalOutcome& outcome) {
    ResultsGrid& grid = session.form.MSFG;
    const ReactionSeries& s = outcome.series;
    if (outcome.thermochemistryDone) {
        for (size_t j = 0; j < s.T.size(); ++j)
            grid.setNumber(static_cast<int>(j) + 1, 1, s.T[j]);
    }
    if (!outcome.rateConstantsDone)
        return;
    const int last = static_cast<int>(s.T.size()) - 1;
    for (int j = 0; j <= last; ++j)
        grid.setNumber(j + 1, 2, s.kr[static_cast<size_t>(j)]);
    session.common.LastPointReal = last;
    for (int j = 0; j <= last; ++j)
        grid.setNumber(j + 1, 3, s.lnKr[static_cast<size_t>(j)]);
}

/// The fit on screen, in the chart and in temp.txt, then the closing box. The two laws
/// show their results in a different order: the chart before the file, or after it.
CommandResult reportFit(Session& session, const ReactionResult& result, std::string warning) {
    REVEQfrm& form = session.form;
    CommonValue& common = session.common;
    rememberFit(common, *result.outcome.fit);
    const std::string& errorText = result.errorText;
    // An empty work folder is the current one: a mechanism loaded by a bare file name.
    const std::string path = pathInFolder(common.WorkFolder, texts::TempFileName);
    const bool chartFirst = form.Option1.selected();
    if (chartFirst) {
        showReverseCoefficients(session);
        form.lblerror2.setCaption(errorText);
        session.platform.showChart(buildChart(session));
    } else {
        form.lblerror2.setCaption(errorText);
        showReverseCoefficients(session);
    }
    if (std::optional<std::string> refused = writeReactionTable(path, result))
        return session.refuse(std::move(*refused));
    if (!chartFirst)
        session.platform.showChart(buildChart(session));
    session.showJobDone(session.outputCopiedTo(path));
    form.Templbl.setCaption(calculatedRangeText(result.outcome));
    return CommandResult::wrote({path}, std::move(warning));
}

} // namespace

void rememberFit(CommonValue& common, const FitResult& fit) {
    common.RevA = fit.RevA;
    common.RevN = fit.RevN;
    common.RevEa = fit.RevEa;
    common.FitLnA = fit.FitLnA;
    common.FitN = fit.FitN;
    common.FitInvT = fit.FitInvT;
}

CommandResult reverseShownReaction(Session& session) {
    if (std::optional<CommandResult> refused = refusalBeforeReversal(session))
        return *refused;
    REVEQfrm& form = session.form;
    CommonValue& common = session.common;
    form.MSFG.clear();
    common.LastPoint = lastPointIndex(form.Ntxt.text());
    form.lblerror.setCaption({});

    std::optional<ThermoIndex> database = ThermoIndex::load(common.ThermoPath);
    if (!database) // every species would seem missing: say what is missing instead
        return session.refuse(databaseUnreadable(common.ThermoPath));
    SpeciesProvider species(form.LOS1.entries(), &*database);
    ReactionResult result = reverseAlone(
        requestFromWindow(session), {common.AFormat, common.NFormat, common.EaFormat}, species);
    ReversalOutcome& outcome = result.outcome;
    if (outcome.refusal == Refusal::Unreadable)
        outcome.detail = parseReaction(form.LOS2.selectedText()).fault;
    showSlotsAndRange(session, outcome);
    showLastSpecies(session, outcome);
    std::string message = refusalMessage(session, outcome);
    form.lblerror.setCaption(message);
    showGrid(session, outcome);
    if (!outcome.fit)
        return CommandResult::refused(std::move(message));
    return reportFit(session, result, std::move(message));
}

} // namespace zorbel
