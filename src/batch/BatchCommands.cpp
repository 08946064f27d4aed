#include "batch/BatchCommands.h"

#include "app/Session.h"

namespace zorbel {

void connectBatch(Session& session) { (void)session; }

} // namespace zorbel
