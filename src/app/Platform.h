#pragma once
// What the core asks of the outside world: dialogs, message boxes, the modal chart, one
// turn of the event loop, the address service, the clock, the end of the program.

#include "text/DateText.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

struct Speedfrm;
struct Findfrm;
class RunResults;

struct FileDialogRequest {
    std::string title;
    std::string filter; ///< "Label|pattern|Label|pattern|..."
    int filterIndex = 1;
    std::string initialFolder;
};

/// YesNoCancel asks a question whose Cancel (or Esc) leaves everything as it was.
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Stop };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct MessageRequest {
    std::string text;
    std::string title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

/// What a load found in the files: a title, and sections of a heading and its lines, one
/// finding a line. A long list scrolls; the user reads it, copies it and closes it.
struct FindingsReport {
    struct Section {
        std::string heading;
        std::vector<std::string> lines;
    };
    std::string title;
    std::vector<Section> sections;
    /// After the list: when the report comes again.
    std::string note;

    /// The whole report as text, one line a finding, sections apart by a blank line.
    std::string text(std::string_view newLine) const;
};

class Platform {
public:
    virtual ~Platform() = default;
    /// The chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> chooseFile(const FileDialogRequest& request) = 0;
    virtual MessageAnswer showMessage(const MessageRequest& request) = 0;
    /// Shows a chart window and returns at once: the window stays open beside the main
    /// one until the user closes it.
    virtual void showChart(const Speedfrm& chart) = 0;
    /// The summary that closes a batch run: an information box unless the platform shows it
    /// otherwise (the command line prints it on standard error).
    virtual void showSummary(const std::string& text);
    /// Every reaction of a batch run that has just ended, for the user to look through:
    /// nothing unless the platform has a window for them. Taken by value: a platform that
    /// shows them keeps them.
    // NOLINTNEXTLINE(performance-unnecessary-value-param)
    virtual void showResults(std::shared_ptr<const RunResults>) {}
    /// Shows the search window and returns when it has been closed (its `shown` flag
    /// falls to false when a handler closes it).
    virtual void showSearch(Findfrm& window) = 0;
    /// Lets the event loop run once: the window repaints, pending events run.
    virtual void processEvents() = 0;
    /// The findings of a load: an information box of its whole text unless the platform
    /// shows it otherwise (the window: a dialog whose list scrolls).
    virtual void showFindings(const FindingsReport& report);
    /// Hands an address to the system's open-address service; throws when the request
    /// cannot be made at all. When the service tells later that nothing opened the
    /// address (no browser, no mail program), `notOpened` runs then, on this thread.
    virtual void openAddress(const std::string& address, std::function<void()> notOpened) = 0;
    /// Shows the help page that comes with the program, without a browser. With an
    /// address, the page says first that nothing opened that address (empty: F1). Nothing
    /// without a display.
    virtual void showHelp(const std::string& unopenedAddress) { (void)unopenedAddress; }
    virtual DateTime now() = 0;
    /// A steady clock [s] for measuring durations: its origin is arbitrary.
    virtual double steadySeconds();
    virtual void quit() = 0;
    /// Values the window keeps between runs (its settings, its recent files). Here they
    /// last for the run only; the desktop keeps them in the user's settings.
    virtual std::optional<std::string> storedValue(const std::string& key);
    virtual void storeValue(const std::string& key, const std::string& value);

private:
    std::map<std::string, std::string> stored_;
};

/// The folder the file dialogs open in: "C:\" on Windows, the user's home elsewhere.
std::string defaultDialogFolder();

} // namespace zorbel
