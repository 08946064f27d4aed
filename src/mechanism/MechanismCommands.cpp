#include "mechanism/MechanismCommands.h"

#include "app/Session.h"

namespace zorbel {

void connectMechanism(Session& session) { (void)session; }

} // namespace zorbel
