#include "commands/Program.h"

#include "app/HelpLinks.h"
#include "commands/BatchCommands.h"
#include "commands/CheckCommand.h"
#include "commands/ComparisonCommands.h"
#include "commands/MechanismCommands.h"
#include "commands/ReactionSearch.h"
#include "commands/ReversalCommands.h"
#include "commands/ThermoCommands.h"

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
