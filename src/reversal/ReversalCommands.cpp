#include "reversal/ReversalCommands.h"

#include "app/Session.h"

namespace zorbel {

void connectReversal(Session& session) {
    (void)session;
}

} // namespace zorbel
