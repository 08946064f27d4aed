#include "cli/Terminal.h"

#include "cli/CliRun.h"
#include "files/TextFiles.h"
#include "files/WindowsApi.h"

#include <atomic>
#include <iostream>

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace zorbel::cli {

Arguments::Arguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        for (int i = 0; i < count; ++i)
            texts_.push_back(pathText(std::filesystem::path(wide[i])));
        LocalFree(wide);
    }
#endif
    if (texts_.empty())
        texts_.assign(argv, argv + argc);
    for (const std::string& text : texts_)
        pointers_.push_back(text.c_str());
    pointers_.push_back(nullptr);
}

void useBinaryStandardStreams() {
#ifdef _WIN32
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

bool standardErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

namespace {

/// Whether the cursor stands at the end of a progress line, which what is printed next must
/// not continue.
std::atomic<bool> progressLineOpen{false};

} // namespace

void showProgressLine(CliRun& run) {
    if (!standardErrorIsTerminal())
        return;
    run.bench.onProgress = [](int percent, const std::string& remaining) {
        std::cerr << "\r" << percent << "%  " << remaining << "      " << std::flush;
        progressLineOpen = true;
    };
}

void endProgressLine() {
    if (progressLineOpen.exchange(false))
        std::cerr << '\n';
}

} // namespace zorbel::cli
