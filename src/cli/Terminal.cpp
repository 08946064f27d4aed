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
    run.bench.onProgress = [](int percent, const std::string& remaining) {
        std::cerr << "\r" << percent << "%  " << remaining << "      " << std::flush;
    };
}

void endProgressLine() {
    if (standardErrorIsTerminal())
        std::cerr << '\n';
}

} // namespace zorbel::cli
