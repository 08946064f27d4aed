#include "commands/ReverseCommand.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "app/Speedfrm.h"
#include "batch/ResultLines.h"
#include "commands/OutputClash.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismTexts.h"
#include "reversal/ReversalTexts.h"
#include "reversal/SpeciesProvider.h"
#include "text/NumberText.h"
#include "text/StringOps.h"
#include "thermo/ThermoIndex.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <system_error>

namespace zorbel {

namespace {

std::string joinedReaction(const ReactionSlots& slots, size_t firstSide, size_t secondSide) {
    std::string text = slots[firstSide] + "+" + slots[firstSide + 1] + "+" + slots[firstSide + 2] +
                       std::string(texts::IrreversibleArrow) + slots[secondSide] + "+" +
                       slots[secondSide + 1] + "+" + slots[secondSide + 2];
    const std::string empty(texts::EmptySlotMark);
    text = replaceAll(text, empty + "+", "");
    return replaceAll(text, "+" + empty, "");
}

/// Why the personal range was not suitable: an end that is no number (read as 0), the ends
/// swapped, equal, or both outside.
std::string_view unsuitableReason(const PersonalRange& personal) {
    if (!tryReadLeadingNumber(personal.cold))
        return texts::PersonalColdNotANumber;
    if (!tryReadLeadingNumber(personal.hot))
        return texts::PersonalHotNotANumber;
    const double cold = readLeadingNumber(personal.cold);
    const double hot = readLeadingNumber(personal.hot);
    if (cold > hot)
        return texts::PersonalReversed;
    return cold == hot ? texts::PersonalEqual : texts::PersonalBothOutside;
}

/// The warning about the personal range, why it was set aside, and the range used.
std::string warningText(const ReversalOutcome& outcome, const PersonalRange& personal) {
    std::string text;
    switch (outcome.warning) {
    case RangeWarning::NotSuitable:
        text = std::string(texts::PersonalNotSuitable) + std::string(unsuitableReason(personal));
        break;
    case RangeWarning::ColdIgnored:
        text = std::string(texts::PersonalColdIgnored) + std::string(texts::PersonalColdBelow);
        break;
    case RangeWarning::HotIgnored:
        text = std::string(texts::PersonalHotIgnored) + std::string(texts::PersonalHotAbove);
        break;
    case RangeWarning::None:
        return {};
    }
    return text + std::string(texts::RangeUsedStart) + outcome.range.cold +
           std::string(texts::RangeUsedAnd) + outcome.range.hot + std::string(texts::RangeUsedEnd);
}

/// The table file: eight coefficient lines, the header, one row per point.
bool writeTable(const Session& session, const ReversalOutcome& outcome, const std::string& path,
                const std::string& errorText) {
    const REVEQfrm& form = session.form;
    const auto text = [&](int box) { return form.PropTxt[static_cast<size_t>(box)].text(); };
    const std::string A = text(REVEQfrm::ForwardA);
    const std::string n = text(REVEQfrm::ForwardN);
    const std::string Ea = text(REVEQfrm::ForwardEa);
    const std::string Arev = text(REVEQfrm::ReverseA);
    const std::string nrev = text(REVEQfrm::ReverseN);
    const std::string Earev = text(REVEQfrm::ReverseEa);
    ReactionSlots slots;
    for (size_t k = 0; k < SlotCount; ++k)
        slots[k] = text(REVEQfrm::FirstSlot + static_cast<int>(k));

    LineWriter out(path);
    if (!out.ok())
        return false;
    out.line(forwardReactionText(slots) + " " + A + " " + n + " " + Ea);
    out.line(std::string(texts::TableA) + "\t" + A);
    out.line(std::string(texts::TableN) + "\t" + n);
    out.line(std::string(texts::TableEa) + "\t" + Ea);
    out.line(reverseReactionText(slots) + " " + Arev + " " + nrev + " " + Earev);
    out.line(std::string(texts::TableArev) + "\t" + Arev);
    out.line(std::string(texts::TableNrev) + "\t" + nrev);
    out.line(std::string(texts::TableEarev) + "\t" + Earev);
    const bool twoParameters = form.Option1.selected();
    out.line(std::string(texts::TableHeadBeforeLnKf) +
             std::string(twoParameters ? texts::TableLnKfTwoParameters
                                       : texts::TableLnKfThreeParameters) +
             std::string(texts::TableHeadAfterLnKf));
    const ReactionSeries& s = outcome.series;
    const FitResult& fit = *outcome.fit;
    std::string row;
    for (size_t j = 0; j < s.T.size(); ++j) {
        row.clear();
        for (double value : {s.T[j], s.deltaH[j], s.deltaS[j], s.Kp[j], s.Kc[j], s.kf[j], s.kr[j],
                             std::log(s.kf[j]), s.lnKr[j], std::log(fit.krLS[j]), fit.krLS[j]}) {
            row += plainNumber(value);
            row += '\t';
        }
        row += errorText;
        out.line(row);
    }
    return out.close();
}

} // namespace

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

std::string databaseUnreadable(const std::string& path) {
    return std::string(texts::DatabaseUnreadableStart) + path +
           std::string(texts::DatabaseUnreadableEnd);
}

std::string forwardReactionText(const ReactionSlots& slots) {
    return joinedReaction(slots, 0, 3);
}

std::string reverseReactionText(const ReactionSlots& slots) {
    return joinedReaction(slots, 3, 0);
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

std::string dataFault(const CommonValue& common, const ReversalOutcome& outcome, int listIndex,
                      std::string_view thermoFile, std::string_view mechanismFile) {
    int line = 0;
    if (listIndex >= 0 && static_cast<size_t>(listIndex) < common.ReactionLines.size())
        line = common.ReactionLines[static_cast<size_t>(listIndex)];
    return dataFaultText(outcome, line, thermoFile, mechanismFile);
}

/// The missing species refusal; without the colours (on the command line) the names,
/// each once, say which species.
std::string missingSpeciesMessage(const Session& session, const ReversalOutcome& outcome) {
    std::vector<std::string> names;
    std::string missing;
    for (size_t k = 0; k < SlotCount; ++k) {
        const std::string& name = outcome.slotTexts[k];
        if (outcome.slotKinds[k] != SlotKind::Missing || name.empty() ||
            std::find(names.begin(), names.end(), name) != names.end())
            continue;
        missing += (names.empty() ? "" : ", ") + name;
        names.push_back(name);
    }
    std::string message =
        std::string(texts::MissingSpeciesStart) + std::string(texts::MissingSpeciesEnd);
    if (!missing.empty())
        message += std::string(texts::MissingFromStart) + session.common.ThermoPath +
                   std::string(texts::MissingFromMiddle) + missing + ".";
    return message;
}

std::string refusalMessage(const Session& session, const ReversalOutcome& outcome) {
    switch (outcome.refusal) {
    case Refusal::None:
        return warningText(outcome, requestFromWindow(session).personal);
    case Refusal::MissingSpecies:
        return missingSpeciesMessage(session, outcome);
    case Refusal::UnusableRecord:
    case Refusal::Coefficients:
    case Refusal::Unreadable: {
        const CommonValue& common = session.common;
        return std::string(texts::NotCalculatedBecause) +
               dataFault(common, outcome, session.form.LOS2.currentIndex(), common.ThermoPath,
                         common.MechanismPath) +
               ".";
    }
    case Refusal::EmptyRange:
        if (outcome.unusableRecord) // no personal range: a header is at fault
            return std::string(texts::NotCalculatedBecause) +
                   dataFault(session.common, outcome, -1, session.common.ThermoPath, {}) + ".";
        return std::string(texts::EmptyRange);
    case Refusal::OutsideLimits:
        return std::string(texts::OutsideLimitsStart) + outcome.detail + ".";
    case Refusal::TooLarge:
        return std::string(texts::ForwardCoefficientStart) + "\"" + outcome.detail + "\"" +
               std::string(texts::TooLargeEnd);
    case Refusal::ZeroA:
        return std::string(texts::ZeroAWarning);
    case Refusal::NonPositiveKr:
        return std::string(texts::NonPositiveKr);
    case Refusal::Singular:
        return std::string(texts::SingularFit);
    case Refusal::Overflow:
        return std::string(texts::FitOverflow);
    case Refusal::PointCount:
        return std::string(texts::PointCountRefused);
    }
    return {};
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
    if (session.common.SpeciesCount == 0)
        return session.refuse(std::string(texts::ImportDatabaseFirst));
    // Empty slots would read as species missing from the database.
    const auto empty = [&form](int k) {
        return form.PropTxt[static_cast<size_t>(k)].text().empty();
    };
    bool nothingShown = empty(REVEQfrm::ForwardA);
    for (int k = REVEQfrm::FirstSlot; k < REVEQfrm::ForwardA; ++k)
        nothingShown = nothingShown && empty(k);
    // A reaction a batch left in the panel is no pick of the user's.
    if (nothingShown || session.panelFromBatch)
        return session.refuse(std::string(texts::SelectReactionFirst));
    if (form.EgalLbl.caption() == texts::IrreversibleArrow)
        return session.refuse(std::string(texts::IrreversibleWarning));
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

/// Writes temp.txt; the refusal, naming the whole path, when it cannot be written.
std::optional<CommandResult> writeTableFile(Session& session, const ReversalOutcome& outcome,
                                            const std::string& path, const std::string& errorText) {
    if (writeTable(session, outcome, path, errorText))
        return std::nullopt;
    // The whole path: a bare file name would not say which folder refused it.
    std::error_code error;
    const std::filesystem::path shown = std::filesystem::absolute(filePath(path), error);
    return session.refuse(writeRefusal(error ? path : pathText(shown), texts::TempFileNotWritten));
}

/// The fit on screen, in the chart and in temp.txt, then the closing box. The two laws
/// show their results in a different order: the chart before the file, or after it.
CommandResult reportFit(Session& session, const ReversalOutcome& outcome, std::string warning) {
    REVEQfrm& form = session.form;
    CommonValue& common = session.common;
    rememberFit(common, *outcome.fit);
    const std::string errorText = formatNumber(outcome.fit->S, texts::ErrorMeasurePattern);
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
    if (std::optional<CommandResult> refused = writeTableFile(session, outcome, path, errorText))
        return *refused;
    if (!chartFirst)
        session.platform.showChart(buildChart(session));
    session.showJobDone(session.outputCopiedTo(path));
    form.Templbl.setCaption(std::string(texts::CalculatedBetween) + form.Coldtxt.text() +
                            std::string(texts::CalculatedAnd) + form.Hottxt.text() +
                            std::string(texts::CalculatedKelvin));
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
    ReversalOutcome outcome = reverseReaction(requestFromWindow(session), species);
    if (outcome.refusal == Refusal::Unreadable)
        outcome.detail = parseReaction(form.LOS2.selectedText()).fault;
    showSlotsAndRange(session, outcome);
    showLastSpecies(session, outcome);
    std::string message = refusalMessage(session, outcome);
    form.lblerror.setCaption(message);
    showGrid(session, outcome);
    if (!outcome.fit)
        return CommandResult::refused(std::move(message));
    return reportFit(session, outcome, std::move(message));
}

} // namespace zorbel
