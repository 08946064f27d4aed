#pragma once
// Finding the reactions of a mechanism that involve up to three given species: the search
// both faces run, the window over its sorted copy of the reaction list, the command line
// over the same copy made here.
//
// The copy is sorted, and its irreversible arrows carry a mark; choosing a reaction there
// selects the same line in the main list.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

/// A species as the user typed it, ready to be looked for: blanks removed, upper case.
std::string speciesQuery(std::string_view typed);

/// True when the reaction line holds the species as a whole name in its equation: at the
/// start of the line, or between the signs that surround a species ("+", ">", "(" ...).
/// The same letters inside a longer name or among the coefficients do not count. The
/// comparison is exact: the line is expected in upper case, like the query.
bool containsSpecies(std::string_view entry, std::string_view query);

/// The entries of the domain that contain every non-empty query, in the domain's order.
/// Nothing when every query is empty.
std::vector<std::string> searchReactions(const std::vector<std::string>& domain,
                                         std::span<const std::string> queries);

/// The count's text after a search with `queryCount` non-empty queries that found `found`
/// reactions; nothing when it stays the text it was reset to (texts::FoundNothing).
std::optional<std::string> resultLabelText(int queryCount, std::size_t found);

/// A main-list entry as the search lists it: a reversible reaction unchanged, any other
/// with every "=>" marked "|=>".
std::string searchListEntry(std::string_view entry);

/// The main-list entry a search entry stands for: the marks removed again.
std::string mainListEntry(std::string_view searchEntry);

/// What the search looks through: the first `reactionCount` listed reactions (never past
/// the list's end), marked, in byte order.
std::vector<std::string> searchDomain(const std::vector<std::string>& listed, int reactionCount);

/// The reactions found and their count in words.
struct SearchFound {
    std::vector<std::string> found;
    std::string count;
};

/// The reactions of the domain that hold every species typed (an empty text counts for
/// none).
SearchFound searchTyped(const std::vector<std::string>& domain,
                        const std::array<std::string, 3>& typed);

} // namespace zorbel
