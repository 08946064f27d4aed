#pragma once
// A reaction of a mechanism file with the lines that belong to it, and the kind of rate it
// describes: what a whole reversed mechanism needs to know to write it again.

#include <cstddef>
#include <string>
#include <vector>

namespace zorbel {

enum class ReactionKind {
    Elementary,
    ThirdBody,           // "+M" on each side
    Falloff,             // "(+M)" with LOW/
    ChemicallyActivated, // "(+M)" with HIGH/
    Plog,                // PLOG/ lines
    Other,               // a rate form or species the reversal does not handle
};

struct ReactionBlock {
    std::size_t line = 0; // the reaction line, 0-based in the file
    std::size_t end = 0;  // one past the block's last line: the next reaction, END or the end
    ReactionKind kind = ReactionKind::Elementary;
    std::string otherKeyword; // what makes it Other: CHEB, FORD, HV, ...
    bool duplicate = false;
    bool givenReverse = false; // it carries REV/
};

/// The blocks of the reaction lines at `entryLines` (1-based, in increasing order, as
/// reactionEntries gives them). A block runs from its line to the next reaction line or
/// to the END that closes the section.
std::vector<ReactionBlock> reactionBlocks(const std::vector<std::string>& lines,
                                          const std::vector<int>& entryLines);

} // namespace zorbel
