#include "commands/ComparisonCommand.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "batch/BatchTexts.h"
#include "batch/RunChecks.h"
#include "commands/BatchReversal.h"
#include "comparison/AnnotationRun.h"
#include "comparison/ComparisonTexts.h"
#include "comparison/ReversedSink.h"
#include "files/TextFiles.h"
#include "text/NumberText.h"

#include <memory>
#include <string>
#include <vector>

namespace zorbel {

namespace {

constexpr int firstPanelBox = REVEQfrm::FirstSlot;
constexpr int lastPanelBox = REVEQfrm::ReverseEa;
constexpr int lastSlotBox = REVEQfrm::FirstSlot + 5;

TextBox& panelBox(REVEQfrm& form, int index) {
    return form.PropTxt[static_cast<std::size_t>(index)];
}

/// The panel and the list as a new mechanism starts them; the count stays until the file
/// has been read.
void resetDisplay(REVEQfrm& form) {
    form.Templbl.setCaption({});
    for (int index = firstPanelBox; index <= lastPanelBox; ++index) {
        panelBox(form, index).setText({});
        panelBox(form, index).setBackground(Colour::Window);
    }
    panelBox(form, firstPanelBox).setVisible(true);
    panelBox(form, lastSlotBox).setVisible(true);
    form.List2Nbr.setCaption(std::string(texts::ZeroCount));
    form.LOS2.clear();
}

/// Asks for the file, reads it and lists its marked reactions in place of the mechanism.
/// Nothing, with `result` saying why, when it was cancelled, unreadable or has no
/// marked reaction.
std::optional<LoadedComparison> loadComparison(Session& session, CommandResult& result) {
    REVEQfrm& form = session.form;
    // A cancelled dialog leaves the loaded mechanism and the panel as they were: a Reverse
    // All after it must still have its reactions.
    const std::optional<std::string> chosen =
        session.askForFile(texts::ComparisonDialogTitle, texts::ComparisonDialogFilter);
    if (!chosen) {
        result = CommandResult::stopped();
        return std::nullopt;
    }
    resetDisplay(form);
    session.common.ComparisonPath = *chosen;
    form.Lbl2.setCaption(loadedCaption(*chosen, MechanismCaptionLimit));
    session.common.ReactionCount = 0;
    ComparisonRead read = readComparison(*chosen);
    if (read.stage == ComparisonStage::Unreadable || read.stage == ComparisonStage::BadLine) {
        form.Lbl2.setCaption({}); // nothing was loaded
        result = session.refuse(std::move(read.refusal));
        return std::nullopt;
    }
    LoadedComparison& loaded = read.comparison;
    session.common.ReactionCount = static_cast<int>(loaded.marked.size());
    // These entries are no lines of the loaded mechanism file.
    session.common.ReactionLines.clear();
    form.LOS2.assign(entriesOf(loaded.marked));
    if (read.stage == ComparisonStage::NoReaction) {
        form.List2Nbr.setCaption(std::string(texts::ZeroCount));
        result = session.refuse(std::move(read.refusal));
        return std::nullopt;
    }
    form.List2Nbr.setCaption(countInParentheses(session.common.ReactionCount));
    session.rememberFile(texts::ComparisonDialogTitle, loaded.path);
    return std::move(loaded);
}

/// The refusals that the session and the file itself decide, all before any file is
/// written; nothing when the run may start (the work folder is then the file's).
std::optional<CommandResult> refusalBeforeRun(Session& session, const LoadedComparison& loaded) {
    if (std::optional<std::string> refused = databaseRefusal(session.common.SpeciesCount))
        return session.refuse(std::move(*refused));
    if (CommandResult points = session.checkPoints(); !points.done())
        return points;
    if (std::optional<std::string> refused = comparisonFileRefusal(loaded))
        return session.refuse(std::move(*refused));
    session.common.WorkFolder = splitPath(loaded.path).folder;
    if (std::optional<std::string> refused =
            annotationOutputRefusal(loaded, session.common.ThermoPath))
        return session.refuse(std::move(*refused));
    return std::nullopt;
}

/// Reverses the listed reactions into RevAll.txt, which waits complete in its scratch file
/// (`revAllFile`) to be put in place with the annotated file, and sorts their results into
/// their groups. Nothing, with `result` saying why, when the run stopped or failed.
std::optional<ClassifiedLines> reverseAndClassify(Session& session, const LoadedComparison& loaded,
                                                  const std::string& revAllPath,
                                                  std::unique_ptr<LineWriter>& revAllFile,
                                                  CommandResult& result) {
    // The run's results, each with the reaction this command listed, so that each meets
    // its own second expression.
    ReversedReactionsSink reversed;
    const CommandResult run =
        reverseAllWorker(session, ClosingBox::Omitted, &revAllFile, &reversed);
    if (!run.done()) {
        result = run.outcome == Outcome::Stopped
                     ? run
                     : session.refuse(std::string(texts::RevAllNotWritten) + revAllPath);
        return std::nullopt;
    }
    session.form.MSFG.clear();
    std::string refusal;
    std::optional<ClassifiedLines> classified =
        classifyAll(reversed.reactions, loaded.marked, loaded.settings, refusal);
    if (classified)
        session.form.MSFG.clear();
    else
        result = session.refuse(std::move(refusal));
    return classified;
}

} // namespace

CommandResult annotateComparison(Session& session, AnnotationCounts* counts) {
    CommandResult result;
    const std::optional<LoadedComparison> loaded = loadComparison(session, result);
    if (!loaded)
        return result;
    const std::string revAllPath = revAllBeside(loaded->path);
    if (std::optional<CommandResult> refused = refusalBeforeRun(session, *loaded))
        return *refused;
    std::unique_ptr<LineWriter> revAllFile;
    const std::optional<ClassifiedLines> classified =
        reverseAndClassify(session, *loaded, revAllPath, revAllFile, result);
    if (!classified)
        return result;
    if (std::optional<std::string> refused = writeAnnotated(*loaded, *classified, *revAllFile))
        return session.refuse(std::move(*refused));
    session.showJobDone(annotationDone(*loaded, session.common.NewLine));
    if (counts != nullptr)
        *counts = {static_cast<int>(classified->different.size()),
                   static_cast<int>(classified->identical.size()),
                   static_cast<int>(classified->notCalculated.size())};
    return CommandResult::wrote({revAllPath, loaded->path});
}

} // namespace zorbel
