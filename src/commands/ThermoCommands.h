#pragma once

#include "program/CommandResult.h"

namespace zorbel {

class Session;

/// CMD1: asks for a database file and lists its species in LOS1. Refused when the file
/// cannot be read or holds no species record, stopped by a cancelled dialog: either way
/// the database loaded before stays, and the file stays out of the recent files.
CommandResult loadDatabase(Session& session);

/// LOS1 selection: shows the selected species' record, read from the file again. Refused
/// when the record cannot be computed with (lblerror says why) or cannot be found (the
/// previous species stays shown, without a message).
CommandResult showSpecies(Session& session);

/// TXT1K change: Cp/R at the typed temperature, and the same temperature typed into the
/// H/RT and S/R boxes, whose handlers show theirs.
CommandResult evaluateCp(Session& session);

/// Connects the window elements of this subsystem to their handlers.
void connectThermo(Session& session);

} // namespace zorbel
