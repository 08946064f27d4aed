#include "commands/ReversalCommands.h"

#include "app/Session.h"
#include "commands/ReverseCommand.h"

namespace zorbel {

void connectReversal(Session& session) {
    session.form.CMD3.onClick = [&session] {
        session.start([&session] { return reverseShownReaction(session); });
    };
}

} // namespace zorbel
