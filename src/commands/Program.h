#pragma once

namespace zorbel {

class Session;

/// Connects every element of the main window to its command. The desktop window and the
/// tests of the window model start a session this way.
void connectCommands(Session& session);

} // namespace zorbel
