#pragma once

#include "ui/Binders.h"

#include <QMainWindow>

class QTabWidget;

namespace zorbel::ui {

class Controller;

/// The main window: the four tab pages and the elements outside them. It draws the
/// session's window model and forwards the user's actions to it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Controller& controller, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }

protected:
    /// Closing the window ends the program. During a batch run it asks first; a Yes stops
    /// the run, which writes nothing, and the window closes once the run has ended.
    void closeEvent(QCloseEvent* event) override;

private:
    void closeIfAsked();

    bool closeAfterRun_ = false;
    Controller& controller_;
    Binding binding_;
    QTabWidget* tabs_ = nullptr;
};

} // namespace zorbel::ui
