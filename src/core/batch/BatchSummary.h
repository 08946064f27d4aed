#pragma once
// What a batch run found for each reaction, counted in the summary that closes the run and
// written one row per reaction in its report.

#include "mechanism/ReactionBlocks.h"
#include "reversal/FitQuality.h"
#include "reversal/ReactionReversal.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

enum class EntryOutcome { Reversed, Pair, Irreversible, NotReversed };

struct EntryRecord {
    int index = 0;        ///< in the reaction list, from 0
    std::string equation; ///< as listed
    ReactionKind kind = ReactionKind::Elementary;
    EntryOutcome outcome = EntryOutcome::NotReversed;
    std::string reason; ///< why it was not reversed
    std::array<std::string, 3> forward;
    std::array<std::string, 3> reverse; ///< the reverse law written, high-pressure for a pair
    std::string S;
    std::optional<Deviation> quality; ///< the worst of the reaction's fitted laws
    std::string cold, hot;            ///< the fitting range [K]
};

/// Marks a reaction written without a law of the run's: the report then names no fitted law.
void markNotReversed(EntryRecord& record, std::string_view why);

/// The short reason of a refusal, as the summary counts it.
std::string_view refusalReason(Refusal refusal);

std::string_view kindName(ReactionKind kind);

/// A deviation as the files write it: "12.3% at 300 K".
std::string deviationText(const Deviation& deviation);

/// The counts of a run as its reactions are written: reversed, written as pairs, kept
/// irreversible and not reversed (with a count per reason), and the worst fit.
class BatchSummary {
public:
    void add(const EntryRecord& record);
    /// Lines joined by `newLine`.
    std::string text(const std::string& newLine) const;

private:
    std::size_t reactions_ = 0;
    std::array<std::size_t, 4> counts_{};
    std::map<std::string, std::size_t> reasons_;
    std::optional<EntryRecord> worst_;
};

/// The fields of a report row, in the header's order, as the report writes them.
std::vector<std::string> reportFields(const EntryRecord& record);

/// A row of the report, comma-separated, fields that hold a comma or a quote quoted; the
/// header line is texts::ReportHeader.
std::string reportRow(const EntryRecord& record);

} // namespace zorbel
