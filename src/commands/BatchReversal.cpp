#include "commands/BatchReversal.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "batch/BatchTexts.h"
#include "batch/RunChecks.h"
#include "commands/BatchRun.h"
#include "commands/OutputClash.h"

#include <optional>

namespace zorbel {

namespace {

/// Marks the session busy for the run, so that no other command starts during a yield.
/// A request to stop stays after the run, for its caller to see; the next run clears it.
class BusyGuard {
public:
    explicit BusyGuard(Session& session) : session_(session) {
        session_.batchRunning = true;
        session_.stopRequested = false;
    }
    ~BusyGuard() { session_.batchRunning = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    Session& session_;
};

/// The checks Reverse All and Reverse Selected share: done when the command may go on.
CommandResult batchPreconditions(Session& session) {
    REVEQfrm& form = session.form;
    form.Templbl.setCaption({});
    const CommonValue& common = session.common;
    if (std::optional<std::string> refused =
            batchRefusal({common.SpeciesCount, common.ReactionCount,
                          static_cast<std::size_t>(form.LOS2.count()), common.MechanismPath}))
        return session.refuse(std::move(*refused));
    return session.checkPoints();
}

/// A run that ends without its file takes its progress bar and time label away.
void hideProgress(REVEQfrm& form) {
    form.ProgBar.setValue(0.0F);
    form.ProgBar.setVisible(false);
    form.timeremaining.setVisible(false);
    form.timeremaining.setCaption({});
}

/// After a yield: true when the user asked the run to stop. The run then ends at once;
/// its file, never put in place, goes with its writer.
bool stopAsked(Session& session) {
    if (!session.stopRequested)
        return false;
    session.form.lblerror.setCaption(std::string(texts::RunStopped));
    hideProgress(session.form);
    return true;
}

bool confirmed(Session& session, std::string text, std::string_view title) {
    return session.platform.showMessage({std::move(text), std::string(title), MessageButtons::YesNo,
                                         MessageIcon::Question}) == MessageAnswer::Yes;
}

/// The end of a run of the user's own: JOB DONE, the report and the summary.
CommandResult closeOwnRun(Session& session, BatchRun& run) {
    session.showJobDone(session.outputCopiedTo(run.path()));
    if (!run.closeReport())
        return session.refuse(run.failure());
    session.lastSummary = run.summary();
    session.platform.showSummary(session.lastSummary);
    session.platform.showResults(run.results());
    std::vector<std::string> written{run.path()};
    if (!run.reportPath().empty())
        written.push_back(run.reportPath());
    return CommandResult::wrote(written);
}

CommandResult stoppedRun() {
    return CommandResult::stopped(std::string(texts::RunStopped));
}

} // namespace

CommandResult reverseAllCommand(Session& session) {
    if (CommandResult checked = batchPreconditions(session); !checked.done())
        return checked;
    if (auto clash = refuseWorkFolderClash(session, texts::RoleReversedMechanism,
                                           texts::RevAllFileName, session.reportPath))
        return *clash;
    if (!confirmed(session, reverseAllQuestion(session.common.NewLine), texts::ReverseAllTitle))
        return CommandResult::stopped();
    return reverseAllWorker(session, ClosingBox::Shown);
}

CommandResult reverseAllWorker(Session& session, ClosingBox closingBox,
                               std::unique_ptr<LineWriter>* held, ResultSink* also) {
    BusyGuard busy(session);
    REVEQfrm& form = session.form;
    Platform& platform = session.platform;
    form.ProgBar.setValue(0.0F);
    form.ProgBar.setVisible(true);

    // The annotation takes the results in the reaction lines' layout and reports on its own.
    const bool own = closingBox == ClosingBox::Shown;
    BatchRun run(session, BatchKind::All, own ? RunOwner::Command : RunOwner::Comparison);
    form.LOS3.clear();
    if (!run.create(pathInFolder(session.common.WorkFolder, texts::RevAllFileName))) {
        CommandResult refused = session.refuse(run.failure());
        form.ProgBar.setVisible(false);
        return refused;
    }
    form.MSFG.clear();
    std::vector<std::string> parseList;
    parseList.reserve(static_cast<size_t>(form.LOS2.count()));
    for (const std::string& entry : form.LOS2.entries())
        parseList.push_back(parseTextOf(entry));
    form.LOS3.assign(parseList);
    const int last = form.LOS2.count() - 1;
    form.LOS4.assign(form.LOS2.entries());
    if (also != nullptr)
        run.addSink(*also);
    run.start(wholeListOrder(parseList.size()));

    form.timeremaining.setVisible(true);
    session.startRemainingTime();
    for (int i = 0; i <= last; ++i) {
        session.showRemainingTime(i, last);
        platform.processEvents();
        if (stopAsked(session))
            return stoppedRun();
        if (last != 0)
            form.ProgBar.setValue(static_cast<float>(100.0 * i / last));
        run.reverseEntry(i);
        form.LOS2.clearSelection();
    }

    form.ProgBar.setValue(0.0F);
    form.timeremaining.setVisible(false);
    form.ProgBar.setVisible(false);
    if (!run.finish(held == nullptr))
        return session.refuse(run.failure());
    if (held != nullptr)
        *held = run.release();
    if (own)
        return closeOwnRun(session, run);
    return CommandResult::wrote({run.path()});
}

namespace {

/// The indices in LOS2 of the selected entries, read once.
std::vector<int> selectedIndices(const ListBox& list) {
    std::vector<int> chosen;
    for (int index = 0; index < list.count(); ++index) {
        if (list.isSelected(index))
            chosen.push_back(index);
    }
    return chosen;
}

/// Fewer than two reactions are refused before anything is asked or opened, so that the
/// previous file stays as it was; then the user confirms. Nothing when the run may start.
std::optional<CommandResult> refusalOfSelection(Session& session, std::size_t chosen) {
    const std::string& newLine = session.common.NewLine;
    if (std::optional<std::string> refused = selectionRefusal(chosen, newLine)) {
        session.platform.showMessage({std::move(*refused), std::string(texts::WarningTitle),
                                      MessageButtons::Ok, MessageIcon::None});
        return CommandResult::refused({}); // the box has said why
    }
    if (!confirmed(session, reverseSelectedQuestion(newLine), texts::ReverseSelectedTitle))
        return CommandResult::stopped();
    return std::nullopt;
}

/// Opens RevSelected.txt and hands the selected lines to the batch's threads; the refusal
/// when the file cannot be created.
std::optional<CommandResult> openSelectedRun(Session& session, BatchRun& run,
                                             const std::vector<int>& chosen) {
    REVEQfrm& form = session.form;
    form.LOS3.clear();
    if (!run.create(pathInFolder(session.common.WorkFolder, texts::RevSelectedFileName))) {
        CommandResult refused = session.refuse(run.failure());
        form.timeremaining.setVisible(false);
        form.ProgBar.setVisible(false);
        return refused;
    }
    form.MSFG.clear();
    std::vector<std::string> parseList;
    parseList.reserve(chosen.size());
    for (int index : chosen)
        parseList.push_back(parseTextOf(form.LOS2.at(index)));
    form.LOS3.assign(parseList);
    form.LOS4.assign(form.LOS2.entries());
    run.start(chosen);
    return std::nullopt;
}

/// Puts the file in place and says JOB DONE; a file lost at its end (a full disk) is no
/// job done.
CommandResult closeSelectedRun(Session& session, BatchRun& run) {
    REVEQfrm& form = session.form;
    if (!run.finish()) {
        hideProgress(form);
        return session.refuse(run.failure());
    }
    form.timeremaining.setCaption(std::string(texts::JobDoneProgress));
    form.lblerror.setCaption({});
    CommandResult result = closeOwnRun(session, run);
    form.ProgBar.setVisible(false);
    form.timeremaining.setVisible(false);
    form.timeremaining.setCaption({});
    return result;
}

} // namespace

CommandResult reverseSelectedCommand(Session& session) {
    if (CommandResult checked = batchPreconditions(session); !checked.done())
        return checked;
    if (auto clash = refuseWorkFolderClash(session, texts::RoleReversedMechanism,
                                           texts::RevSelectedFileName, session.reportPath))
        return *clash;
    REVEQfrm& form = session.form;
    Platform& platform = session.platform;
    const std::vector<int> chosen = selectedIndices(form.LOS2);
    if (std::optional<CommandResult> refused = refusalOfSelection(session, chosen.size()))
        return *refused;
    const int last = static_cast<int>(chosen.size()) - 1;

    BusyGuard busy(session);
    form.timeremaining.setCaption(std::string(texts::BePatient));
    form.timeremaining.setVisible(true);
    form.ProgBar.setValue(0.0F);
    form.ProgBar.setVisible(true);
    platform.processEvents();
    if (stopAsked(session))
        return stoppedRun();

    BatchRun run(session, BatchKind::Selected, RunOwner::Command);
    if (std::optional<CommandResult> refused = openSelectedRun(session, run, chosen))
        return *refused;

    for (int i = 0; i <= last; ++i) {
        const int listIndex = chosen[static_cast<size_t>(i)];
        form.timeremaining.setCaption(std::string(texts::InProgress));
        platform.processEvents();
        if (stopAsked(session))
            return stoppedRun();
        form.ProgBar.setValue(static_cast<float>(100.0 * i / last));
        if (run.reverseEntry(listIndex))
            form.LOS2.clearSelection();
    }

    return closeSelectedRun(session, run);
}

} // namespace zorbel
