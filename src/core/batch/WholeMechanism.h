#pragma once
// The lines of a whole reversed mechanism for one reaction block: the block as written with
// lines put after its reaction line, or the block written as a pair of irreversible
// reactions, the forward one as given and the reverse one with its laws reversed.

#include "batch/BatchSummary.h"
#include "batch/ReverseSum.h"
#include "mechanism/ParsedReaction.h"
#include "mechanism/ReactionBlocks.h"
#include "reversal/ReactionReversal.h"

#include <array>
#include <string>
#include <vector>

namespace zorbel {

/// The block as written, with `inserted` right after its line `after` (0-based in the file;
/// by default its reaction line).
void writeInserted(const std::vector<std::string>& lines, const ReactionBlock& block,
                   const std::vector<std::string>& inserted, std::vector<std::string>& out);
void writeInserted(const std::vector<std::string>& lines, const ReactionBlock& block,
                   std::size_t after, const std::vector<std::string>& inserted,
                   std::vector<std::string>& out);

/// A reversed law and the comment that goes with it on its line.
struct ReversedLaw {
    std::array<std::string, 3> texts; ///< A, n and Ea
    std::string comment;              ///< "!..." or empty
    /// The other laws of a sum at one PLOG/ pressure, each on a line of its own after the
    /// law's, with their comments.
    std::vector<ReversedLaw> more;
};

/// What the reverse member of a pair carries.
struct ReverseMember {
    ReversedLaw high;               ///< on the reaction line
    std::vector<std::string> notes; ///< comment lines after the reaction line
    std::vector<ReversedLaw> laws;  ///< one per auxiliaryLaws(lines, block), in order
};

/// "B=>A" from a reaction line "A<=>B ..."; empty when the line holds no "<=>".
std::string reversedEquation(const std::string& reactionLine);

/// The block as a pair: the forward member with "=>" and every auxiliary line, then the
/// reverse member with the auxiliary lines that hold something, its laws replaced, then
/// the comment and blank lines that end the block. False, writing nothing, when the
/// reaction line holds no "<=>" or the laws do not match the block's.
bool writePair(const std::vector<std::string>& lines, const ReactionBlock& block,
               const ReverseMember& reverse, std::vector<std::string>& out);

/// The same with a reverse of several members, each marked DUPLICATE (unless the reaction
/// already is), whose rates add up to the reverse rate.
bool writeSumPair(const std::vector<std::string>& lines, const ReactionBlock& block,
                  const std::vector<ReverseMember>& members, std::vector<std::string>& out);

/// What the run computed for a reaction that got a reverse law: its request and outcome
/// (for its other laws), and the patterns its coefficients are written in.
struct FittedReaction {
    const ReversalRequest& request;
    const ReversalOutcome& outcome;
    CoefficientPatterns patterns;
    SpeciesProvider& species;
    /// The largest error a reverse rate may have, a fraction; 0 for none.
    double tolerance = 0.0;
    /// The laws that stand for the reverse of the reaction line's law when one law cannot
    /// (of a falloff or chemically activated reaction, for that limit); null for one law.
    const WrittenSum* sum = nullptr;
};

/// The lines of a reaction's block in the whole mechanism. `inserted` holds what the
/// reaction-lines layout writes after its reaction line (range notes, then the REV/ line
/// or the comments saying why there is none); `record` says what the run made of it so
/// far and is brought up to date: a pair, a reaction kept with its own REV/ or rate form,
/// the worst of its laws. `fitted` is needed when the record says Reversed.
std::vector<std::string> wholeBlockLines(const std::vector<std::string>& lines,
                                         const ReactionBlock& block,
                                         std::vector<std::string> inserted, EntryRecord& record,
                                         const FittedReaction* fitted);

} // namespace zorbel
