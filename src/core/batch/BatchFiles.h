#pragma once
// A batch's files over the core's run: the reversed mechanism (its reaction lines, or the
// whole mechanism), the report, and any sink a caller adds, each given every result in the
// order the reactions are written. The window and the command line both run their batches
// through it; what either shows of the results is its own affair.

#include "batch/BatchSummary.h"
#include "batch/ReversalRun.h"
#include "batch/RunResults.h"
#include "batch/RunSinks.h"
#include "files/TextFiles.h"
#include "mechanism/ReactionBlocks.h"
#include "reversal/SpeciesProvider.h"
#include "text/DateText.h"
#include "thermo/ThermoIndex.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {

/// What a batch reads besides its settings: the loaded database and mechanism.
struct BatchInputs {
    std::string thermoPath;
    std::vector<std::string> species; ///< the database's species, as listed
    std::vector<std::string> listed;  ///< every reaction of the mechanism, as listed
    std::vector<int> reactionLines;   ///< the 1-based line of each listed reaction
    std::string mechanismPath;
    double gasConstant = 0.0; ///< R [cal/(mol K)]
};

/// A reaction's text as the parser reads it, from its entry in the list.
std::string parseTextOf(const std::string& listed);
/// Every entry of a list of `count`, in the list's order: Reverse All's order.
std::vector<int> wholeListOrder(std::size_t count);
/// The refusal of a command that finds the loaded database file gone or unreadable.
std::string databaseUnreadable(const std::string& path);

class BatchFiles {
public:
    /// `ownFiles`: the run writes the whole mechanism and the report when the settings ask
    /// for them; the comparison's run takes the reaction lines alone.
    BatchFiles(BatchInputs inputs, RunSettings settings, bool ownFiles);
    ~BatchFiles();
    BatchFiles(const BatchFiles&) = delete;
    BatchFiles& operator=(const BatchFiles&) = delete;

    /// Reads the database and starts the file, dated `now`; false, with failure() saying
    /// why, when either cannot be done. A database that can no longer be read would turn
    /// every reaction into a missing-species line: the previous file is worth more.
    bool create(const std::string& path, const DateTime& now);
    /// Gives the results to one more sink, which must outlive the run; before start().
    void addSink(ResultSink& sink) { sinks_.push_back(&sink); }
    /// Starts the run over the list's entries `order` (list indices), in the order they
    /// will be written: all of them, or a selection.
    void start(const std::vector<int>& order, RunStart start);
    /// Writes the next reaction, the entry `listIndex` of the list, and returns its result.
    /// A fault in one reaction costs that reaction only.
    ReactionResult writeNext(int listIndex);
    /// Stops the run and closes the file. With `putInPlace` false the complete file waits
    /// in its scratch file for release(). False, with failure() saying why, when a byte was
    /// lost or the file could not be put in place.
    bool finish(bool putInPlace = true);

    /// Puts the report in place, if the run writes one; false, with failure() saying why,
    /// when it could not be written whole.
    bool closeReport();
    const std::string& reportPath() const { return reportPath_; }
    /// The counts of the closing summary, lines ended by `newLine`.
    std::string summary(const std::string& newLine) const { return summary_.text(newLine); }
    std::unique_ptr<LineWriter> release() { return std::move(out_); }
    /// Every reaction written so far, for a look after the run.
    std::shared_ptr<const RunResults> results() const { return results_; }
    const std::string& path() const { return path_; }
    const std::string& failure() const { return failure_; }
    const RunSettings& settings() const { return settings_; }

private:
    bool readBlocks();
    bool createReport();

    BatchInputs inputs_;
    RunSettings settings_;
    bool whole_ = false;
    std::string reportPath_;
    std::string path_;
    std::string failure_;
    /// The mechanism file's lines and the block of each listed reaction: empty when the
    /// run needs no more than the reaction lines.
    std::vector<std::string> fileLines_;
    std::vector<ReactionBlock> blocks_;
    /// By list index: the reaction is a member of a DUPLICATE group in the mechanism file.
    std::vector<bool> duplicates_;
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
    /// Last: its threads end before anything they read goes.
    std::unique_ptr<ReversalRun> run_;
};

} // namespace zorbel
