#pragma once
// One run of the program: the shared record, the main window model and the platform
// that serves them. Every command is a function of the session.

#include "app/CommonValue.h"
#include "app/Findfrm.h"
#include "app/Platform.h"
#include "app/REVEQfrm.h"
#include "batch/RunSettings.h"
#include "mechanism/MechanismLoad.h"
#include "program/CommandResult.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

/// How the loads treat files as published. Scripts and tests keep the defaults: files are
/// loaded as written and warnings come only in the commands' results.
struct LoadPolicy {
    CleanOnLoad clean = CleanOnLoad::Never;
    /// An existing clean file may be replaced without asking.
    bool replaceCleanFile = false;
    /// A load's warnings are also shown in a message box (the window).
    bool warningBox = false;
    /// The database and mechanism pairs whose findings were shown in this run: each pair
    /// once.
    std::set<std::string> findingsShown;
};

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

    LoadPolicy loads;

    /// True while a batch run yields to the event loop: other commands must not start.
    bool batchRunning = false;
    /// Set during a batch run's yields to stop it (the window is closing): the run ends at
    /// the next yield and writes nothing.
    bool stopRequested = false;
    /// True while the reaction panel shows a reaction a batch run put there rather than
    /// one the user picked: Reverse then asks for a reaction.
    bool panelFromBatch = false;
    /// The threads a batch run computes its reactions on; 0 for one per core. The files
    /// are the same whatever the number.
    int batchThreads = 0;
    /// Where a batch run writes its report, one row per reaction; empty for none.
    std::string reportPath;
    /// The summary that closed the last Reverse All or Reverse Selected; empty before one.
    std::string lastSummary;

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
    /// cancels. It opens in the folder of the file last chosen under the same title (the
    /// same kind of file), the first time in firstDialogFolder(); a preset file answers it
    /// unseen.
    std::optional<std::string> askForFile(std::string_view title, std::string_view filter);
    /// Where a dialog that has no folder of its own yet opens: the mechanism's folder, else
    /// the database's, else the default folder.
    std::string firstDialogFolder() const;
    /// Puts a file chosen under the title at the head of the recent files: the commands
    /// call it once the file has been read, so that a file they refused stays out.
    void rememberFile(std::string_view title, const std::string& path);
    /// Answers the next file dialog without showing it: a recent file opened again.
    std::optional<std::string> presetFile;

    /// A file chosen in a file dialog: the dialog's title says which kind.
    struct RecentFile {
        std::string title;
        std::string path;
    };
    /// The files chosen last, newest first, as the platform keeps them between runs.
    std::vector<RecentFile> recentFiles() const;

    /// The General Settings (number of points, own range, spacing, law, whole mechanism,
    /// exact thermochemistry) as the platform kept them, stored back, or set to their start
    /// values.
    void restoreSettings();
    void storeSettings();
    void restoreDefaults();
    /// The settings of a run as the window's widgets hold them now, with the threads and
    /// the report of the session; the points as the box gives them, unchecked.
    RunSettings runSettings() const;
    /// Shows the settings in the widgets, and takes their threads and report.
    void applySettings(const RunSettings& settings);
    /// The information box that closes a command that wrote its files.
    void showJobDone(const std::string& text);
    /// Its usual text: "Output file copied to:", a line break and the file.
    std::string outputCopiedTo(const std::string& path) const;

    /// The check of the number of points that the reversal commands make before
    /// anything else: refused (with the warning and a yellow Ntxt) when it is empty or
    /// outside 3 to 10000.
    CommandResult checkPoints();

    /// The remaining-time label of a Reverse All run: startRemainingTime() as its first
    /// step begins, showRemainingTime(i, last) at the start of each step i.
    void startRemainingTime();
    void showRemainingTime(int step, int last);

private:
    double runStart_ = 0.0;
};

/// The three addresses handed to the system's open-address service.
std::string helpAddress();
std::string downloadAddress();
std::string contactAddress();

/// A mail link's comma-separated addresses as the about tab shows them: one a line, without
/// "mailto:" and the blanks after each comma.
std::string addressesShown(std::string_view link);
std::string contactAddressShown();

} // namespace zorbel
