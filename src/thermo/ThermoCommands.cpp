#include "thermo/ThermoCommands.h"

#include "app/Session.h"

namespace zorbel {

void connectThermo(Session& session) { (void)session; }

} // namespace zorbel
