#include "program/Headless.h"

#include "batch/RunChecks.h"
#include "comparison/AnnotationRun.h"
#include "comparison/ComparisonTexts.h"
#include "comparison/ReversedSink.h"
#include "program/FaceTexts.h"

#include <memory>

namespace zorbel {

namespace {

/// The checks before the run, in the window's order; nothing when it may start.
std::optional<std::string> refusalBeforeRun(const LoadedFiles& files,
                                            const LoadedComparison& loaded,
                                            const RunSettings& settings) {
    std::optional<std::string> refused = databaseRefusal(files.speciesCount);
    if (!refused)
        refused = pointsRefusal(std::to_string(settings.points));
    if (!refused)
        refused = comparisonFileRefusal(loaded);
    if (!refused)
        refused = annotationOutputRefusal(loaded, files.inputs.thermoPath);
    return refused;
}

/// Reverses the marked reactions into RevAll.txt, which waits whole to be put in place
/// with the annotated file; the comparison takes every result as the file does.
std::unique_ptr<LineWriter> reverseMarked(const LoadedFiles& files, const LoadedComparison& loaded,
                                          const RunSettings& settings, const BatchFace& face,
                                          ReversedReactionsSink& reversed) {
    BatchInputs inputs = files.inputs;
    // These entries are no lines of the loaded mechanism file.
    inputs.listed = entriesOf(loaded.marked);
    inputs.reactionLines.clear();
    const std::vector<int> order = wholeListOrder(inputs.listed.size());
    const int count = static_cast<int>(inputs.listed.size());
    BatchFiles batch(std::move(inputs), settings, false);
    if (!batch.create(revAllBeside(loaded.path), face.now))
        return nullptr;
    batch.addSink(reversed);
    // The panel was emptied with the list: the run starts from no texts and no patterns.
    batch.start(order, RunStart{});
    writeWholeList(batch, count, face);
    if (!batch.finish(false))
        return nullptr;
    return batch.release();
}

CommandResult annotate(const LoadedFiles& files, const std::string& path,
                       const RunSettings& settings, const BatchFace& face, AnnotationView& view) {
    view.comparisonPath = path;
    const ComparisonRead read = readComparison(path);
    if (read.stage != ComparisonStage::Read)
        return CommandResult::refused(read.refusal);
    const LoadedComparison& loaded = read.comparison;
    if (std::optional<std::string> refused = refusalBeforeRun(files, loaded, settings))
        return CommandResult::refused(std::move(*refused));
    const std::string revAllPath = revAllBeside(path);
    ReversedReactionsSink reversed;
    const std::unique_ptr<LineWriter> revAll =
        reverseMarked(files, loaded, settings, face, reversed);
    if (!revAll)
        return CommandResult::refused(std::string(texts::RevAllNotWritten) + revAllPath);
    std::string refusal;
    const std::optional<ClassifiedLines> classified =
        classifyAll(reversed.reactions, loaded.marked, loaded.settings, refusal);
    if (!classified)
        return CommandResult::refused(std::move(refusal));
    if (std::optional<std::string> refused = writeAnnotated(loaded, *classified, *revAll))
        return CommandResult::refused(std::move(*refused));
    face.message(std::string(texts::JobDoneTitle), annotationDone(loaded, files.newLine));
    view.different = static_cast<int>(classified->different.size());
    view.identical = static_cast<int>(classified->identical.size());
    view.notCalculated = static_cast<int>(classified->notCalculated.size());
    return CommandResult::wrote({revAllPath, path});
}

} // namespace

CommandResult runHeadlessAnnotation(const LoadedFiles& files, const std::string& path,
                                    const RunSettings& settings, const BatchFace& face,
                                    AnnotationView& view) {
    return guarded([&] { return annotate(files, path, settings, face, view); });
}

} // namespace zorbel
