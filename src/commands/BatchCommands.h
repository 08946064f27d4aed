#pragma once

namespace zorbel {

class Session;

/// Connects the window elements of this subsystem to their handlers.
void connectBatch(Session& session);

} // namespace zorbel
