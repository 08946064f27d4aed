#pragma once
// The platform served by Qt: file dialog, message boxes, the chart and search windows,
// the event loop, the desktop's open-address service.

#include "app/Platform.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <string>
#include <string_view>

namespace zorbel::ui {

class Controller;

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
    /// queue (a cancel when it is empty), message boxes answer OK or No unseen, and the
    /// chart and search windows are not shown.
    void runUnattended(std::deque<std::string> fileAnswers);

    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    MessageAnswer showMessage(const MessageRequest& request) override;
    void showChart(const Speedfrm& chart) override;
    void showSearch(Findfrm& window) override;
    void processEvents() override;
    void openAddress(const std::string& address) override;
    DateTime now() override;
    void quit() override;

  private:
    Controller* controller_ = nullptr;
    QPointer<QWidget> owner_;
    bool unattended_ = false;
    std::deque<std::string> fileAnswers_;
};

} // namespace zorbel::ui
