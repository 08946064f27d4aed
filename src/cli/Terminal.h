#pragma once
// The program's console: its arguments, its standard output, and the progress of a long
// run, on one line of standard error when a person watches it there; a script that reads
// standard error gets no such line.

#include <string>
#include <vector>

namespace zorbel::cli {

/// The command line as UTF-8 text, as the program holds every path. Windows hands a
/// program its narrow arguments in a code page that cannot name every file; its wide
/// command line can.
class Arguments {
public:
    Arguments(int argc, char** argv);
    int count() const { return static_cast<int>(texts_.size()); }
    const char* const* values() const { return pointers_.data(); }

private:
    std::vector<std::string> texts_;
    std::vector<const char*> pointers_;
};

/// Standard output and error pass on the bytes they are given, as on every other system:
/// the CR LF line ends of the program's texts are not made CR CR LF on Windows, and a
/// script reads the same bytes wherever it runs.
void useBinaryStandardStreams();

class CliRun;

/// True when standard error is a terminal.
bool standardErrorIsTerminal();

/// From now on, the run's every step rewrites the progress line: the percentage and the
/// remaining time.
void showProgressLine(CliRun& run);
/// Ends the progress line, if one is shown, so that what follows starts on a line of its own.
void endProgressLine();

} // namespace zorbel::cli
