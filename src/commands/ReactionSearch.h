#pragma once
// The search window's handlers over the core's search (mechanism/SpeciesSearch.h): the
// window works on its own sorted copy of the reaction list; choosing a reaction there
// selects the same line in the main list.

#include "program/CommandResult.h"

namespace zorbel {

class Session;

/// FindCmd: opens the search window on the loaded mechanism and returns when it closes.
CommandResult openSearchWindow(Session& session);
/// FindCmdR: lists the reactions that hold every species typed into the search window.
CommandResult runSearch(Session& session);

/// Connects the main window's search button and the search window's elements to their
/// handlers.
void connectSearch(Session& session);

} // namespace zorbel
