#include "ui/MainMenu.h"

#include "commands/RecentFiles.h"
#include "ui/Controller.h"
#include "ui/QtText.h"
#include "ui/UiTexts.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace zorbel::ui {

namespace {

constexpr int sameTab = -1;

/// An entry that clicks a button of the window model, on the tab that shows its result.
struct Entry {
    std::string_view caption;
    Button& button;
    int tab = sameTab;
    QKeySequence keys = {};
};

/// The menu's entries follow the batch guard: locked while a run goes.
class MenuGuard {
public:
    explicit MenuGuard(Controller& controller) : controller_(controller) {}
    void add(QAction* action) { actions_.push_back(action); }
    void refresh() const {
        for (QAction* action : actions_)
            action->setEnabled(!controller_.session().batchRunning);
    }

private:
    Controller& controller_;
    std::vector<QAction*> actions_;
};

void addEntries(QMenu* menu, Controller& controller, MenuGuard& guard,
                const std::vector<Entry>& entries) {
    REVEQfrm& form = controller.session().form;
    for (const Entry& entry : entries) {
        QAction* action = menu->addAction(toQt(entry.caption));
        action->setShortcut(entry.keys);
        Button* button = &entry.button;
        const int tab = entry.tab;
        QObject::connect(action, &QAction::triggered, menu, [&controller, &form, button, tab] {
            controller.forward([&form, button, tab] {
                if (tab != sameTab)
                    form.currentTab = tab;
                button->click();
            });
        });
        guard.add(action);
    }
}

/// The recent files, read afresh each time the menu opens.
void fillRecentFiles(QMenu* menu, Controller& controller) {
    menu->clear();
    Session& session = controller.session();
    int number = 1;
    for (const Session::RecentFile& file : session.recentFiles()) {
        if (loaderFor(session.form, file.title) == nullptr)
            continue;
        // The kind first: a mechanism and its database often share a name.
        const QString shown = toQt(fileKindName(file.title)) + QStringLiteral(": ") +
                              QDir::toNativeSeparators(toQt(file.path));
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(shown));
        action->setEnabled(!session.batchRunning);
        QObject::connect(action, &QAction::triggered, menu, [&controller, &session, file] {
            controller.forward([&session, file] { reopenRecentFile(session, file); });
        });
    }
    if (number == 1)
        menu->addAction(toQt(texts::MenuNoRecentFiles))->setEnabled(false);
}

/// The help page that comes with the program (F1), the web page, and the About tab.
void addHelpMenu(QMainWindow& window, Controller& controller, MenuGuard& guard) {
    REVEQfrm& form = controller.session().form;
    QMenu* help = window.menuBar()->addMenu(toQt(texts::MenuHelp));
    // F1 shows the page that comes with the program: it opens at once, with or without
    // a browser. The Help button and the next entry go to the web page.
    QAction* page = help->addAction(toQt(texts::MenuHelpPage));
    page->setShortcut(QKeySequence(Qt::Key_F1));
    QObject::connect(page, &QAction::triggered, &window,
                     [&controller] { controller.session().platform.showHelp({}); });
    addEntries(help, controller, guard, {{texts::MenuHelpOnline, form.HelpCMD}});
    QAction* about = help->addAction(toQt(texts::MenuAbout));
    QObject::connect(about, &QAction::triggered, &window, [&controller, &form] {
        controller.session().runHandler([&form] { form.currentTab = REVEQfrm::AboutTab; });
        controller.refresh();
    });
}

} // namespace

void addMainMenu(QMainWindow& window, Controller& controller) {
    REVEQfrm& form = controller.session().form;
    auto* guard = new MenuGuard(controller);
    QObject::connect(&controller, &Controller::refreshed, &window, [guard] { guard->refresh(); });
    QObject::connect(&window, &QObject::destroyed, [guard] { delete guard; });

    QMenu* file = window.menuBar()->addMenu(toQt(texts::MenuFile));
    addEntries(file, controller, *guard,
               {{texts::MenuLoadDatabase, form.CMD1, REVEQfrm::ThermoTab,
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
                {texts::MenuLoadMechanism, form.CMD2, REVEQfrm::MechanismTab,
                 QKeySequence(Qt::CTRL | Qt::Key_O)},
                {texts::MenuLoadComparison, form.CMD6, REVEQfrm::MechanismTab}});
    QMenu* recent = file->addMenu(toQt(texts::MenuRecentFiles));
    QObject::connect(recent, &QMenu::aboutToShow, recent,
                     [recent, &controller] { fillRecentFiles(recent, controller); });
    file->addSeparator();
    QAction* quit = file->addAction(toQt(texts::MenuQuit));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Closing the window, not the Quit command: during a run it asks first.
    QObject::connect(quit, &QAction::triggered, &window, &QMainWindow::close);

    QMenu* tools = window.menuBar()->addMenu(toQt(texts::MenuTools));
    addEntries(tools, controller, *guard,
               {{texts::MenuSearch, form.FindCmd, REVEQfrm::MechanismTab,
                 QKeySequence(Qt::CTRL | Qt::Key_F)},
                {texts::MenuReverse, form.CMD3, REVEQfrm::MechanismTab},
                {texts::MenuReverseAll, form.CMD4, REVEQfrm::MechanismTab},
                {texts::MenuReverseSelected, form.CMD5, REVEQfrm::MechanismTab}});

    addHelpMenu(window, controller, *guard);
}

} // namespace zorbel::ui
