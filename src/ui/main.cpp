#include "app/AppTexts.h"
#include "commands/Program.h"
#include "files/ScratchFile.h"
#include "program/Version.h"
#include "ui/Controller.h"
#include "ui/MainWindow.h"
#include "ui/QtPlatform.h"
#include "ui/Screenshots.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstring>

namespace {

/// Screenshots, the version and the help need no screen: they run on the offscreen
/// platform, so that they work without a display.
bool needsNoDisplay(int argc, char** argv) {
    for (int at = 1; at < argc; ++at) {
        const char* argument = argv[at];
        for (const char* option : {"--version", "-v", "--help", "-h", "--help-all"}) {
            if (std::strcmp(argument, option) == 0)
                return true;
        }
        if (std::strcmp(argument, "--screenshot") == 0 ||
            std::strncmp(argument, "--screenshot=", 13) == 0)
            return true;
    }
    return false;
}

/// The options of --screenshot, which fills the README's pictures.
struct ScreenshotOptions {
    QCommandLineOption folder{
        QStringLiteral("screenshot"),
        QStringLiteral("Save pictures of the four tabs, the chart, the search window, the "
                       "findings and the results of Reverse All into FOLDER and exit."),
        QStringLiteral("FOLDER")};
    QCommandLineOption thermo{QStringLiteral("thermo"),
                              QStringLiteral("With --screenshot: load this database first."),
                              QStringLiteral("FILE")};
    QCommandLineOption mechanism{QStringLiteral("mechanism"),
                                 QStringLiteral("With --screenshot: load this mechanism first."),
                                 QStringLiteral("FILE")};
};

} // namespace

int main(int argc, char** argv) {
    // Chosen before Qt starts.
    if (needsNoDisplay(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Ended from outside (a logout, a kill): no scratch file of a run is left behind.
    zorbel::removeScratchFilesOnInterrupt(zorbel::texts::InterruptedNothingWritten,
                                          zorbel::texts::InterruptedAfterWriting);
    QApplication::setApplicationName(QStringLiteral("zorbel"));
    QApplication::setOrganizationName(QStringLiteral("zorbel"));
    QApplication::setApplicationVersion(QStringLiteral(ZORBEL_VERSION));

    const ScreenshotOptions screenshots;
    QCommandLineParser options;
    options.addHelpOption();
    options.addVersionOption();
    options.addOptions({screenshots.folder, screenshots.thermo, screenshots.mechanism});
    options.process(application);

    zorbel::ui::QtPlatform platform;
    zorbel::Session session(platform);
    // A person at the window is asked before a published mechanism is cleaned, and sees
    // the warnings of a load in a box.
    session.loads.clean = zorbel::CleanOnLoad::Ask;
    session.loads.warningBox = true;
    zorbel::connectCommands(session);
    zorbel::ui::Controller controller(session);
    zorbel::ui::MainWindow window(controller);
    platform.attach(controller, &window);

    if (options.isSet(screenshots.folder)) {
        const zorbel::ui::ScreenshotRequest request{options.value(screenshots.folder),
                                                    options.value(screenshots.thermo),
                                                    options.value(screenshots.mechanism)};
        return zorbel::ui::takeScreenshots(request, platform, controller, window) ? 0 : 1;
    }
    // The pictures show the settings a first run starts with.
    session.restoreSettings();
    window.show();
    return QApplication::exec();
}
