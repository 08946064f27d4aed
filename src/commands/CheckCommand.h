#pragma once
// After a load in the window, the check of the files loaded (see InputCheck.h): its
// findings and the headers read from their columns in one findings box.

#include "program/CommandResult.h"

namespace zorbel {

class Session;

/// Checks the loaded database and, when one is loaded, the mechanism, when the load
/// policy asks for warning boxes (the window). Done, with the findings one a line as its
/// message; they are shown with the headers read from their columns, once for each pair
/// of files in a run.
CommandResult checkLoadedFiles(Session& session);

/// Connects CMD1 and CMD2 to their loads followed, when the load is done, by
/// checkLoadedFiles (in place of the loaders' own connections).
void connectCheck(Session& session);

} // namespace zorbel
