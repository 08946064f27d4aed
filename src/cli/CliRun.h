#pragma once
// The command-line face drives the same window model as a user would: it answers the
// file dialogs with the paths given on the command line, confirms with Yes, prints the
// message boxes to standard output. Its exit code comes from the commands' results.

#include "app/CommandResult.h"
#include "app/ScriptedPlatform.h"
#include "app/Session.h"

#include <functional>
#include <string>

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
    ScriptedPlatform platform;
    Session session;
    REVEQfrm& form() { return session.form; }

    /// Loads a database as the CMD1 button would, the dialog answering with the path.
    CommandResult loadDatabase(const std::string& path);
    /// Loads a mechanism as the CMD2 button would: cleaned first with --clean; without it,
    /// a file not in the layout gets a warning on standard error.
    CommandResult loadMechanism(const std::string& path);
    CleanFlags cleanFlags;
    /// Does what a user does to an element (selects in a list, types into a box) and
    /// returns the result of the command the element's handler runs then: for the action
    /// the handler is one that runs `command` and keeps its result.
    CommandResult act(std::function<void()>& handler, const std::function<CommandResult()>& command,
                      const std::function<void()>& action);
};

/// The exit code a result calls for: ExitDone, or ExitRefused after printing the message of
/// a refusal or a stop on standard error.
int exitCodeOf(const CommandResult& result);

} // namespace zorbel::cli
