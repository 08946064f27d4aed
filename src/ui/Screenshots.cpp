#include "ui/Screenshots.h"

#include "ui/Controller.h"
#include "ui/MainWindow.h"
#include "ui/QtPlatform.h"
#include "ui/QtText.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include <deque>
#include <iostream>

namespace zorbel::ui {

namespace {

// The temperature typed for the species shown, in kelvin.
constexpr const char* shownTemperature = "1000";

} // namespace

bool takeScreenshots(const ScreenshotRequest& request, QtPlatform& platform, Controller& controller,
                     MainWindow& window) {
    std::deque<std::string> answers;
    if (!request.thermo.isEmpty())
        answers.push_back(fromQt(request.thermo));
    if (!request.mechanism.isEmpty())
        answers.push_back(fromQt(request.mechanism));
    platform.runUnattended(std::move(answers));

    window.show();
    REVEQfrm& form = controller.session().form;
    if (!request.thermo.isEmpty()) {
        controller.forward([&form] { form.CMD1.click(); });
        controller.forward([&form] { form.LOS1.select(0); });
        controller.forward([&form] { form.TXT1K.setText(shownTemperature); });
    }
    if (!request.mechanism.isEmpty()) {
        controller.forward([&form] { form.CMD2.click(); });
        controller.forward([&form] { form.LOS2.select(0); });
    }

    if (!QDir().mkpath(request.folder)) {
        std::cerr << "cannot create the folder " << fromQt(request.folder) << '\n';
        return false;
    }
    bool saved = true;
    for (int tab = 0; tab < window.tabs()->count(); ++tab) {
        window.tabs()->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        const QString file =
            QDir(request.folder).filePath(QStringLiteral("tab%1.png").arg(tab + 1));
        if (!window.grab().save(file)) {
            std::cerr << "cannot write " << fromQt(file) << '\n';
            saved = false;
        }
    }
    return saved;
}

} // namespace zorbel::ui
