// What the window costs over the command line in a batch run: Reverse All clicked in the
// real window, drawn offscreen, with its progress bar, remaining time and yields, against
// `zorbel-cli reverse-all` on the same files in the same run, each with and without a
// reaction shown first (it fixes the number patterns). Wall and processor time (user and
// system, every thread) of each; the goal is the window within 1.5 times the command line
// in both. A report only: nothing is asserted.
//
//   window_bench [--points N] [THERMO MECHANISM NAME]...
//
// Without files it reverses AramcoMech 1.3 and GRI-Mech 3.0 from the shared data folder,
// at 10000 points. The outputs go to a temporary folder.

#include "app/Session.h"
#include "commands/Program.h"
#include "ui/Controller.h"
#include "ui/MainWindow.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

struct Job {
    std::string name;
    std::string thermo;
    std::string mechanism;
};

struct Timing {
    double wall = 0.0;
    double processor = 0.0;
};

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
}

double processorSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

/// Reverse All clicked in the window, from the click to the end of the run.
Timing inWindow(const Job& job, int points, bool shownFirst, const std::string& folder) {
    AnsweringPlatform platform;
    zorbel::Session session(platform);
    zorbel::connectCommands(session);
    zorbel::ui::Controller controller(session);
    zorbel::ui::MainWindow window(controller);
    platform.attach(controller, &window);
    platform.files = {job.thermo, job.mechanism};
    window.show();
    session.form.currentTab = zorbel::REVEQfrm::MechanismTab;
    zorbel::REVEQfrm& form = session.form;
    const auto act = [&controller](const auto& action) {
        controller.forward(action);
        QCoreApplication::processEvents();
    };
    act([&form] { form.CMD1.click(); });
    act([&form] { form.CMD2.click(); });
    session.common.WorkFolder = folder;
    act([&form, points] { form.Ntxt.setText(std::to_string(points)); });
    if (shownFirst)
        act([&form] { form.LOS2.select(0); });
    QElapsedTimer clock;
    const double processor = processorSeconds(RUSAGE_SELF);
    clock.start();
    act([&form] { form.CMD4.click(); });
    return {static_cast<double>(clock.nsecsElapsed()) * 1e-9,
            processorSeconds(RUSAGE_SELF) - processor};
}

/// The command line's whole process.
Timing commandLine(const Job& job, int points, bool shownFirst, const std::string& folder) {
    std::vector<std::string> words = {ZORBEL_CLI,      "reverse-all", job.thermo,
                                      job.mechanism,   "--points",    std::to_string(points),
                                      "--work-folder", folder};
    if (shownFirst)
        words.insert(words.end(), {"--patterns-from", "0"});
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const double processor = processorSeconds(RUSAGE_CHILDREN);
    QElapsedTimer clock;
    std::fflush(stdout); // the child must not write what this process still holds
    clock.start();
    const pid_t child = fork();
    if (child == 0) {
        if (std::freopen("/dev/null", "w", stdout) == nullptr ||
            std::freopen("/dev/null", "w", stderr) == nullptr)
            _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return {static_cast<double>(clock.nsecsElapsed()) * 1e-9,
            processorSeconds(RUSAGE_CHILDREN) - processor};
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string data = ZORBEL_SHARED_DATA;
    std::vector<Job> jobs;
    int points = 10000;
    for (int at = 1; at < argc; ++at) {
        if (std::strcmp(argv[at], "--points") == 0 && at + 1 < argc)
            points = std::stoi(argv[++at]);
        else if (at + 2 < argc) {
            jobs.push_back({argv[at + 2], argv[at], argv[at + 1]});
            at += 2;
        }
    }
    if (jobs.empty())
        jobs = {{"AramcoMech 1.3", data + "/aramco1.3/AramcoMech_1.3_therm.dat",
                 data + "/aramco1.3/mech-clean.rxn"},
                {"GRI-Mech 3.0", data + "/gri30/thermo30.dat", data + "/gri30/mech-clean.rxn"}};
    QTemporaryDir work;
    const std::string folder = work.path().toStdString() + "/";

    std::printf("| job | shown first | zorbel-cli time | window time | zorbel-cli processor | "
                "window processor | within 1.5x |\n|---|---|---|---|---|---|---|\n");
    for (const Job& job : jobs) {
        for (bool shownFirst : {false, true}) {
            const Timing cli = commandLine(job, points, shownFirst, folder);
            const Timing window = inWindow(job, points, shownFirst, folder);
            const bool met =
                window.wall <= 1.5 * cli.wall && window.processor <= 1.5 * cli.processor;
            std::printf("| %s, %d points | %s | %.2f s | %.2f s | %.2f s | %.2f s | %s |\n",
                        job.name.c_str(), points, shownFirst ? "yes" : "no", cli.wall, window.wall,
                        cli.processor, window.processor, met ? "yes" : "no");
            std::fflush(stdout);
        }
    }
    return 0;
}
