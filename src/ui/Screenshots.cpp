#include "ui/Screenshots.h"

#include "commands/BatchReversal.h"
#include "ui/Controller.h"
#include "ui/FindingsDialog.h"
#include "ui/MainWindow.h"
#include "ui/QtPlatform.h"
#include "ui/QtText.h"
#include "ui/ResultsDialog.h"
#include "ui/ResultsTable.h"
#include "ui/SearchDialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTableView>
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
constexpr QSize chartSize(860, 500);
constexpr QSize searchSize(640, 560);
constexpr QSize resultsSize(960, 480);

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

/// Takes each window's picture as it opens: the findings of a load, the search, the results
/// and the chart.
WindowVisit pictureOfEachWindow(Pictures& pictures, Controller& controller) {
    return [&pictures, &controller](QDialog& dialog) {
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
        if (auto* results = qobject_cast<ResultsDialog*>(&dialog)) {
            // The worst fits first, as one click on the error's column gives them.
            dialog.resize(resultsSize);
            results->table()->sortByColumn(ResultsModel::LargestErrorColumn, Qt::DescendingOrder);
            pictures.save(dialog, QStringLiteral("results.png"));
            return;
        }
        dialog.resize(chartSize);
        pictures.save(dialog, QStringLiteral("chart.png"));
    };
}

/// Loads the files and fills the tabs as a user would: every reaction reversed in a folder
/// that is removed afterwards (results.png), then the first alone, a species at a temperature.
void fillTheTabs(const ScreenshotRequest& request, Controller& controller,
                 const QTemporaryDir& work) {
    Session& session = controller.session();
    REVEQfrm& form = session.form;
    const bool thermo = !request.thermo.isEmpty();
    if (thermo)
        controller.forward([&form] { form.CMD1.click(); });
    if (!request.mechanism.isEmpty()) {
        controller.forward([&form] { form.CMD2.click(); });
        controller.forward([&form] { form.LOS2.select(0); });
        if (thermo && work.isValid()) {
            // Taking pictures leaves no file beside the inputs.
            session.common.WorkFolder = fromQt(work.path()) + '/';
            // Without the question a user is asked.
            controller.forward([&session] { reverseAllWorker(session, ClosingBox::Shown); });
            controller.forward([&form] { form.LOS2.select(0); });
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
    platform.runUnattended(std::move(answers), pictureOfEachWindow(pictures, controller));

    window.resize(mainSize);
    window.show();
    const QTemporaryDir work;
    fillTheTabs(request, controller, work);
    for (int tab = 0; tab < window.tabs()->count(); ++tab) {
        window.tabs()->setCurrentIndex(tab);
        pictures.save(window, QStringLiteral("tab%1.png").arg(tab + 1));
    }
    if (!request.mechanism.isEmpty()) {
        REVEQfrm& form = controller.session().form;
        controller.forward([&form] { form.FindCmd.click(); });
    }
    return pictures.saved();
}

} // namespace zorbel::ui
