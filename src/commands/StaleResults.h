#pragma once
// What a new pick or a new load makes stale on the window.

namespace zorbel {

class Session;

/// Forgets the results of the reaction reversed last: its reverse coefficients, S, the
/// range line, the "run was stopped" line, the slot colours its lookups gave, and a
/// reaction that a batch left in the panel (the reaction the user picked stays).
void forgetResults(Session& session);

} // namespace zorbel
