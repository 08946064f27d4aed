#include "ui/MainWindow.h"

#include "app/AppTexts.h"

namespace zorbel::ui {

MainWindow::MainWindow(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
    setWindowTitle(QString::fromStdString(std::string(texts::WindowCaption)));
}

} // namespace zorbel::ui
