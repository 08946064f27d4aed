#include "batch/BatchCommands.h"

#include "app/Session.h"
#include "batch/BatchReversal.h"

namespace zorbel {

void connectBatch(Session& session) {
    session.form.CMD4.onClick = [&session] {
        session.runCommand([&session] { reverseAllCommand(session); });
    };
    session.form.CMD5.onClick = [&session] {
        session.runCommand([&session] { reverseSelectedCommand(session); });
    };
}

} // namespace zorbel
