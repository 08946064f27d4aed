#include "ui/MainWindow.h"

#include "app/AppTexts.h"
#include "ui/Controller.h"
#include "ui/QtText.h"
#include "ui/Tabs.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zorbel::ui {

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
    bottomRow->addWidget(binding_.button(form.QuitCMD, QStringLiteral("QuitCMD"), central));

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(tabs_, 1);
    layout->addLayout(bottomRow);
    setCentralWidget(central);

    // The results grid and the work lists LOS3 and LOS4 stay hidden for the whole run:
    // they get no widget.
    binding_.refresh(true);
    resize(1000, 720);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (controller_.session().batchRunning) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace zorbel::ui
