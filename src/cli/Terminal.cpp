#include "cli/Terminal.h"

#include "cli/CliRun.h"

#include <iostream>

#ifdef _WIN32
#include <cstdio>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace zorbel::cli {

bool standardErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

void showProgressLine(CliRun& run) {
    if (!standardErrorIsTerminal())
        return;
    const REVEQfrm& form = run.form();
    run.platform.onEvents = [&form] {
        std::cerr << "\r" << static_cast<int>(form.ProgBar.value()) << "%  "
                  << form.timeremaining.caption() << "      " << std::flush;
    };
}

void endProgressLine() {
    if (standardErrorIsTerminal())
        std::cerr << '\n';
}

} // namespace zorbel::cli
