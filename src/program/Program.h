#pragma once

namespace zorbel {

class Session;

/// Connects every element of the main window to its command. The desktop window, the
/// command-line face and the tests all start a session this way.
void connectCommands(Session& session);

} // namespace zorbel
