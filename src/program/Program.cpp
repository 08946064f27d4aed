#include "program/Program.h"

#include "batch/BatchCommands.h"
#include "comparison/ComparisonCommands.h"
#include "mechanism/MechanismCommands.h"
#include "reversal/ReversalCommands.h"
#include "thermo/ThermoCommands.h"

namespace zorbel {

void connectCommands(Session& session) {
    connectThermo(session);
    connectMechanism(session);
    connectReversal(session);
    connectBatch(session);
    connectComparison(session);
}

} // namespace zorbel
