#include "ui/Screenshots.h"

#include "ui/Controller.h"
#include "ui/FindingsDialog.h"
#include "ui/MainWindow.h"
#include "ui/QtPlatform.h"
#include "ui/QtText.h"
#include "ui/SearchDialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>

#include <deque>
#include <iostream>

namespace zorbel::ui {

namespace {

// The temperature typed for the species shown, in kelvin: the meeting point of most
// databases' two ranges, so that both ranges' values show.
constexpr const char* shownTemperature = "1000";
// The species shown on the first tab when the database has it: a molecule's heat
// capacity changes with temperature, a lone atom's does not. Otherwise the first one.
constexpr const char* shownSpecies = "H2O";
// The species looked for in the search window.
constexpr const char* searchedSpecies = "HO2";

// Sizes at which every element has room and the pictures stay small.
constexpr QSize mainSize(900, 600);
constexpr QSize chartSize(640, 460);
constexpr QSize searchSize(640, 560);

// PNG quality 0 asks for the strongest compression: the pictures are committed.
constexpr int pngQuality = 0;

/// Saves the pictures into one folder and remembers whether every one was written.
class Pictures {
public:
    explicit Pictures(const QString& folder) : folder_(folder) {}

    void save(QWidget& widget, const QString& name) {
        // The widget lays itself out and paints before it is grabbed.
        QCoreApplication::processEvents();
        const QString file = folder_.filePath(name);
        if (!widget.grab().save(file, "PNG", pngQuality)) {
            std::cerr << "cannot write " << fromQt(file) << '\n';
            saved_ = false;
        }
    }

    bool saved() const { return saved_; }

private:
    QDir folder_;
    bool saved_ = true;
};

/// Types a species into the search window, starts the search and chooses the first
/// reaction found.
void searchFor(Controller& controller, const char* species) {
    Findfrm& find = controller.session().find;
    controller.forward([&find, species] { find.Usereqn1.setText(species); });
    controller.forward([&find] { find.FindCmdR.click(); });
    if (find.SubLOS2copy.count() > 0)
        controller.forward([&find] { find.SubLOS2copy.select(0); });
}

} // namespace

bool takeScreenshots(const ScreenshotRequest& request, QtPlatform& platform, Controller& controller,
                     MainWindow& window) {
    if (!QDir().mkpath(request.folder)) {
        std::cerr << "cannot create the folder " << fromQt(request.folder) << '\n';
        return false;
    }
    Pictures pictures(request.folder);
    std::deque<std::string> answers;
    if (!request.thermo.isEmpty())
        answers.push_back(fromQt(request.thermo));
    if (!request.mechanism.isEmpty())
        answers.push_back(fromQt(request.mechanism));
    platform.runUnattended(std::move(answers), [&pictures, &controller](QDialog& dialog) {
        // After each load that finds something; the last one holds the pair's findings.
        if (qobject_cast<FindingsDialog*>(&dialog) != nullptr) {
            pictures.save(dialog, QStringLiteral("findings.png"));
            return;
        }
        if (qobject_cast<SearchDialog*>(&dialog) != nullptr) {
            dialog.resize(searchSize);
            searchFor(controller, searchedSpecies);
            pictures.save(dialog, QStringLiteral("search.png"));
            return;
        }
        dialog.resize(chartSize);
        pictures.save(dialog, QStringLiteral("chart.png"));
    });

    window.resize(mainSize);
    window.show();
    Session& session = controller.session();
    REVEQfrm& form = session.form;
    const bool thermo = !request.thermo.isEmpty();
    const bool mechanism = !request.mechanism.isEmpty();
    if (thermo)
        controller.forward([&form] { form.CMD1.click(); });
    QTemporaryDir work;
    if (mechanism) {
        controller.forward([&form] { form.CMD2.click(); });
        controller.forward([&form] { form.LOS2.select(0); });
        if (thermo && work.isValid()) {
            // Taking pictures leaves no temp.txt beside the inputs.
            session.common.WorkFolder = fromQt(work.path()) + '/';
            controller.forward([&form] { form.CMD3.click(); });
        }
    }
    if (thermo) {
        controller.forward([&form] {
            if (!form.LOS1.selectFirstEqual(shownSpecies))
                form.LOS1.select(0);
        });
        controller.forward([&form] { form.TXT1K.setText(shownTemperature); });
    }

    for (int tab = 0; tab < window.tabs()->count(); ++tab) {
        window.tabs()->setCurrentIndex(tab);
        pictures.save(window, QStringLiteral("tab%1.png").arg(tab + 1));
    }
    if (mechanism)
        controller.forward([&form] { form.FindCmd.click(); });
    return pictures.saved();
}

} // namespace zorbel::ui
