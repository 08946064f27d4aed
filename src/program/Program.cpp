#include "program/Program.h"

#include "app/HelpLinks.h"
#include "batch/BatchCommands.h"
#include "comparison/ComparisonCommands.h"
#include "mechanism/MechanismCommands.h"
#include "mechanism/ReactionSearch.h"
#include "reversal/CheckCommand.h"
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
    // After the loaders, so that the check runs once a load has ended.
    connectCheck(session);
}

} // namespace zorbel
