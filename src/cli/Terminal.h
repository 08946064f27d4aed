#pragma once
// The progress of a long run, on one line of standard error when a person watches it
// there; a script that reads standard error gets no such line.

namespace zorbel::cli {

class CliRun;

/// True when standard error is a terminal.
bool standardErrorIsTerminal();

/// From now on, the run's every step rewrites the progress line: the percentage and the
/// remaining time.
void showProgressLine(CliRun& run);
/// Ends the progress line, so that what follows starts on a line of its own.
void endProgressLine();

} // namespace zorbel::cli
