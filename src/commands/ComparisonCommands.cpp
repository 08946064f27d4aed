#include "commands/ComparisonCommands.h"

#include "app/Session.h"
#include "commands/ComparisonCommand.h"

namespace zorbel {

void connectComparison(Session& session) {
    session.form.CMD6.onClick = [&session] {
        session.start([&session] { return annotateComparison(session); });
    };
}

} // namespace zorbel
