#include "commands/BatchCommands.h"

#include "app/Session.h"
#include "commands/BatchReversal.h"

namespace zorbel {

void connectBatch(Session& session) {
    session.form.CMD4.onClick = [&session] {
        session.start([&session] { return reverseAllCommand(session); });
    };
    session.form.CMD5.onClick = [&session] {
        session.start([&session] { return reverseSelectedCommand(session); });
    };
}

} // namespace zorbel
