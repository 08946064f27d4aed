#pragma once
// A reaction of a mechanism file with the lines that belong to it, and the kind of rate it
// describes: what a whole reversed mechanism needs to know to write it again.

#include <array>
#include <cstddef>
#include <optional>
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

/// A rate law on an auxiliary line: LOW/, HIGH/ or one PLOG/ group, with where its numbers
/// stand so that they can be replaced.
struct AuxiliaryLaw {
    std::size_t line = 0; ///< 0-based in the file
    std::size_t contentBegin = 0;
    std::size_t contentEnd = 0;       ///< the numbers between the slashes, in the line
    std::string keyword;              ///< LOW, HIGH or PLOG, in capitals
    std::string pressure;             ///< PLOG/: the pressure as written
    std::array<std::string, 3> texts; ///< A, n and Ea as written
    bool readable = false;            ///< the group holds exactly the numbers it should
};

/// A block's REV/ group: the line that holds it, and its A, n and Ea when they are three
/// words.
struct GivenReverse {
    std::size_t line = 0; ///< 0-based in the file
    std::optional<std::array<std::string, 3>> texts;
};

/// The block's first REV/ group; nothing when it has none.
std::optional<GivenReverse> givenReverse(const std::vector<std::string>& lines,
                                         const ReactionBlock& block);

/// The LOW/, HIGH/ and PLOG/ laws of a block's auxiliary lines, in file order.
std::vector<AuxiliaryLaw> auxiliaryLaws(const std::vector<std::string>& lines,
                                        const ReactionBlock& block);

} // namespace zorbel
