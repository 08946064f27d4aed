#include "batch/RunResults.h"

#include "batch/BatchTexts.h"
#include "mechanism/MechanismTexts.h"
#include "reversal/SpeciesProvider.h"

namespace zorbel {

RunResults::RunResults(std::shared_ptr<const ThermoIndex> database,
                       std::vector<std::string> speciesNames)
    : database_(std::move(database)), speciesNames_(std::move(speciesNames)) {}

void RunResults::add(const EntryRecord& record, const ReactionResult& result) {
    RunRow& row = rows_.emplace_back();
    row.record = record;
    for (const std::string& slot : result.parsed.Slots) {
        if (!slot.empty() && slot != texts::EmptySlotMark && slot != texts::FailedSlotMark)
            row.species.push_back(slot);
    }
    if (result.fitted())
        row.request = result.request;
}

std::optional<ReversalOutcome> RunResults::reverseAgain(std::size_t row) const {
    if (row >= rows_.size() || !rows_[row].request || !database_)
        return std::nullopt;
    // A provider of its own: the run's went with the run, and one reaction needs one grid.
    SpeciesProvider species(speciesNames_, database_.get());
    ReversalOutcome outcome = reverseReaction(*rows_[row].request, species);
    if (!outcome.fit)
        return std::nullopt;
    return outcome;
}

std::vector<std::string> reportLines(const std::vector<const EntryRecord*>& records) {
    std::vector<std::string> lines;
    lines.reserve(records.size() + 1);
    lines.emplace_back(texts::ReportHeader);
    for (const EntryRecord* record : records)
        lines.push_back(reportRow(*record));
    return lines;
}

} // namespace zorbel
