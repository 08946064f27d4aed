#pragma once
// Finding the reactions of the mechanism that involve up to three given species, and
// the search window's handlers.
//
// The window works on its own copy of the reaction list, sorted, in which irreversible
// arrows carry a mark; choosing a reaction there selects the same line in the main list.

#include "app/CommandResult.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

class Session;

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

/// What the result label shows after a search with `queryCount` non-empty queries that
/// found `found` reactions; nothing when the label keeps the text it was reset to.
std::optional<std::string> resultLabelText(int queryCount, std::size_t found);

/// A main-list entry as the search window lists it: a reversible reaction unchanged,
/// any other with every "=>" marked "|=>".
std::string searchListEntry(std::string_view entry);

/// The main-list entry a search-window entry stands for: the marks removed again.
std::string mainListEntry(std::string_view searchEntry);

/// FindCmd: opens the search window on the loaded mechanism and returns when it closes.
CommandResult openSearchWindow(Session& session);
/// FindCmdR: lists the reactions that hold every species typed into the search window.
CommandResult runSearch(Session& session);

/// Connects the main window's search button and the search window's elements to their
/// handlers.
void connectSearch(Session& session);

} // namespace zorbel
