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

/// Paths of this many characters or more are shortened in the loaded-file label.
constexpr std::size_t shortenedPathLength = 45;
constexpr int firstPanelBox = REVEQfrm::FirstSlot;
constexpr int lastPanelBox = REVEQfrm::ReverseEa;
constexpr int lastSlotBox = REVEQfrm::FirstSlot + 5;
constexpr double percent = 100.0;

/// Tells the Reverse-All worker that the annotation runs it, for as long as it runs, even
/// when it fails.
class ComparisonRunFlag {
public:
    explicit ComparisonRunFlag(CommonValue& common) : common_(common) {
        common_.ComparisonRun = true;
    }
    ~ComparisonRunFlag() { common_.ComparisonRun = false; }
    ComparisonRunFlag(const ComparisonRunFlag&) = delete;
    ComparisonRunFlag& operator=(const ComparisonRunFlag&) = delete;

private:
    CommonValue& common_;
};

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

std::optional<std::string> chooseComparisonFile(Session& session) {
    FileDialogRequest request;
    request.title = texts::ComparisonDialogTitle;
    request.filter = texts::ComparisonDialogFilter;
    request.filterIndex = 1;
    request.initialFolder = defaultDialogFolder();
    return session.platform.chooseFile(request);
}

std::optional<AnnotationCounts> refuse(Session& session, std::string message) {
    session.form.lblerror.setCaption(std::move(message));
    return std::nullopt;
}

/// The first pass: the marked reactions become the loaded mechanism. Nothing, with the
/// reason in lblerror, when the file cannot be read or a marked line cannot be cut.
std::optional<std::vector<MarkedReaction>>
loadMarkedReactions(Session& session, const std::string& path,
                    const std::vector<std::string>& lines) {
    MarkedScan scan = scanMarkedLines(lines);
    if (scan.badLine) {
        session.form.Lbl2.setCaption({}); // nothing was loaded
        refuse(session, std::string(texts::MarkedLineStart) + std::to_string(*scan.badLine) +
                            std::string(texts::MarkedLineOf) + path +
                            std::string(texts::MarkedLineIncomplete));
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
/// (lblerror then names the reaction).
std::optional<ClassifiedLines> classifyAll(Session& session,
                                           const std::vector<ReversedReaction>& reversed,
                                           const std::vector<MarkedReaction>& marked,
                                           const ComparisonSettings& settings) {
    const double toleranceFraction = settings.tolerancePercent / percent;
    ClassifiedLines lines;
    for (size_t k = 0; k < marked.size(); ++k) {
        const RateComparison rates =
            compareRates(reversed[k].result, marked[k], settings.T1, settings.T2);
        if (std::optional<double> T = rates.faultTemperature(settings.T1, settings.T2)) {
            refuse(session, std::string(texts::NotComparableStart) +
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

std::optional<AnnotationCounts> annotateComparison(Session& session) {
    REVEQfrm& form = session.form;
    CommonValue& common = session.common;
    // A cancelled dialog leaves the loaded mechanism and the panel as they were: a Reverse
    // All after it must still have its reactions.
    const std::optional<std::string> chosen = chooseComparisonFile(session);
    if (!chosen)
        return std::nullopt;
    resetDisplay(form);
    const std::string& path = *chosen;
    common.ComparisonPath = path;
    const std::string folder = splitPath(path).folder;
    form.Lbl2.setCaption(loadedCaption(path, shortenedPathLength));

    common.ReactionCount = 0;
    const std::optional<std::vector<std::string>> lines = readLines(path);
    if (!lines) {
        form.Lbl2.setCaption({}); // nothing was loaded
        return refuse(session, std::string(texts::ComparisonNotRead) + path +
                                   std::string(texts::CheckReadable));
    }
    const std::optional<std::vector<MarkedReaction>> marked =
        loadMarkedReactions(session, path, *lines);
    if (!marked)
        return std::nullopt;
    if (marked->empty()) {
        form.List2Nbr.setCaption(std::string(texts::ZeroCount));
        return refuse(session, std::string(texts::NoEquationToTreat));
    }

    const ComparisonSettings settings = readSettingsGroup(lines->front());
    form.List2Nbr.setCaption(countInParentheses(common.ReactionCount));
    if (common.SpeciesCount == 0)
        return refuse(session, std::string(texts::ImportDatabaseFirst));
    if (!session.checkPoints())
        return std::nullopt;
    // Without both temperatures nothing can be compared: say so before the long run.
    if (!(settings.T1 > 0.0) || !(settings.T2 > 0.0))
        return refuse(session, std::string(texts::NoSettingsStart) + path +
                                   std::string(texts::NoSettingsEnd));
    // Refusals the file itself decides come before any file is written.
    if (!holdsToleranceLine(*lines))
        return refuse(session, std::string(texts::NoToleranceStart) + path +
                                   std::string(texts::NoToleranceEnd));

    common.WorkFolder = folder;
    const std::string revAllPath = pathInFolder(folder, texts::RevAllFileName);
    for (const std::string& replaced : {path, revAllPath}) {
        if (targetState(writeTarget(replaced)) == TargetState::ReadOnly)
            return refuse(session, readOnlyRefusal(replaced));
    }
    // RevAll.txt waits complete in its scratch file, to be put in place with the annotated
    // file: a refusal on the way leaves both as they were.
    std::unique_ptr<LineWriter> revAllFile;
    bool written = false;
    {
        ComparisonRunFlag running(common);
        written = reverseAllWorker(session, &revAllFile);
    }
    if (!written) {
        if (session.stopRequested) // the worker said so
            return std::nullopt;
        return refuse(session, std::string(texts::RevAllNotWritten) + revAllPath);
    }

    form.MSFG.clear();
    const std::optional<std::vector<std::string>> revAll = readLines(revAllFile->scratchPath());
    if (!revAll)
        return refuse(session, std::string(texts::RevAllNotRead) + revAllPath);
    // Paired against the reactions this command listed, so that each result meets its own
    // second expression.
    const std::optional<std::vector<ReversedReaction>> reversed =
        pairResults(*revAll, entriesOf(*marked));
    if (!reversed)
        return refuse(session, std::string(texts::RevAllMismatch) + revAllPath);
    const std::optional<ClassifiedLines> classified =
        classifyAll(session, *reversed, *marked, settings);
    if (!classified)
        return std::nullopt;
    form.MSFG.clear();

    const std::vector<std::string> block = annotationBlock(*classified, settings);
    const MergedFile merged = mergeAnnotation(*lines, block);
    LineWriter annotated(path);
    if (!annotated.ok() && annotated.refusal() == TargetState::ReadOnly)
        return refuse(session, readOnlyRefusal(path));
    for (const std::string& line : merged.lines)
        annotated.line(line);
    if (!annotated.finish())
        return refuse(session, std::string(texts::ComparisonNotRewritten) + path);
    {
        const InterruptionsHeld together;
        if (!revAllFile->putInPlace())
            return refuse(session, std::string(texts::RevAllNotWritten) + revAllPath);
        if (!annotated.putInPlace())
            return refuse(session, std::string(texts::ComparisonNotRewritten) + path);
    }

    const std::string& newLine = common.NewLine;
    session.platform.showMessage({std::string(texts::FileModified) + newLine + path + newLine +
                                      std::string(texts::RevAllReplaced) + newLine + revAllPath,
                                  std::string(texts::JobDoneTitle), MessageButtons::Ok,
                                  MessageIcon::Information});
    return AnnotationCounts{static_cast<int>(classified->different.size()),
                            static_cast<int>(classified->identical.size()),
                            static_cast<int>(classified->notCalculated.size())};
}

} // namespace zorbel
