#pragma once
// The mechanism tab's commands: loading a mechanism into the reaction list, and showing
// the selected reaction in the panel below it (the batch runs use a quiet twin of it
// through the hidden list LOS4).

#include "program/CommandResult.h"

#include <string>
#include <string_view>

namespace zorbel {

class Session;
struct ParsedReaction;

/// Connects the window elements of this subsystem to their handlers: CMD2 loads a
/// mechanism, a selection in LOS2 shows the reaction, one in LOS4 parses it for a batch.
void connectMechanism(Session& session);

/// CMD2: asks for a mechanism file and lists its reaction lines in LOS2. A file without
/// an exact REACTIONS line, or one that cannot be read, is refused with a message in
/// lblerror. A refusal, a cancelled dialog or a Cancel to the clean-on-load question
/// changes nothing: the mechanism loaded before stays, and the file stays out of the
/// recent files.
CommandResult loadMechanism(Session& session);

/// LOS2 selection: shows the selected entry in the reaction panel. The first reaction
/// shown in a run also fixes the number patterns of the coefficients. A line that cannot
/// be cut is shown with its marks: done, with the warning lblerror shows.
CommandResult showReaction(Session& session);

/// LOS4 selection: publishes the selected entry for a batch run, without touching the
/// status line, the reverse boxes or the patterns, and without a message on failure.
void parseForBatch(Session& session);

/// Writes a parsed reaction into the panel: slots in PropTxt 14-19 with their
/// visibility and the plus signs', A, n, Ea in PropTxt 20-22, the arrow in EgalLbl,
/// and an emptied lblerror. `userSelection` adds what a selection by the user does
/// beyond that: the choice of the patterns when none were chosen yet, and the message
/// of a failed parse. The status line and reverse boxes are the caller's to empty.
void publishReaction(Session& session, const ParsedReaction& parsed, bool userSelection);

} // namespace zorbel
