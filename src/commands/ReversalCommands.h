#pragma once

namespace zorbel {

class Session;

/// Connects the window elements of this subsystem to their handlers.
void connectReversal(Session& session);

} // namespace zorbel
