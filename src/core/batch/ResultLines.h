#pragma once
// What the reversed mechanism says of one reaction, from the run's result: the reaction's
// line as listed, then the range notes and its REV/ line, or the comment saying why it
// has none; and the record the summary and the report are made from.

#include "batch/BatchReaction.h"
#include "batch/BatchSummary.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

/// Where a run's reactions come from, for the comments that point at a fault in a file.
struct RunSources {
    std::string thermoFile;         ///< as the comments name it
    std::vector<int> reactionLines; ///< 1-based line of each listed reaction; may be empty
};

/// A reaction of the list and its result.
struct ListedResult {
    int listIndex = 0;
    const std::string& listed;
    const ReactionResult& result;
};

/// Why a reaction was refused for what its files hold, with the place: the record of a
/// species, or the coefficients of its line ("line 16 of FILE: the coefficients...").
/// `line` 0 names no line; an empty mechanismFile names the line alone. Empty for a
/// refusal of the computation.
std::string dataFaultText(const ReversalOutcome& outcome, int line, std::string_view thermoFile,
                          std::string_view mechanismFile);

/// The lines of the reaction-lines layout for one reaction, its line as listed first; the
/// record is started from the listed entry and filled in.
std::vector<std::string> resultLines(const ListedResult& entry, const RunSources& sources,
                                     EntryRecord& record);

/// The comment of a fault met while a reaction was written, on one line.
std::string faultLine(std::string_view what);

} // namespace zorbel
