#include "commands/ComparisonCommand.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "batch/BatchTexts.h"
#include "commands/BatchReversal.h"
#include "comparison/Annotation.h"
#include "comparison/ComparisonFile.h"
#include "comparison/ComparisonTexts.h"
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
constexpr double percent = 100.0;

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

/// The first pass: the marked reactions become the loaded mechanism. Nothing, with the
/// refusal in `refused` and lblerror, when a marked line cannot be cut.
std::optional<std::vector<MarkedReaction>>
loadMarkedReactions(Session& session, const std::string& path,
                    const std::vector<std::string>& lines, CommandResult& refused) {
    MarkedScan scan = scanMarkedLines(lines);
    if (scan.badLine) {
        session.form.Lbl2.setCaption({}); // nothing was loaded
        refused = session.refuse(std::string(texts::MarkedLineStart) +
                                 std::to_string(*scan.badLine) + std::string(texts::MarkedLineOf) +
                                 path + std::string(texts::MarkedLineIncomplete));
        return std::nullopt;
    }
    std::vector<std::string> entries = entriesOf(scan.reactions);
    session.common.ReactionCount = static_cast<int>(entries.size());
    // These entries are no lines of the loaded mechanism file.
    session.common.ReactionLines.clear();
    session.form.LOS2.assign(std::move(entries));
    return std::move(scan.reactions);
}

/// The reactions sorted into their groups; nothing when a rate constant cannot be compared
/// (the refusal in `refused` and lblerror then names the reaction).
std::optional<ClassifiedLines> classifyAll(Session& session,
                                           const std::vector<ReversedReaction>& reversed,
                                           const std::vector<MarkedReaction>& marked,
                                           const ComparisonSettings& settings,
                                           CommandResult& refused) {
    const double toleranceFraction = settings.tolerancePercent / percent;
    ClassifiedLines lines;
    for (size_t k = 0; k < marked.size(); ++k) {
        const RateComparison rates =
            compareRates(reversed[k].result, marked[k], settings.T1, settings.T2);
        if (std::optional<double> T = rates.faultTemperature(settings.T1, settings.T2)) {
            refused = session.refuse(std::string(texts::NotComparableStart) +
                                     restoreEquation(reversed[k].reaction[0]) +
                                     std::string(texts::NotComparableAt) + generalNumber(*T) +
                                     std::string(texts::NotComparableEnd));
            return std::nullopt;
        }
        switch (classify(rates.diffs1, rates.diffs2, toleranceFraction)) {
        case Group::Identical:
            lines.identical.push_back(classifiedLine(reversed[k], marked[k], rates));
            break;
        case Group::Different:
            lines.different.push_back(classifiedLine(reversed[k], marked[k], rates));
            break;
        case Group::NotCalculated:
            lines.notCalculated.push_back(unclassifiedLine(reversed[k]));
            break;
        }
    }
    return lines;
}

} // namespace

bool holdsToleranceLine(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (line.find(texts::ToleranceWord) != std::string::npos)
            return true;
    }
    return false;
}

namespace {

/// A comparison file read and its marked reactions listed.
struct LoadedComparison {
    std::string path;
    std::vector<std::string> lines;
    std::vector<MarkedReaction> marked;
    ComparisonSettings settings;
};

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
    LoadedComparison loaded{*chosen, {}, {}, {}};
    session.common.ComparisonPath = loaded.path;
    form.Lbl2.setCaption(loadedCaption(loaded.path, MechanismCaptionLimit));
    session.common.ReactionCount = 0;
    std::optional<std::vector<std::string>> lines = readLines(loaded.path);
    if (!lines) {
        form.Lbl2.setCaption({}); // nothing was loaded
        result = session.refuse(couldNotBeRead(texts::TheComparisonFile, loaded.path) +
                                std::string(texts::CheckReadable));
        return std::nullopt;
    }
    std::optional<std::vector<MarkedReaction>> marked =
        loadMarkedReactions(session, loaded.path, *lines, result);
    if (!marked)
        return std::nullopt;
    if (marked->empty()) {
        form.List2Nbr.setCaption(std::string(texts::ZeroCount));
        result = session.refuse(std::string(texts::NoEquationToTreat));
        return std::nullopt;
    }
    loaded.settings = readSettingsGroup(lines->front());
    loaded.lines = std::move(*lines);
    loaded.marked = std::move(*marked);
    form.List2Nbr.setCaption(countInParentheses(session.common.ReactionCount));
    session.rememberFile(texts::ComparisonDialogTitle, loaded.path);
    return loaded;
}

/// The refusals that the session and the file itself decide, all before any file is
/// written; nothing when the run may start (the work folder is then the file's).
std::optional<CommandResult> refusalBeforeRun(Session& session, const LoadedComparison& loaded,
                                              const std::string& revAllPath) {
    if (session.common.SpeciesCount == 0)
        return session.refuse(std::string(texts::ImportDatabaseFirst));
    if (CommandResult points = session.checkPoints(); !points.done())
        return points;
    const std::string& path = loaded.path;
    // Without both temperatures nothing can be compared: say so before the long run.
    if (!(loaded.settings.T1 > 0.0) || !(loaded.settings.T2 > 0.0))
        return session.refuse(std::string(texts::NoSettingsStart) + path +
                              std::string(texts::NoSettingsEnd));
    if (!holdsToleranceLine(loaded.lines))
        return session.refuse(std::string(texts::NoToleranceStart) + path +
                              std::string(texts::NoToleranceEnd));
    session.common.WorkFolder = splitPath(path).folder;
    for (const std::string& replaced : {path, revAllPath}) {
        if (isReadOnly(replaced))
            return session.refuse(readOnlyRefusal(replaced));
    }
    return std::nullopt;
}

/// Reverses the listed reactions into RevAll.txt, which waits complete in its scratch file
/// (`revAllFile`) to be put in place with the annotated file, and sorts them into their
/// groups. Nothing, with `result` saying why, when the run stopped or failed.
std::optional<ClassifiedLines> reverseAndClassify(Session& session, const LoadedComparison& loaded,
                                                  const std::string& revAllPath,
                                                  std::unique_ptr<LineWriter>& revAllFile,
                                                  CommandResult& result) {
    const CommandResult reversed = reverseAllWorker(session, ClosingBox::Omitted, &revAllFile);
    if (!reversed.done()) {
        result = reversed.outcome == Outcome::Stopped
                     ? reversed
                     : session.refuse(std::string(texts::RevAllNotWritten) + revAllPath);
        return std::nullopt;
    }
    session.form.MSFG.clear();
    const std::optional<std::vector<std::string>> revAll = readLines(revAllFile->scratchPath());
    if (!revAll) {
        result = session.refuse(std::string(texts::RevAllNotRead) + revAllPath);
        return std::nullopt;
    }
    // Paired against the reactions this command listed, so that each result meets its own
    // second expression.
    const std::optional<std::vector<ReversedReaction>> results =
        pairResults(*revAll, entriesOf(loaded.marked));
    if (!results) {
        result = session.refuse(std::string(texts::RevAllMismatch) + revAllPath);
        return std::nullopt;
    }
    std::optional<ClassifiedLines> classified =
        classifyAll(session, *results, loaded.marked, loaded.settings, result);
    if (classified)
        session.form.MSFG.clear();
    return classified;
}

/// Writes the annotated file and puts it in place together with RevAll.txt, so that a
/// failure on the way leaves both as they were.
CommandResult writeAnnotated(Session& session, const LoadedComparison& loaded,
                             const ClassifiedLines& classified, LineWriter& revAllFile,
                             const std::string& revAllPath) {
    const std::string& path = loaded.path;
    const MergedFile merged =
        mergeAnnotation(loaded.lines, annotationBlock(classified, loaded.settings));
    LineWriter annotated(path);
    if (!annotated.ok() && annotated.refusal() == TargetState::ReadOnly)
        return session.refuse(readOnlyRefusal(path));
    for (const std::string& line : merged.lines)
        annotated.line(line);
    if (!annotated.finish())
        return session.refuse(std::string(texts::ComparisonNotRewritten) + path);
    const InterruptionsHeld together;
    if (!revAllFile.putInPlace())
        return session.refuse(std::string(texts::RevAllNotWritten) + revAllPath);
    if (!annotated.putInPlace())
        return session.refuse(std::string(texts::ComparisonNotRewritten) + path);
    return CommandResult::wrote({revAllPath, path});
}

} // namespace

CommandResult annotateComparison(Session& session, AnnotationCounts* counts) {
    CommandResult result;
    const std::optional<LoadedComparison> loaded = loadComparison(session, result);
    if (!loaded)
        return result;
    const std::string revAllPath =
        pathInFolder(splitPath(loaded->path).folder, texts::RevAllFileName);
    if (std::optional<CommandResult> refused = refusalBeforeRun(session, *loaded, revAllPath))
        return *refused;
    std::unique_ptr<LineWriter> revAllFile;
    const std::optional<ClassifiedLines> classified =
        reverseAndClassify(session, *loaded, revAllPath, revAllFile, result);
    if (!classified)
        return result;
    result = writeAnnotated(session, *loaded, *classified, *revAllFile, revAllPath);
    if (!result.done())
        return result;

    const std::string& newLine = session.common.NewLine;
    session.showJobDone(std::string(texts::FileModified) + newLine + loaded->path + newLine +
                        std::string(texts::RevAllReplaced) + newLine + revAllPath);
    if (counts != nullptr)
        *counts = {static_cast<int>(classified->different.size()),
                   static_cast<int>(classified->identical.size()),
                   static_cast<int>(classified->notCalculated.size())};
    return result;
}

} // namespace zorbel
