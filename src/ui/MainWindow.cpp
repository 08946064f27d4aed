#include "ui/MainWindow.h"

#include "app/AppTexts.h"
#include "ui/Controller.h"
#include "ui/DesktopHabits.h"
#include "ui/MainMenu.h"
#include "ui/QtText.h"
#include "ui/Tabs.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zorbel::ui {

namespace {

/// The first size: room for every element, within the part of the screen left free.
void fitToScreen(QWidget& window) {
    constexpr QSize preferred(1000, 720);
    QSize size = preferred;
    if (const QScreen* screen = window.screen())
        size = size.boundedTo(screen->availableGeometry().size());
    window.resize(size);
}

} // namespace

MainWindow::MainWindow(Controller& controller, QWidget* parent)
    : QMainWindow(parent), controller_(controller), binding_(controller) {
    setWindowTitle(toQt(texts::WindowCaption));
    REVEQfrm& form = controller.session().form;

    auto* central = new QWidget(this);
    tabs_ = binding_.tabs(form.currentTab, QStringLiteral("Tabs"), central);
    tabs_->addTab(new ThermoTab(binding_, form), toQt(texts::TabThermo));
    tabs_->addTab(new MechanismTab(binding_, form), toQt(texts::TabMechanism));
    tabs_->addTab(new SettingsTab(binding_, form), toQt(texts::TabSettings));
    tabs_->addTab(new AboutTab(binding_, form), toQt(texts::TabAbout));

    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(binding_.label(form.Label7, QStringLiteral("Label7"), central), 1);
    bottomRow->addWidget(binding_.button(form.HelpCMD, QStringLiteral("HelpCMD"), central));
    // Quit stays enabled during a run: it closes the window, which asks before it stops one.
    bottomRow->addWidget(binding_.runControl(form.QuitCMD, QStringLiteral("QuitCMD"), central,
                                             Binder::Role::Always));

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(tabs_, 1);
    layout->addLayout(bottomRow);
    setCentralWidget(central);

    // The results grid and the work lists LOS3 and LOS4 stay hidden for the whole run:
    // they get no widget.
    addMainMenu(*this, controller);
    addDesktopHabits(*this, controller);
    binding_.refresh(true);
    fitToScreen(*this);
    connect(&controller_, &Controller::refreshed, this, &MainWindow::closeIfAsked);
    // Esc stops a run from any tab, as the Cancel button beside its progress does.
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(cancel, &QShortcut::activated, this, [&form, &controller] {
        controller.session().runHandler([&form] { form.CancelCMD.click(); });
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Session& session = controller_.session();
    if (session.batchRunning) {
        // The run is inside one of its yields: it can only be stopped from here, and it
        // ends at its next one, leaving every file as it was.
        event->ignore();
        if (closeAfterRun_)
            return;
        const MessageAnswer answer = session.platform.showMessage(
            {std::string(texts::StopRunQuestion), std::string(texts::StopRunTitle),
             MessageButtons::YesNo, MessageIcon::Question});
        if (answer == MessageAnswer::Yes) {
            session.stopRequested = true;
            closeAfterRun_ = true;
        }
        return;
    }
    session.storeSettings();
    QMainWindow::closeEvent(event);
}

void MainWindow::closeIfAsked() {
    if (closeAfterRun_ && !controller_.session().batchRunning) {
        closeAfterRun_ = false;
        close();
    }
}

} // namespace zorbel::ui
