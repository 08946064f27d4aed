#pragma once
// A batch as the window runs it: the core's run computes the reactions, the sinks write
// its files, and the window shows each reaction as it is written, the run's results only.

#include "batch/BatchSummary.h"
#include "batch/ReversalRun.h"
#include "batch/RunResults.h"
#include "batch/RunSinks.h"
#include "files/TextFiles.h"
#include "mechanism/ReactionBlocks.h"
#include "reversal/SpeciesProvider.h"
#include "thermo/ThermoIndex.h"

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

class BatchRun {
public:
    BatchRun(Session& session, BatchKind kind, RunOwner owner);
    ~BatchRun();
    BatchRun(const BatchRun&) = delete;
    BatchRun& operator=(const BatchRun&) = delete;

    /// Reads the database and starts the file; false, with failure() saying why, when
    /// either cannot be done. A database that can no longer be read would turn every
    /// reaction into a missing-species line: the previous file is worth more.
    bool create(const std::string& path);
    /// Gives the results to one more sink, which must outlive the run; before start().
    void addSink(ResultSink& sink) { sinks_.push_back(&sink); }
    /// Starts the run over the reactions' parse texts, in the order they will be written,
    /// with the settings, number patterns and panel texts the window holds now.
    void start(std::vector<std::string> parseTexts);
    /// Writes the next reaction, the entry `listIndex` of the list; true when it got a
    /// "REV/ " line. A fault in one reaction costs that reaction only.
    bool reverseEntry(int listIndex, const std::string& listed);
    /// Closes the file and leaves the window showing the last reaction's results. With
    /// `putInPlace` false the complete file waits in its scratch file for release().
    bool finish(bool putInPlace = true);

    /// Puts the report in place, if the run writes one; false when it could not be
    /// written whole.
    bool closeReport() { return !report_ || report_->close(); }
    const std::string& reportPath() const { return reportPath_; }
    std::string summary() const;
    std::unique_ptr<LineWriter> release() { return std::move(out_); }
    /// Every reaction written so far, for a look after the run.
    std::shared_ptr<const RunResults> results() const { return results_; }
    const std::string& path() const { return path_; }
    const std::string& failure() const { return failure_; }

private:
    bool readBlocks();
    bool createReport();
    void show(const ReactionResult& result, int listIndex);
    void showLastGrid();

    Session& session_;
    BatchKind kind_;
    bool whole_ = false;
    std::string reportPath_;
    std::string path_;
    std::string failure_;
    /// The mechanism file's lines and the block of each listed reaction: empty when the
    /// list holds no mechanism file's lines.
    std::vector<std::string> fileLines_;
    std::vector<ReactionBlock> blocks_;
    RunSources sources_;
    BatchSummary summary_;
    std::shared_ptr<RunResults> results_;
    std::unique_ptr<LineWriter> out_;
    std::unique_ptr<LineWriter> report_;
    std::shared_ptr<const ThermoIndex> database_;
    std::unique_ptr<SpeciesProvider> species_;
    /// The run's files, and the sinks that take every result, in the order they take it.
    std::vector<std::unique_ptr<ResultSink>> files_;
    std::vector<ResultSink*> sinks_;
    /// What the window shows after the run: the grid of the last reactions whose series
    /// were complete.
    std::optional<ReversalRequest> lastThermochemistry_;
    std::optional<ReversalRequest> lastRateConstants_;
    /// Last: its threads end before anything they read goes.
    std::unique_ptr<ReversalRun> run_;
};

} // namespace zorbel
