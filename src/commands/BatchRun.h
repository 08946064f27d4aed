#pragma once
// A batch as the window runs it: the core's run computes the reactions and its files write
// them (batch/BatchFiles.h); the window shows the run's progress as it goes and, when it
// ends, the panel and the results grid as the last reactions left them, from the run's
// results only.

#include "batch/BatchFiles.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {

class Session;

/// Whose run it is: a command's own, which writes the whole mechanism and the report when
/// the settings ask for them, or the comparison's, which takes the results as they come.
enum class RunOwner { Command, Comparison };

/// Reverse All labels S in the panel ("S = "), Reverse Selected shows it bare.
enum class BatchKind { All, Selected };

/// What the loaded database and mechanism give a batch, as the session holds them.
BatchInputs batchInputs(const Session& session);

class BatchRun {
public:
    /// The settings are the widgets' as the run is made: one changed during the run does
    /// not reach it.
    BatchRun(Session& session, BatchKind kind, RunOwner owner);
    ~BatchRun();
    BatchRun(const BatchRun&) = delete;
    BatchRun& operator=(const BatchRun&) = delete;

    bool create(const std::string& path);
    void addSink(ResultSink& sink) { files_.addSink(sink); }
    /// Starts the run over the list's entries `order`, in the order they will be written,
    /// with the number patterns and panel texts the window holds now.
    void start(const std::vector<int>& order);
    /// Writes the next reaction, the entry `listIndex` of the list; true when it got a
    /// "REV/ " line.
    bool reverseEntry(int listIndex);
    /// Closes the file and leaves the window showing the last reactions' results. With
    /// `putInPlace` false the complete file waits in its scratch file for release().
    bool finish(bool putInPlace = true);

    bool closeReport() { return files_.closeReport(); }
    const std::string& reportPath() const { return files_.reportPath(); }
    std::string summary() const;
    std::unique_ptr<LineWriter> release() { return files_.release(); }
    /// Every reaction written so far, for a look after the run.
    std::shared_ptr<const RunResults> results() const { return files_.results(); }
    const std::string& path() const { return files_.path(); }
    const std::string& failure() const { return files_.failure(); }

private:
    /// A result the window shows when the run ends, with its place in the run and the list.
    struct Shown {
        std::size_t order = 0;
        int listIndex = 0;
        ReactionResult result;
    };
    /// The last result of each kind that leaves a mark on the panel or the grid.
    enum Mark { Last, CoefficientsCut, Reversed, RangeFixed, Fitted, KcDone, KrDone, MarkCount };

    void remember(ReactionResult result, int listIndex);
    void show(const ReactionResult& result, int listIndex);
    void showPanel();
    void showLastGrid();

    Session& session_;
    BatchKind kind_;
    BatchFiles files_;
    /// What the window shows after the run, each result once whatever its marks: showing
    /// these in order leaves the panel as showing every reaction in turn would.
    std::array<std::shared_ptr<const Shown>, MarkCount> shown_;
    std::size_t taken_ = 0;
};

} // namespace zorbel
