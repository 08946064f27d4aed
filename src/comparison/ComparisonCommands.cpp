#include "comparison/ComparisonCommands.h"

#include "app/Session.h"
#include "comparison/ComparisonCommand.h"

namespace zorbel {

void connectComparison(Session& session) {
    session.form.CMD6.onClick = [&session] {
        session.runCommand([&session] { annotateComparison(session); });
    };
}

} // namespace zorbel
