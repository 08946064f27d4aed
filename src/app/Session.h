#pragma once
// One run of the program: the shared record, the main window model and the platform
// that serves them. Every command is a function of the session.

#include "app/CommonValue.h"
#include "app/Findfrm.h"
#include "app/Platform.h"
#include "app/REVEQfrm.h"

#include <functional>
#include <string>

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

    /// Runs a command to its end: a fault it did not foresee becomes a message in
    /// lblerror and the window stays usable.
    void runHandler(const std::function<void()>& handler);
    /// As runHandler, for a command the user starts: refused during a batch run.
    void runCommand(const std::function<void()>& command);

    /// The check of the number of points that the reversal commands make before
    /// anything else: false (with the warning and a yellow Ntxt) when it is empty or
    /// outside 3 to 10000.
    bool checkPoints();
};

/// The three addresses handed to the system's open-address service.
std::string helpAddress();
std::string downloadAddress();
std::string contactAddress();

/// The contact addresses as the about tab shows them: one a line, without "mailto:".
std::string contactAddressShown();

} // namespace zorbel
