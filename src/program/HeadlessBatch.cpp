#include "program/Headless.h"

#include "batch/BatchTexts.h"
#include "batch/RemainingTime.h"
#include "batch/RunChecks.h"
#include "files/FileTexts.h"
#include "files/TextFiles.h"
#include "program/FaceTexts.h"

#include <algorithm>
#include <chrono>
#include <optional>

namespace zorbel {

namespace {

double steadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

/// The checks both batches make before anything is asked or opened, in the window's
/// order; nothing when the run may go on.
std::optional<CommandResult> refusalBeforeRun(const LoadedFiles& files, const BatchRequest& request,
                                              std::string_view fileName) {
    std::optional<std::string> refused =
        batchRefusal({files.speciesCount, files.reactionCount, files.inputs.listed.size(),
                      files.inputs.mechanismPath});
    if (!refused)
        refused = pointsRefusal(std::to_string(request.settings.points));
    if (!refused)
        refused = workFolderClash(reversalFilesOf(files), texts::RoleReversedMechanism, fileName,
                                  request.settings.reportPath);
    if (refused)
        return CommandResult::refused(std::move(*refused));
    return std::nullopt;
}

/// The batch's run from its file's creation to its summary. `order`: the list indices
/// written, in order.
class HeadlessRun {
public:
    HeadlessRun(const LoadedFiles& files, const BatchRequest& request, const BatchFace& face)
        : files_(files), face_(face), batch_(files.inputs, request.settings, true) {}

    std::optional<CommandResult> open(std::string_view fileName, const std::vector<int>& order,
                                      const RunStart& start) {
        if (!batch_.create(pathInFolder(files_.workFolder, fileName), face_.now))
            return CommandResult::refused(batch_.failure());
        batch_.start(order, start);
        return std::nullopt;
    }

    void showProgress(const std::string& label) {
        if (face_.progress)
            face_.progress(static_cast<int>(progress_), label);
    }
    void setProgress(int i, int last) { progress_ = static_cast<float>(100.0 * i / last); }
    void write(int listIndex) { batch_.writeNext(listIndex); }
    BatchFiles& files() { return batch_; }

    /// JOB DONE, the report and the summary.
    CommandResult close() {
        if (!batch_.finish())
            return CommandResult::refused(batch_.failure());
        face_.message(std::string(texts::JobDoneTitle),
                      std::string(texts::OutputFileCopiedTo) + files_.newLine + batch_.path());
        if (!batch_.closeReport())
            return CommandResult::refused(batch_.failure());
        if (face_.summary)
            face_.summary(batch_.summary(files_.newLine));
        std::vector<std::string> written{batch_.path()};
        if (!batch_.reportPath().empty())
            written.push_back(batch_.reportPath());
        return CommandResult::wrote(written);
    }

private:
    const LoadedFiles& files_;
    const BatchFace& face_;
    BatchFiles batch_;
    float progress_ = 0.0F;
};

CommandResult reverseAll(const LoadedFiles& files, const BatchRequest& request,
                         const RunStart& start, const BatchFace& face) {
    if (std::optional<CommandResult> refused =
            refusalBeforeRun(files, request, texts::RevAllFileName))
        return *refused;
    face.message(std::string(texts::ReverseAllTitle), reverseAllQuestion(files.newLine));
    const std::vector<int> order = wholeListOrder(files.inputs.listed.size());
    HeadlessRun run(files, request, face);
    if (std::optional<CommandResult> refused = run.open(texts::RevAllFileName, order, start))
        return *refused;
    writeWholeList(run.files(), static_cast<int>(order.size()), face);
    return run.close();
}

CommandResult reverseSelected(const LoadedFiles& files, const BatchRequest& request,
                              const RunStart& start, const BatchFace& face) {
    if (std::optional<CommandResult> refused =
            refusalBeforeRun(files, request, texts::RevSelectedFileName))
        return *refused;
    // The list's selection: each reaction once, in the list's order.
    std::vector<int> chosen = request.selection;
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    if (std::optional<std::string> refused = selectionRefusal(chosen.size(), files.newLine)) {
        face.message(std::string(texts::WarningTitle), *refused);
        return CommandResult::refused({}); // the box has said why
    }
    face.message(std::string(texts::ReverseSelectedTitle), reverseSelectedQuestion(files.newLine));
    HeadlessRun run(files, request, face);
    run.showProgress(std::string(texts::BePatient));
    if (std::optional<CommandResult> refused = run.open(texts::RevSelectedFileName, chosen, start))
        return *refused;
    const int last = static_cast<int>(chosen.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        run.showProgress(std::string(texts::InProgress));
        run.setProgress(i, last);
        run.write(chosen[static_cast<std::size_t>(i)]);
    }
    return run.close();
}

} // namespace

// The progress shown before a reaction is the one set after the reaction before it, with
// the time left from here, as the window's bar and label show them.
void writeWholeList(BatchFiles& batch, int count, const BatchFace& face) {
    const int last = count - 1;
    const double started = steadySeconds();
    float progress = 0.0F;
    for (int i = 0; i <= last; ++i) {
        if (face.progress)
            face.progress(static_cast<int>(progress),
                          remainingTimeText(steadySeconds() - started, i, last));
        if (last != 0)
            progress = static_cast<float>(100.0 * i / last);
        batch.writeNext(i);
    }
}

CommandResult runHeadlessBatch(const LoadedFiles& files, const BatchRequest& request,
                               const RunStart& start, const BatchFace& face) {
    return guarded([&] {
        return request.selection.empty() ? reverseAll(files, request, start, face)
                                         : reverseSelected(files, request, start, face);
    });
}

} // namespace zorbel
