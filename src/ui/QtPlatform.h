#pragma once
// The platform served by Qt: file dialog, message boxes, the chart and search windows,
// the event loop, the desktop's open-address service.

#include "app/Platform.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QDialog;
class QLabel;

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace zorbel::ui {

class Controller;

/// Acts in a secondary window that an unattended run shows instead of running it.
using WindowVisit = std::function<void(QDialog&)>;

/// The dialog filters of a "Label|pattern|Label|pattern|" list as Qt writes them:
/// "Label (pattern)", so that each label shows the patterns that really apply (the
/// label "THE Files (*.the)" of the pattern *.therm becomes "THE Files (*.the)
/// (*.therm)"). Patterns separated by ";" are separated by blanks.
QStringList qtFileFilters(std::string_view filter);

class QtPlatform : public Platform {
public:
    /// The controller redraws before each turn of the event loop and runs the search
    /// window's actions; the owner parents the dialogs.
    void attach(Controller& controller, QWidget* owner);

    /// Unattended runs (the screenshots): file dialogs take their answers from this
    /// queue (a cancel when it is empty) and message boxes answer OK or No unseen. The
    /// chart and search windows are shown without waiting for a user: each is handed to
    /// `visit`, which may act in it and take its picture, and closes when that returns.
    /// Without a visitor they are not shown at all.
    void runUnattended(std::deque<std::string> fileAnswers, WindowVisit visit = {});

    /// The shortest time between two redraws during a batch run's yields [ms]: about 20
    /// a second by default. Tests that watch every yield set 0.
    void setRedrawInterval(int milliseconds) { redrawInterval_ = milliseconds; }

    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    MessageAnswer showMessage(const MessageRequest& request) override;
    void showChart(const Speedfrm& chart) override;
    void showSearch(Findfrm& window) override;
    void processEvents() override;
    /// In a modal FindingsDialog; handed to the visitor in an unattended run.
    void showFindings(const FindingsReport& report) override;
    /// Where the desktop opens addresses with xdg-open, runs it and hears its exit code:
    /// Qt's own service counts a started xdg-open as an address opened, browser or not.
    void openAddress(const std::string& address, std::function<void()> notOpened) override;
    /// One help window, made at the first call and shown again at the next ones; with an
    /// address, a notice above the page gives it.
    void showHelp(const std::string& unopenedAddress) override;
    DateTime now() override;
    void quit() override;
    /// In the user's settings (QSettings), kept between runs.
    std::optional<std::string> storedValue(const std::string& key) override;
    void storeValue(const std::string& key, const std::string& value) override;

private:
    /// Runs a secondary window modally, or hands it to the visitor in an unattended run.
    void run(QDialog& dialog);

    Controller* controller_ = nullptr;
    QPointer<QWidget> owner_;
    bool unattended_ = false;
    std::deque<std::string> fileAnswers_;
    WindowVisit visit_;
    int redrawInterval_ = 50;
    /// The values stored in this run, as last written.
    std::map<std::string, std::string> written_;
    QPointer<QDialog> help_;
    QPointer<QLabel> helpNotice_;
    QElapsedTimer redrawn_;
};

} // namespace zorbel::ui
