#pragma once

#include "app/Session.h"

#include <QMainWindow>

namespace zorbel::ui {

/// The main window: draws the session's model and forwards the user's actions to it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Session& session, QWidget* parent = nullptr);

private:
    Session& session_;
};

} // namespace zorbel::ui
