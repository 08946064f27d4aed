#include "program/Program.h"

#include "app/HelpLinks.h"
#include "batch/BatchCommands.h"
#include "comparison/ComparisonCommands.h"
#include "mechanism/MechanismCommands.h"
#include "mechanism/ReactionSearch.h"
#include "reversal/ReversalCommands.h"
#include "thermo/ThermoCommands.h"

namespace zorbel {

void connectCommands(Session& session) {
    connectThermo(session);
    connectMechanism(session);
    connectSearch(session);
    connectReversal(session);
    connectBatch(session);
    connectComparison(session);
    connectHelpLinks(session);
}

} // namespace zorbel
