#include "app/ScriptedPlatform.h"
#include "program/Program.h"
#include "ui/MainWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zorbel::ScriptedPlatform platform;
    zorbel::Session session(platform);
    zorbel::connectCommands(session);
    zorbel::ui::MainWindow window(session);
    window.show();
    return QApplication::exec();
}
