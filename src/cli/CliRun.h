#pragma once
// The command-line face runs the program without its window: the paths and options given
// on the command line go in as typed values, message boxes are printed to standard
// output, and its exit code comes from the commands' results.

#include "program/CommandResult.h"
#include "program/Workbench.h"

#include <string>
#include <string_view>

namespace CLI {
class App;
}

namespace zorbel::cli {

/// Exit codes: 0 done, 1 the program refused (message on standard error), 2 bad usage.
inline constexpr int ExitDone = 0;
inline constexpr int ExitRefused = 1;
inline constexpr int ExitUsage = 2;

/// --clean and --force of the commands that read a mechanism.
struct CleanFlags {
    bool clean = false;
    bool force = false;
};

void addCleanFlags(CLI::App& command, CleanFlags& flags);

class CliRun {
public:
    CliRun();
    Workbench bench;

    /// Loads a database; its warnings go to standard error.
    CommandResult loadDatabase(const std::string& path);
    /// Loads a mechanism: cleaned first with --clean; without it, a file not in the layout
    /// gets a warning on standard error.
    CommandResult loadMechanism(const std::string& path);
    CleanFlags cleanFlags;
    /// The number of reactions loaded.
    int reactionCount() const { return static_cast<int>(bench.reactions().size()); }
};

/// Refuses an index outside 0 to count - 1 on standard error, the index as the user wrote
/// it; false when the index is one of the mechanism's.
bool refusedIndex(bool inRange, std::string_view written, int count);
/// The same for an index read as a number.
bool refusedIndex(int index, int count);

/// The exit code a result calls for: ExitDone, or ExitRefused after printing the message of
/// a refusal or a stop on standard error.
int exitCodeOf(const CommandResult& result);

} // namespace zorbel::cli
