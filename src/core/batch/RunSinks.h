#pragma once
// The outputs of a run. Each consumes the run's results in the list's order and writes
// one file: the reversed mechanism as reaction lines, or as the whole mechanism, and the
// report. A new output is one more sink.

#include "batch/BatchSummary.h"
#include "batch/ResultLines.h"
#include "mechanism/ReactionBlocks.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zorbel {

class LineWriter;
class SpeciesProvider;

/// One reaction as the sinks take it: its result, the reaction-lines layout's lines for it
/// (its line as listed first) and its record, which a sink may bring up to date for the
/// sinks after it.
struct SinkEntry {
    const ListedResult& reaction;
    const std::vector<std::string>& lines;
    EntryRecord& record;
};

class ResultSink {
public:
    virtual ~ResultSink() = default;
    virtual void take(const SinkEntry& entry) = 0;
    /// After the last reaction: what the file still lacks.
    virtual void finish() {}
};

/// The reversed mechanism as reaction lines: each listed reaction and its lines.
class ReactionLinesSink : public ResultSink {
public:
    explicit ReactionLinesSink(LineWriter& out) : out_(out) {}
    void take(const SinkEntry& entry) override;

private:
    LineWriter& out_;
};

/// The whole mechanism: every line of the mechanism file, each reaction's block written
/// with its REV/ line or as an irreversible pair.
class WholeMechanismSink : public ResultSink {
public:
    WholeMechanismSink(LineWriter& out, const std::vector<std::string>& fileLines,
                       const std::vector<ReactionBlock>& blocks, SpeciesProvider& species,
                       CoefficientPatterns patterns, double tolerance = 0.0)
        : out_(out), fileLines_(fileLines), blocks_(blocks), species_(species),
          patterns_(std::move(patterns)), tolerance_(tolerance) {}
    void take(const SinkEntry& entry) override;
    void finish() override { copyFileLines(fileLines_.size()); }

private:
    void copyFileLines(std::size_t end);

    LineWriter& out_;
    const std::vector<std::string>& fileLines_;
    const std::vector<ReactionBlock>& blocks_;
    SpeciesProvider& species_;
    CoefficientPatterns patterns_;
    double tolerance_ = 0.0; ///< the largest error of a reverse rate, a fraction
    std::size_t copied_ = 0; ///< the file's lines written so far
};

/// The report: one row per reaction after its header.
class ReportSink : public ResultSink {
public:
    /// Writes the header; `withTerms`: a run under a tolerance, whose rows end with the
    /// number of laws of each reverse rate.
    explicit ReportSink(LineWriter& out, bool withTerms = false);
    void take(const SinkEntry& entry) override;

private:
    LineWriter& out_;
    bool withTerms_ = false;
};

} // namespace zorbel
