// How much the window adds to a batch run: Reverse All of one mechanism, timed once
// without a display (what zorbel-cli does) and once through the window, drawn offscreen,
// with its progress bar, remaining time and yields. A report only: nothing is asserted.
//
//   window_bench [THERMO MECHANISM] [--points N]...
//
// Without files it reverses AramcoMech 1.3 from the shared data folder, at 50 and at
// 10000 points. The outputs go to a temporary folder.

#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "program/Program.h"
#include "ui/Controller.h"
#include "ui/MainWindow.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace {

/// The window's own platform, its dialogs and boxes answered as a user in a hurry would:
/// the queued files, Yes, OK.
class AnsweringPlatform : public zorbel::ui::QtPlatform {
public:
    std::deque<std::string> files;

    std::optional<std::string> chooseFile(const zorbel::FileDialogRequest&) override {
        if (files.empty())
            return std::nullopt;
        std::string path = files.front();
        files.pop_front();
        return path;
    }
    zorbel::MessageAnswer showMessage(const zorbel::MessageRequest& request) override {
        return request.buttons == zorbel::MessageButtons::YesNo ? zorbel::MessageAnswer::Yes
                                                                : zorbel::MessageAnswer::Ok;
    }
};

struct Inputs {
    std::string thermo;
    std::string mechanism;
    std::string workFolder;
};

/// Loads both files, sets the points, shows the first reaction (it fixes the number
/// patterns) and returns the seconds Reverse All takes. `act` runs each step as the face
/// runs the user's actions.
template <class Act>
double timeReverseAll(zorbel::Session& session, const Inputs& in, int points, Act act) {
    zorbel::REVEQfrm& form = session.form;
    act([&form] { form.CMD1.click(); });
    act([&form] { form.CMD2.click(); });
    session.common.WorkFolder = in.workFolder;
    act([&form, points] { form.Ntxt.setText(std::to_string(points)); });
    act([&form] { form.LOS2.select(0); });
    QElapsedTimer clock;
    clock.start();
    act([&form] { form.CMD4.click(); });
    return static_cast<double>(clock.nsecsElapsed()) * 1e-9;
}

double headless(const Inputs& in, int points) {
    zorbel::ScriptedPlatform platform;
    zorbel::Session session(platform);
    zorbel::connectCommands(session);
    platform.fileAnswers = {in.thermo, in.mechanism};
    return timeReverseAll(session, in, points, [](const auto& action) { action(); });
}

double inWindow(const Inputs& in, int points) {
    AnsweringPlatform platform;
    zorbel::Session session(platform);
    zorbel::connectCommands(session);
    zorbel::ui::Controller controller(session);
    zorbel::ui::MainWindow window(controller);
    platform.attach(controller, &window);
    platform.files = {in.thermo, in.mechanism};
    window.show();
    session.form.currentTab = zorbel::REVEQfrm::MechanismTab;
    QCoreApplication::processEvents();
    return timeReverseAll(session, in, points, [&controller](const auto& action) {
        controller.forward(action);
        QCoreApplication::processEvents();
    });
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string aramco = std::string(ZORBEL_SHARED_DATA) + "/aramco1.3/";
    Inputs in{aramco + "AramcoMech_1.3_therm.dat", aramco + "mech-clean.rxn", {}};
    std::vector<int> pointCounts;
    std::vector<std::string> files;
    for (int at = 1; at < argc; ++at) {
        if (std::strcmp(argv[at], "--points") == 0 && at + 1 < argc)
            pointCounts.push_back(std::stoi(argv[++at]));
        else
            files.emplace_back(argv[at]);
    }
    if (files.size() == 2) {
        in.thermo = files[0];
        in.mechanism = files[1];
    }
    if (pointCounts.empty())
        pointCounts = {50, 10000};
    QTemporaryDir work;
    in.workFolder = work.path().toStdString() + "/";

    std::printf("%8s %12s %12s %10s %s\n", "points", "headless s", "window s", "ratio",
                "window <= 2 x headless + 0.3 s");
    for (int points : pointCounts) {
        const double cli = headless(in, points);
        const double shown = inWindow(in, points);
        std::printf("%8d %12.3f %12.3f %10.2f %s\n", points, cli, shown, shown / cli,
                    shown <= 2.0 * cli + 0.3 ? "yes" : "no");
    }
    return 0;
}
