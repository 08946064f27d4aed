#include "commands/BatchRun.h"

#include "app/Session.h"
#include "commands/MechanismCommands.h"
#include "commands/ReverseCommand.h"
#include "reversal/ReversalTexts.h"

#include <algorithm>

namespace zorbel {

BatchInputs batchInputs(const Session& session) {
    const CommonValue& common = session.common;
    return {common.ThermoPath,           session.form.LOS1.entries(),
            session.form.LOS2.entries(), common.ReactionLines,
            common.MechanismPath,        static_cast<double>(common.GasConstant)};
}

BatchRun::BatchRun(Session& session, BatchKind kind, RunOwner owner)
    : session_(session), kind_(kind),
      files_(batchInputs(session), session.runSettings(), owner == RunOwner::Command) {}

BatchRun::~BatchRun() = default;

bool BatchRun::create(const std::string& path) {
    return files_.create(path, session_.platform.now());
}

void BatchRun::start(const std::vector<int>& order) {
    const CommonValue& common = session_.common;
    const auto& boxes = session_.form.PropTxt;
    RunStart start;
    start.patterns = {common.AFormat, common.NFormat, common.EaFormat};
    start.previous = {boxes[REVEQfrm::ForwardA].text(), boxes[REVEQfrm::ForwardN].text(),
                      boxes[REVEQfrm::ForwardEa].text()};
    start.kept = SeriesKept::Grid;
    files_.start(order, std::move(start));
}

bool BatchRun::reverseEntry(int listIndex) {
    ReactionResult result = files_.writeNext(listIndex);
    const bool fitted = result.fitted();
    remember(std::move(result), listIndex);
    return fitted;
}

/// Keeps the result for the end of the run when it is the last of a kind the window shows.
void BatchRun::remember(ReactionResult result, int listIndex) {
    const bool reversed = !result.irreversible && !result.fault;
    const ReversalOutcome& outcome = result.outcome;
    const std::array<bool, MarkCount> marks = {true,
                                               result.parsed.coefficientsRead,
                                               reversed,
                                               reversed && outcome.rangeFixed,
                                               reversed && outcome.fit.has_value(),
                                               reversed && outcome.thermochemistryDone,
                                               reversed && outcome.rateConstantsDone};
    const auto kept = std::make_shared<const Shown>(Shown{taken_++, listIndex, std::move(result)});
    for (std::size_t mark = 0; mark < marks.size(); ++mark) {
        if (marks[mark])
            shown_[mark] = kept;
    }
}

/// The panel shows the reaction as the run reversed it: its parse, slots and range, its
/// reverse coefficients and S.
void BatchRun::show(const ReactionResult& result, int listIndex) {
    REVEQfrm& form = session_.form;
    CommonValue& common = session_.common;
    publishReaction(session_, result.parsed, false);
    form.LOS4.markCurrent(listIndex);
    if (result.irreversible || result.fault)
        return;
    form.lblerror.setCaption({});
    const ReversalOutcome& outcome = result.outcome;
    common.LastPoint = result.request.points - 1;
    showSlotsAndRange(session_, outcome);
    if (!outcome.fit)
        return;
    rememberFit(common, *outcome.fit);
    for (std::size_t k = 0; k < 3; ++k)
        form.PropTxt[REVEQfrm::ReverseA + k].setText(result.reverseTexts[k]);
    form.lblerror2.setCaption(
        (kind_ == BatchKind::All ? std::string(texts::ErrorLabelPrefix) : std::string()) +
        result.errorText);
}

bool BatchRun::finish(bool putInPlace) {
    const bool written = files_.finish(putInPlace);
    // The files are complete whatever happens now: a fault while the window draws the end
    // of the run costs the drawing only.
    // The Thermo tab stays as the user left it: the run looked its species up in the index.
    try {
        showPanel();
        showLastGrid();
    } catch (...) {
    }
    return written;
}

/// Each reaction the panel would still show a mark of, had it shown every one, in the
/// run's order: the last one, the last whose coefficients were cut, reversed, given a
/// range, fitted.
void BatchRun::showPanel() {
    std::vector<const Shown*> inOrder;
    for (std::size_t mark = Last; mark <= Fitted; ++mark) {
        const Shown* kept = shown_[mark].get();
        if (kept != nullptr && std::find(inOrder.begin(), inOrder.end(), kept) == inOrder.end())
            inOrder.push_back(kept);
    }
    std::ranges::sort(inOrder, {}, &Shown::order);
    for (const Shown* kept : inOrder)
        show(kept->result, kept->listIndex);
}

std::string BatchRun::summary() const {
    return files_.summary(session_.common.NewLine);
}

/// The results grid shows, after the run, the temperatures of the last reaction whose Kc
/// was complete and the rate constants of the last whose kr was, as the run kept them.
void BatchRun::showLastGrid() {
    ResultsGrid& grid = session_.form.MSFG;
    if (const Shown* kc = shown_[KcDone].get()) {
        const std::vector<double>& T = kc->result.outcome.series.T;
        for (size_t j = 0; j < T.size(); ++j)
            grid.setNumber(static_cast<int>(j) + 1, 1, T[j]);
    }
    if (const Shown* kr = shown_[KrDone].get()) {
        const ReactionSeries& s = kr->result.outcome.series;
        for (size_t j = 0; j < s.kr.size(); ++j) {
            grid.setNumber(static_cast<int>(j) + 1, 2, s.kr[j]);
            grid.setNumber(static_cast<int>(j) + 1, 3, s.lnKr[j]);
        }
        session_.common.LastPointReal = static_cast<double>(kr->result.request.points) - 1.0;
    }
}

} // namespace zorbel
