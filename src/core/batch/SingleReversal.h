#pragma once
// One reaction reversed on its own, as the Reverse button and the command line's `reverse`
// do: every series kept, and the table file (temp.txt) written from the result.

#include "batch/BatchReaction.h"

#include <optional>
#include <string>

namespace zorbel {

/// Reverses the request with every series kept, its reverse coefficients written in the
/// patterns and S as the files write it.
ReactionResult reverseAlone(const ReversalRequest& request, const CoefficientPatterns& patterns,
                            SpeciesProvider& species);

/// The reaction texts of the table file: slots joined with "+" and "=>", empty slots
/// dropped with their "+".
std::string forwardReactionText(const ReactionSlots& slots);
std::string reverseReactionText(const ReactionSlots& slots);

/// Where a reversed reaction comes from, for the messages that name a file or a line.
struct ReversalPlace {
    std::string thermoPath;
    std::string mechanismPath;
    int line = 0; ///< the reaction's 1-based line in the mechanism file; 0 for none
    PersonalRange personal;
};

/// What the single Reverse says of its outcome: why it was refused, or, for a reaction
/// reversed, the warning about the personal range (empty when there is none).
std::string reversalMessage(const ReversalOutcome& outcome, const ReversalPlace& place);

/// "Calculated between ... K": the range a fitted reaction was reversed over.
std::string calculatedRangeText(const ReversalOutcome& outcome);

/// The table file of a fitted result: eight coefficient lines, the header, one row per
/// point. Nothing when it was written whole; otherwise the refusal, naming its whole path
/// and the system's cause.
std::optional<std::string> writeReactionTable(const std::string& path,
                                              const ReactionResult& result);

} // namespace zorbel
