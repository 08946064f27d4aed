#include "comparison/ComparisonCommands.h"

#include "app/Session.h"

namespace zorbel {

void connectComparison(Session& session) { (void)session; }

} // namespace zorbel
