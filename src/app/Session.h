#pragma once
// One run of the program: the shared record, the main window model and the platform
// that serves them. Every command is a function of the session.

#include "app/CommandResult.h"
#include "app/CommonValue.h"
#include "app/Findfrm.h"
#include "app/Platform.h"
#include "app/REVEQfrm.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zorbel {

class Session {
public:
    /// Creates the window and runs its start-up: the About tab is shown, nothing loaded.
    explicit Session(Platform& platform);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Platform& platform;
    CommonValue common;
    REVEQfrm form;
    Findfrm find;

    /// True while a batch run yields to the event loop: other commands must not start.
    bool batchRunning = false;
    /// Set during a batch run's yields to stop it (the window is closing): the run ends at
    /// the next yield and writes nothing.
    bool stopRequested = false;
    /// The threads a batch run computes its reactions on; 0 for one per core. The files
    /// are the same whatever the number.
    int batchThreads = 0;

    /// Runs a command to its end and returns its result: a fault it did not foresee
    /// becomes a refusal whose message lblerror shows, and the window stays usable.
    CommandResult handle(const std::function<CommandResult()>& handler);
    /// As handle, for a command the user starts: refused during a batch run.
    CommandResult start(const std::function<CommandResult()>& command);
    /// handle and start for a handler that has no result to give.
    void runHandler(const std::function<void()>& handler);
    void runCommand(const std::function<void()>& command);

    /// A refusal, shown in lblerror as it is returned.
    CommandResult refuse(std::string message);
    /// The open-file dialog of a command, with its title and filter; nothing when the user
    /// cancels.
    std::optional<std::string> askForFile(std::string_view title, std::string_view filter);
    /// The information box that closes a command that wrote its files.
    void showJobDone(const std::string& text);
    /// Its usual text: "Output file copied to:", a line break and the file.
    std::string outputCopiedTo(const std::string& path) const;

    /// The check of the number of points that the reversal commands make before
    /// anything else: refused (with the warning and a yellow Ntxt) when it is empty or
    /// outside 3 to 10000.
    CommandResult checkPoints();
};

/// The three addresses handed to the system's open-address service.
std::string helpAddress();
std::string downloadAddress();
std::string contactAddress();

/// The contact addresses as the about tab shows them: one a line, without "mailto:".
std::string contactAddressShown();

} // namespace zorbel
