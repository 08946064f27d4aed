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
    /// Closing the window ends the program, except while a batch run yields: the run
    /// would go on without a window.
    void closeEvent(QCloseEvent* event) override;

private:
    Controller& controller_;
    Binding binding_;
    QTabWidget* tabs_ = nullptr;
};

} // namespace zorbel::ui
