#pragma once
// The command-line face drives the same window model as a user would: it answers the
// file dialogs with the paths given on the command line, confirms with Yes, prints the
// message boxes to standard output.

#include "app/ScriptedPlatform.h"
#include "app/Session.h"

#include <string>

namespace zorbel::cli {

/// Exit codes: 0 done, 1 the program refused (message on standard error), 2 bad usage.
inline constexpr int ExitDone = 0;
inline constexpr int ExitRefused = 1;
inline constexpr int ExitUsage = 2;

class CliRun {
public:
    CliRun();
    ScriptedPlatform platform;
    Session session;
    REVEQfrm& form() { return session.form; }

    /// Loads a database as the CMD1 button would, the dialog answering with the path.
    void loadDatabase(const std::string& path);
    /// Loads a mechanism as the CMD2 button would.
    void loadMechanism(const std::string& path);
    /// The same loads for a command that needs the file: ExitDone, or ExitRefused after
    /// printing on standard error the window's refusal or that the file could not be read
    /// (a pipe or a device is no file the program reads).
    int loadDatabaseOrExplain(const std::string& path);
    int loadMechanismOrExplain(const std::string& path);
    /// Prints lblerror to standard error when it holds a message and returns
    /// ExitRefused then, ExitDone otherwise.
    int refusalOrDone();

private:
    /// What a load left: the window's refusal, a file that could not be read (the label
    /// naming the loaded file stayed empty), or ExitDone.
    int explainLoad(const Label& loadedLabel, const char* cannotRead, const std::string& path);
};

} // namespace zorbel::cli
