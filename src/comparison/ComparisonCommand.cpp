#include "comparison/ComparisonCommand.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "app/TextFiles.h"
#include "batch/BatchReversal.h"
#include "batch/BatchTexts.h"
#include "comparison/Annotation.h"
#include "comparison/ComparisonFile.h"
#include "comparison/ComparisonTexts.h"
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

CommandResult annotateComparison(Session& session, AnnotationCounts* counts) {
    REVEQfrm& form = session.form;
    CommonValue& common = session.common;
    // A cancelled dialog leaves the loaded mechanism and the panel as they were: a Reverse
    // All after it must still have its reactions.
    const std::optional<std::string> chosen =
        session.askForFile(texts::ComparisonDialogTitle, texts::ComparisonDialogFilter);
    if (!chosen)
        return CommandResult::stopped();
    resetDisplay(form);
    const std::string& path = *chosen;
    common.ComparisonPath = path;
    const std::string folder = splitPath(path).folder;
    form.Lbl2.setCaption(loadedCaption(path, MechanismCaptionLimit));

    common.ReactionCount = 0;
    const std::optional<std::vector<std::string>> lines = readLines(path);
    if (!lines) {
        form.Lbl2.setCaption({}); // nothing was loaded
        return session.refuse(couldNotBeRead(texts::TheComparisonFile, path) +
                              std::string(texts::CheckReadable));
    }
    CommandResult refused;
    const std::optional<std::vector<MarkedReaction>> marked =
        loadMarkedReactions(session, path, *lines, refused);
    if (!marked)
        return refused;
    if (marked->empty()) {
        form.List2Nbr.setCaption(std::string(texts::ZeroCount));
        return session.refuse(std::string(texts::NoEquationToTreat));
    }

    const ComparisonSettings settings = readSettingsGroup(lines->front());
    form.List2Nbr.setCaption(countInParentheses(common.ReactionCount));
    if (common.SpeciesCount == 0)
        return session.refuse(std::string(texts::ImportDatabaseFirst));
    if (CommandResult points = session.checkPoints(); !points.done())
        return points;
    // Without both temperatures nothing can be compared: say so before the long run.
    if (!(settings.T1 > 0.0) || !(settings.T2 > 0.0))
        return session.refuse(std::string(texts::NoSettingsStart) + path +
                              std::string(texts::NoSettingsEnd));
    // Refusals the file itself decides come before any file is written.
    if (!holdsToleranceLine(*lines))
        return session.refuse(std::string(texts::NoToleranceStart) + path +
                              std::string(texts::NoToleranceEnd));

    common.WorkFolder = folder;
    const std::string revAllPath = pathInFolder(folder, texts::RevAllFileName);
    for (const std::string& replaced : {path, revAllPath}) {
        if (targetState(writeTarget(replaced)) == TargetState::ReadOnly)
            return session.refuse(readOnlyRefusal(replaced));
    }
    // RevAll.txt waits complete in its scratch file, to be put in place with the annotated
    // file: a refusal on the way leaves both as they were.
    std::unique_ptr<LineWriter> revAllFile;
    const CommandResult reversed = reverseAllWorker(session, ClosingBox::Omitted, &revAllFile);
    if (reversed.outcome == Outcome::Stopped)
        return reversed;
    if (!reversed.done())
        return session.refuse(std::string(texts::RevAllNotWritten) + revAllPath);

    form.MSFG.clear();
    const std::optional<std::vector<std::string>> revAll = readLines(revAllFile->scratchPath());
    if (!revAll)
        return session.refuse(std::string(texts::RevAllNotRead) + revAllPath);
    // Paired against the reactions this command listed, so that each result meets its own
    // second expression.
    const std::optional<std::vector<ReversedReaction>> results =
        pairResults(*revAll, entriesOf(*marked));
    if (!results)
        return session.refuse(std::string(texts::RevAllMismatch) + revAllPath);
    const std::optional<ClassifiedLines> classified =
        classifyAll(session, *results, *marked, settings, refused);
    if (!classified)
        return refused;
    form.MSFG.clear();

    const std::vector<std::string> block = annotationBlock(*classified, settings);
    const MergedFile merged = mergeAnnotation(*lines, block);
    LineWriter annotated(path);
    if (!annotated.ok() && annotated.refusal() == TargetState::ReadOnly)
        return session.refuse(readOnlyRefusal(path));
    for (const std::string& line : merged.lines)
        annotated.line(line);
    if (!annotated.finish())
        return session.refuse(std::string(texts::ComparisonNotRewritten) + path);
    {
        const InterruptionsHeld together;
        if (!revAllFile->putInPlace())
            return session.refuse(std::string(texts::RevAllNotWritten) + revAllPath);
        if (!annotated.putInPlace())
            return session.refuse(std::string(texts::ComparisonNotRewritten) + path);
    }

    const std::string& newLine = common.NewLine;
    session.showJobDone(std::string(texts::FileModified) + newLine + path + newLine +
                        std::string(texts::RevAllReplaced) + newLine + revAllPath);
    if (counts != nullptr)
        *counts = {static_cast<int>(classified->different.size()),
                   static_cast<int>(classified->identical.size()),
                   static_cast<int>(classified->notCalculated.size())};
    return CommandResult::wrote({revAllPath, path});
}

} // namespace zorbel
