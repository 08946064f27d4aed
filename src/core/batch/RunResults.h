#pragma once
// What a run found, kept once the run is over for whoever wants to look at it again: one
// row per reaction as the report writes it, the species it involves, and what it takes to
// reverse a fitted reaction again with its series (the database the run read and the
// request it was reversed with). Nothing is read back from the files the run wrote.

#include "batch/BatchReaction.h"
#include "batch/BatchSummary.h"
#include "thermo/ThermoIndex.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {

struct RunRow {
    EntryRecord record;                     ///< as the report writes it
    std::vector<std::string> species;       ///< the names in its slots, third bodies too
    std::optional<ReversalRequest> request; ///< set when it was fitted
};

class RunResults {
public:
    /// `database`: the index the run read; `speciesNames`: the names the run listed. Both
    /// are kept, so that a reaction is reversed again over the same data whatever is
    /// loaded since.
    RunResults(std::shared_ptr<const ThermoIndex> database, std::vector<std::string> speciesNames);

    /// One more reaction, in the order the run wrote them: its record once every output
    /// has taken it, and its result.
    void add(const EntryRecord& record, const ReactionResult& result);

    const std::vector<RunRow>& rows() const { return rows_; }

    /// The row's reaction reversed again, with every series; nothing for a row that was
    /// not fitted. Not for use from several threads.
    std::optional<ReversalOutcome> reverseAgain(std::size_t row) const;

private:
    std::shared_ptr<const ThermoIndex> database_;
    std::vector<std::string> speciesNames_;
    std::vector<RunRow> rows_;
};

/// The report's lines for the given records, in their order: its header, then a row each.
std::vector<std::string> reportLines(const std::vector<const EntryRecord*>& records);

} // namespace zorbel
