#include "comparison/AnnotationRun.h"

#include "batch/BatchTexts.h"
#include "comparison/ComparisonTexts.h"
#include "files/FileClash.h"
#include "files/FileTexts.h"
#include "files/ScratchFile.h"
#include "text/NumberText.h"

namespace zorbel {

namespace {

constexpr double percent = 100.0;

} // namespace

ComparisonRead readComparison(const std::string& path) {
    ComparisonRead read;
    LoadedComparison& loaded = read.comparison;
    loaded.path = path;
    std::optional<std::vector<std::string>> lines = readLines(path, loaded.stamp);
    if (!lines) {
        read.refusal =
            couldNotBeRead(texts::TheComparisonFile, path) + std::string(texts::CheckReadable);
        return read;
    }
    MarkedScan scan = scanMarkedLines(*lines);
    if (scan.badLine) {
        read.stage = ComparisonStage::BadLine;
        read.refusal = std::string(texts::MarkedLineStart) + std::to_string(*scan.badLine) +
                       std::string(texts::MarkedLineOf) + path +
                       std::string(texts::MarkedLineIncomplete);
        return read;
    }
    loaded.marked = std::move(scan.reactions);
    if (loaded.marked.empty()) {
        read.stage = ComparisonStage::NoReaction;
        read.refusal = std::string(texts::NoEquationToTreat);
        return read;
    }
    read.stage = ComparisonStage::Read;
    loaded.settings = readSettingsGroup(lines->front());
    loaded.lines = std::move(*lines);
    return read;
}

std::string revAllBeside(const std::string& comparisonPath) {
    return pathInFolder(splitPath(comparisonPath).folder, texts::RevAllFileName);
}

bool holdsToleranceLine(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (line.find(texts::ToleranceWord) != std::string::npos)
            return true;
    }
    return false;
}

std::optional<std::string> comparisonFileRefusal(const LoadedComparison& loaded) {
    const std::string& path = loaded.path;
    // Without both temperatures nothing can be compared: say so before the long run.
    if (!(loaded.settings.T1 > 0.0) || !(loaded.settings.T2 > 0.0))
        return std::string(texts::NoSettingsStart) + path + std::string(texts::NoSettingsEnd);
    if (const std::optional<std::string> tolerance = unusableTolerance(loaded.lines.front()))
        return std::string(texts::BadToleranceStart) + *tolerance +
               std::string(texts::BadToleranceMiddle) + path + std::string(texts::BadToleranceEnd);
    if (!holdsToleranceLine(loaded.lines))
        return std::string(texts::NoToleranceStart) + path + std::string(texts::NoToleranceEnd);
    return std::nullopt;
}

std::optional<std::string> annotationOutputRefusal(const LoadedComparison& loaded,
                                                   const std::string& thermoPath) {
    const std::string& path = loaded.path;
    const std::string revAllPath = revAllBeside(path);
    if (std::optional<std::string> clash =
            outputClash({{texts::RoleDatabase, thermoPath}, {texts::RoleComparison, path}},
                        {{texts::RoleReversedMechanism, revAllPath, texts::ComparisonOutputHint},
                         {texts::RoleComparison, path}}))
        return clash;
    for (const std::string& replaced : {path, revAllPath}) {
        if (isReadOnly(replaced))
            return readOnlyRefusal(replaced);
    }
    return std::nullopt;
}

std::optional<ClassifiedLines> classifyAll(const std::vector<ReversedReaction>& reversed,
                                           const std::vector<MarkedReaction>& marked,
                                           const ComparisonSettings& settings,
                                           std::string& refusal) {
    const double toleranceFraction = settings.tolerancePercent / percent;
    ClassifiedLines lines;
    for (size_t k = 0; k < marked.size(); ++k) {
        const RateComparison rates =
            compareRates(reversed[k].result, marked[k], settings.T1, settings.T2);
        if (std::optional<double> T = rates.faultTemperature(settings.T1, settings.T2)) {
            refusal = std::string(texts::NotComparableStart) +
                      restoreEquation(reversed[k].reaction[0]) +
                      std::string(texts::NotComparableAt) + generalNumber(*T) +
                      std::string(texts::NotComparableEnd);
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

namespace {

/// An edit made to the comparison file while it was annotated is the user's: nothing is
/// replaced, and this run's annotated file is kept under a name of its own beside it.
std::string changedMeanwhile(const std::string& path, LineWriter& annotated) {
    const std::optional<std::string> kept = annotated.keepBeside(texts::KeptAnnotationTag);
    return std::string(texts::ChangedMeanwhileStart) + path +
           std::string(texts::ChangedMeanwhileEnd) +
           (kept ? std::string(texts::KeptAnnotationAs) + *kept + "."
                 : std::string(texts::AnnotationNotKept));
}

} // namespace

std::optional<std::string> writeAnnotated(const LoadedComparison& loaded,
                                          const ClassifiedLines& classified, LineWriter& revAll) {
    const std::string& path = loaded.path;
    const MergedFile merged =
        mergeAnnotation(loaded.lines, annotationBlock(classified, loaded.settings));
    LineWriter annotated(path);
    if (!annotated.ok() && annotated.refusal() == TargetState::ReadOnly)
        return readOnlyRefusal(path);
    for (const std::string& line : merged.lines)
        annotated.line(line);
    if (!annotated.finish())
        return std::string(texts::ComparisonNotRewritten) + path + annotated.cause();
    if (!unchangedSince(path, loaded.stamp))
        return changedMeanwhile(path, annotated);
    const InterruptionsHeld together;
    if (!revAll.putInPlace())
        return std::string(texts::RevAllNotWritten) + revAllBeside(path) + revAll.cause();
    if (!annotated.putInPlace())
        return std::string(texts::ComparisonNotRewritten) + path + annotated.cause();
    return std::nullopt;
}

std::string annotationDone(const LoadedComparison& loaded, const std::string& newLine) {
    return std::string(texts::FileModified) + newLine + loaded.path + newLine +
           std::string(texts::RevAllReplaced) + newLine + revAllBeside(loaded.path);
}

} // namespace zorbel
