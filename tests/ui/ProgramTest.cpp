// The program driven through its widgets from loading to the batch run, with every
// command connected: what the user clicks and types reaches the commands, and what
// they compute reaches the screen.

#include "ProgramTestSupport.h"

#include "app/AppTexts.h"
#include "batch/BatchTexts.h"
#include "reversal/ReversalTexts.h"
#include "ui/ChartDialog.h"
#include "ui/UiTexts.h"

#include <QChart>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QSettings>
#include <QXYSeries>

#include <algorithm>

namespace zorbel::ui::testing {
namespace {

TEST_F(ProgramTest, ShowsTheSpeciesAndTheReactionTheUserChooses) {
    loadExamples();
    ASSERT_EQ(platform.fileRequests.size(), 2U);
    EXPECT_EQ(labelText("List1Nbr"), "(15)");
    EXPECT_EQ(labelText("List2Nbr"), "(13)");
    EXPECT_EQ(labelText("Lbl1"), toQt(texts::LoadedPrefix) + toQt(thermoPath));

    showTab(REVEQfrm::ThermoTab);
    auto* species = widget<QListView>("LOS1");
    const int water = rowStartingWith(species, QStringLiteral("H2O"));
    ASSERT_GE(water, 0);
    clickRow(species, water);
    // The first coefficient of the upper range, as the file writes it.
    EXPECT_EQ(boxText("PropTxt0"), "3.03399249E+00");

    // 1000 K is where the two ranges meet (ThermoWindowTest has the values): the typed
    // temperature reaches every box, and the lower range's values show beside the upper's.
    type("TXT1K", QStringLiteral("1000"));
    EXPECT_EQ(boxText("TXT1KH") + boxText("TXT1KS"), "10001000");
    EXPECT_EQ(boxText("TXT1CP"), " 4.967");
    for (const char* lower : {"TXT1CPBis", "TXT1HBis", "TXT1SBis"})
        EXPECT_FALSE(widget<QLineEdit>(lower)->isHidden()) << lower;
    EXPECT_EQ(boxText("TXT1HBis"), "-25.96");

    // H+O2<=>O+OH fills the middle reactant boxes and the first product boxes: the
    // first reactant box, the last product box and their plus signs are hidden.
    showReaction(0);
    struct Shown {
        const char* name;
        const char* text; ///< nullptr: hidden
    };
    const Shown panel[] = {
        {"PropTxt14", nullptr}, {"PlusLbl0", nullptr},  {"PropTxt15", "H"},
        {"PlusLbl1", "+"},      {"EgalLbl", "<=>"},     {"PropTxt18", "OH"},
        {"PlusLbl3", nullptr},  {"PropTxt19", nullptr}, {"PropTxt20", "3.547E+15"},
    };
    for (const Shown& element : panel) {
        SCOPED_TRACE(element.name);
        auto* shown = widget<QWidget>(element.name);
        EXPECT_EQ(shown->isHidden(), element.text == nullptr);
        if (element.text == nullptr)
            continue;
        if (auto* box = qobject_cast<QLineEdit*>(shown))
            EXPECT_EQ(box->text(), element.text);
        else
            EXPECT_EQ(qobject_cast<QLabel*>(shown)->text(), element.text);
    }

    // An irreversible reaction turns the arrow.
    showReaction(rowStartingWith(widget<QListView>("LOS2"), QStringLiteral("HCO+O2=>")));
    EXPECT_EQ(labelText("EgalLbl"), "=>");
    EXPECT_EQ(boxText("PropTxt15"), "HCO");
    EXPECT_EQ(boxText("PropTxt18"), "CO");
}

TEST_F(ProgramTest, ReverseShowsTheChartAndWritesTheTable) {
    loadExamples();
    showReaction(0);
    bool tableBeforeChart = false;
    platform.onChart = [&](const Speedfrm&) {
        tableBeforeChart = QFile::exists(output(texts::TempFileName));
    };
    click("CMD3");

    EXPECT_EQ(boxText("PropTxt23"), "3.069E+13");
    EXPECT_EQ(boxText("PropTxt24"), "-0.153");
    EXPECT_EQ(boxText("PropTxt25"), "-420.1");
    EXPECT_EQ(labelText("lblerror2"), "5.0E-02");
    EXPECT_EQ(labelText("Templbl"), "calculated between  200 and  3500 K");
    EXPECT_EQ(labelText("lblerror"), "");
    EXPECT_EQ(boxText("Coldtxt").trimmed(), "200");
    EXPECT_EQ(boxText("Hottxt").trimmed(), "3500");

    ASSERT_EQ(platform.charts.size(), 1U);
    // The modified law opens the chart once the table is written and closed.
    EXPECT_TRUE(tableBeforeChart);
    const Speedfrm& content = platform.charts.front();
    ASSERT_EQ(content.rows.size(), 50U);
    ChartDialog chart(content, &window);
    const QList<QAbstractSeries*> series = chart.chart()->series();
    ASSERT_EQ(series.size(), 3);
    EXPECT_TRUE(series[0]->name().startsWith(toQt(texts::ComputedSeries)));
    EXPECT_TRUE(series[1]->name().startsWith(toQt(texts::FittedSeries)));
    EXPECT_TRUE(series[2]->name().startsWith(toQt(texts::ErrorSeries)));
    for (QAbstractSeries* one : series)
        EXPECT_EQ(qobject_cast<QXYSeries*>(one)->count(), 50) << one->name().toStdString();
    EXPECT_EQ(chart.windowTitle(), toQt(texts::ChartCaption) + " H+O2<=>O+OH");

    // The chart's table holds the numbers of temp.txt: T, ln kr and the fitted ln kr.
    ASSERT_TRUE(chart.saveAs(output("chart.csv")));
    const QList<QByteArray> table = contents(output("chart.csv")).split('\n');
    const QList<QByteArray> temp = contents(output(texts::TempFileName)).split('\n');
    ASSERT_EQ(table.size(), 52); // the header, 50 rows, nothing after the last line end
    for (int row = 1; row <= 50; ++row) {
        const QList<QByteArray> csv = table[row].trimmed().split(',');
        const QList<QByteArray> tab = temp[row + 8].split('\t');
        ASSERT_EQ(csv.size(), 4);
        EXPECT_DOUBLE_EQ(csv[0].toDouble(), tab[0].trimmed().toDouble()) << row;
        EXPECT_DOUBLE_EQ(csv[2].toDouble(), tab[8].trimmed().toDouble()) << row;
        EXPECT_NEAR(csv[3].toDouble(), tab[9].trimmed().toDouble(), 1e-9) << row;
    }
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.back().title, texts::JobDoneTitle);
    EXPECT_NE(platform.messages.back().text.find(fromQt(output(texts::TempFileName))),
              std::string::npos);
}

TEST_F(ProgramTest, ReverseAllLocksTheWindowWhileItYields) {
    loadExamples();
    showReaction(0);

    // Answered No, the run does not start.
    platform.messageAnswers = {MessageAnswer::No};
    click("CMD4");
    EXPECT_EQ(platform.eventTurns, 0);
    EXPECT_FALSE(QFile::exists(output(texts::RevAllFileName)));

    const char* inputs[] = {"CMD1",    "CMD2", "CMD3",    "CMD4",    "CMD5",    "CMD6",
                            "FindCmd", "LOS1", "LOS2",    "TXT1K",   "Ntxt",    "Option1",
                            "Chk1",    "Chk2", "Hot2txt", "HelpCMD", "aboutxt3"};
    std::vector<std::string> enabledDuringRun;
    std::vector<int> progress;
    int progressShown = 0;
    QPalette disabledFace;
    platform.setRedrawInterval(0); // every yield redraws: the test looks at each
    platform.pacedClock = true;
    platform.afterEvents = [&] {
        for (const char* name : inputs) {
            if (widget<QWidget>(name)->isEnabled())
                enabledDuringRun.emplace_back(name);
        }
        auto* bar = widget<QProgressBar>("ProgBar");
        progressShown += bar->isHidden() ? 0 : 1;
        progress.push_back(bar->value());
        EXPECT_TRUE(labelText("timeremaining").startsWith(toQt(texts::RemainingTimeStart)));
        EXPECT_FALSE(widget<QLabel>("timeremaining")->isHidden());
        // A click on Reverse in the middle of the run does nothing. At the fifth reaction
        // four took a second each: nine remain, the fifth one included.
        if (platform.eventTurns == 5) {
            EXPECT_EQ(labelText("timeremaining"), toQt(texts::RemainingTimeStart) + " 0min 9s");
            click("CMD3");
            disabledFace = widget<QPushButton>("FindCmd")->palette();
        }
    };
    platform.messageAnswers = {MessageAnswer::Yes};
    click("CMD4");
    platform.afterEvents = nullptr;

    const int reactions = 13;
    EXPECT_EQ(platform.eventTurns, reactions);
    EXPECT_EQ(progressShown, reactions);
    EXPECT_EQ(enabledDuringRun, std::vector<std::string>{});
    ASSERT_EQ(progress.size(), static_cast<size_t>(reactions));
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    // The search button's own face gave way to the disabled look.
    EXPECT_NE(disabledFace.color(QPalette::Disabled, QPalette::ButtonText),
              disabledFace.color(QPalette::Active, QPalette::ButtonText));
    EXPECT_GT(progress.back(), 80);
    EXPECT_TRUE(platform.charts.empty());

    EXPECT_TRUE(QFile::exists(output(texts::RevAllFileName)));
    // JOB DONE, then the summary box that counts every reaction.
    ASSERT_GE(platform.messages.size(), 2U);
    EXPECT_EQ(platform.messages.end()[-2].title, texts::JobDoneTitle);
    EXPECT_EQ(platform.messages.back().title, texts::SummaryTitle);
    EXPECT_TRUE(platform.messages.back().text.starts_with(std::string(texts::SummaryReactions) +
                                                          std::to_string(reactions)));
    turnEventLoop();
    for (const char* name : inputs)
        EXPECT_TRUE(widget<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(widget<QProgressBar>("ProgBar")->isHidden());
    EXPECT_TRUE(widget<QLabel>("timeremaining")->isHidden());
}

TEST_F(ProgramTest, BatchRunsYieldAtEveryReactionButRedrawAtMostTwentyTimesASecond) {
    loadExamples();
    int redraws = 0;
    QObject::connect(&controller, &Controller::refreshed, [&redraws] { ++redraws; });
    QElapsedTimer clock;
    clock.start();
    platform.messageAnswers = {MessageAnswer::Yes};
    platform.afterEvents = [&] {
        EXPECT_FALSE(widget<QPushButton>("CMD4")->isEnabled()); // the start locks at once
    };
    click("CMD4");
    platform.afterEvents = nullptr;
    EXPECT_EQ(platform.eventTurns, 13);
    EXPECT_LE(redraws, 2 + clock.elapsed() / 50);
}

TEST_F(ProgramTest, CancelOrEscapeStopsARunAfterItsReactionAndWritesNothing) {
    loadExamples();
    const std::string comparison = copyExample("example-common.txt");
    const QByteArray comparisonBefore = contents(toQt(comparison));
    const QByteArray earlier = "REACTIONS\r\n!an earlier run\r\n";
    struct Case {
        const char* command;
        bool escape; ///< Esc instead of a click on Cancel
    };
    for (const Case c : {Case{"CMD4", false}, Case{"CMD5", true}, Case{"CMD6", false}}) {
        SCOPED_TRACE(c.command);
        for (std::string_view name : {texts::RevAllFileName, texts::RevSelectedFileName}) {
            QFile file(output(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
        }
        for (int row = 0; row < 4; ++row)
            form.LOS2.setSelected(row, true);
        platform.messageAnswers = {MessageAnswer::Yes};
        platform.fileAnswers = {comparison};
        platform.eventTurns = 0;
        showTab(REVEQfrm::MechanismTab);
        window.activateWindow();
        platform.afterEvents = [&] {
            if (platform.eventTurns != 2)
                return;
            if (c.escape)
                QTest::keyClick(&window, Qt::Key_Escape);
            else
                QTest::mouseClick(widget<QPushButton>("CancelCMD"), Qt::LeftButton);
        };
        click(c.command);
        platform.afterEvents = nullptr;
        EXPECT_EQ(platform.eventTurns, 2);
        EXPECT_EQ(labelText("lblerror"), toQt(texts::RunStopped));
        EXPECT_EQ(contents(output(texts::RevAllFileName)), earlier);
        EXPECT_EQ(contents(output(texts::RevSelectedFileName)), earlier);
        EXPECT_EQ(contents(toQt(comparison)), comparisonBefore);
        turnEventLoop();
        EXPECT_FALSE(widget<QPushButton>("CancelCMD")->isEnabled());
    }
}

/// The menu bar's entry of that caption, in any menu.
QAction* menuEntry(QMainWindow& window, std::string_view caption) {
    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->text() == toQt(caption))
                return action;
        }
    }
    ADD_FAILURE() << caption;
    return nullptr;
}

TEST_F(ProgramTest, MenusRunTheButtonsCommandsAndReopenRecentFiles) {
    QSettings().clear();
    loadExamples();
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "T&ools", "He&lp"}));
    EXPECT_EQ(menuEntry(window, texts::MenuQuit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(menuEntry(window, texts::MenuSearch)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(menuEntry(window, texts::MenuHelpPage)->shortcut(), QKeySequence(Qt::Key_F1));
    menuEntry(window, texts::MenuHelpPage)->trigger();
    EXPECT_NE(window.findChild<QDialog*>("HelpWindow"), nullptr);

    // The newest file first; choosing it loads it again without a dialog.
    auto* recent = window.menuBar()->findChild<QMenu*>();
    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>())
        recent = menu->title() == toQt(texts::MenuRecentFiles) ? menu : recent;
    emit recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_EQ(recent->actions()[0]->text(), "&1 Mechanism: " + toQt(mechanismPath));
    EXPECT_EQ(recent->actions()[1]->text(), "&2 Database: " + toQt(thermoPath));
    form.LOS2.clear();
    showTab(REVEQfrm::AboutTab);
    recent->actions()[0]->trigger();
    EXPECT_EQ(platform.fileRequests.size(), 2U);
    EXPECT_EQ(form.LOS2.count(), 13);
    EXPECT_EQ(window.tabs()->currentIndex(), REVEQfrm::MechanismTab);

    // The reversals lock the menus as they lock the buttons.
    bool lockedDuringRun = true;
    platform.afterEvents = [&] {
        lockedDuringRun = lockedDuringRun && !menuEntry(window, texts::MenuReverse)->isEnabled();
    };
    platform.messageAnswers = {MessageAnswer::Yes};
    menuEntry(window, texts::MenuReverseAll)->trigger();
    platform.afterEvents = nullptr;
    EXPECT_GT(platform.eventTurns, 0);
    EXPECT_TRUE(lockedDuringRun);
    EXPECT_TRUE(QFile::exists(output(texts::RevAllFileName)));
}

TEST_F(ProgramTest, DialogsOpenWhereTheirKindWasFoundAndSettingsLastBetweenRuns) {
    QSettings().clear();
    loadExamples();
    click("CMD1"); // cancelled, as the dialogs below
    click("CMD6");
    ASSERT_EQ(platform.fileRequests.size(), 4U);
    EXPECT_EQ(platform.fileRequests[0].initialFolder, defaultDialogFolder());
    EXPECT_EQ(platform.fileRequests[2].initialFolder, fromQt(folder.path()) + "/");
    // A kind never chosen yet opens beside the mechanism.
    EXPECT_EQ(platform.fileRequests[3].initialFolder, fromQt(folder.path()) + "/");

    showTab(REVEQfrm::SettingsTab);
    type("Ntxt", QStringLiteral("12"));
    const char* const boxes[] = {"Chk2", "WholeMechanismChk", "ExactThermoChk"};
    for (const char* box : boxes) {
        QCheckBox* check = widget<QCheckBox>(box);
        EXPECT_TRUE(window.tabs()->currentWidget()->isAncestorOf(check)) << box;
        // On the box itself: a short caption leaves the middle of a wide row blank.
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
    }
    QTest::mouseClick(widget<QRadioButton>("MinimaxOpt"), Qt::LeftButton);
    form.Option1.setSelected(true);
    window.close();
    ScriptedQtPlatform nextPlatform;
    Session next(nextPlatform);
    next.restoreSettings();
    EXPECT_EQ(next.form.Ntxt.text(), "12");
    EXPECT_FALSE(next.form.Chk2.checked());
    EXPECT_TRUE(next.form.Option1.selected());
    EXPECT_TRUE(next.form.WholeMechanismChk.checked());
    EXPECT_TRUE(next.form.ExactThermoChk.checked());
    EXPECT_TRUE(next.form.MinimaxOpt.selected());

    QTest::mouseClick(widget<QPushButton>("DefaultsCMD"), Qt::LeftButton);
    EXPECT_EQ(boxText("Ntxt"), "50");
    EXPECT_TRUE(form.Option2.selected());
    EXPECT_TRUE(form.LeastSquaresOpt.selected());
    for (const char* box : boxes)
        EXPECT_EQ(widget<QCheckBox>(box)->isChecked(), box == boxes[0]) << box;
}

TEST_F(ProgramTest, QuitDuringARunAsksFirstAndANoLetsItGoOn) {
    loadExamples();
    showTab(REVEQfrm::MechanismTab);
    platform.messageAnswers = {MessageAnswer::Yes, MessageAnswer::No};
    platform.afterEvents = [&] {
        if (platform.eventTurns == 2)
            click("QuitCMD");
    };
    click("CMD4");
    platform.afterEvents = nullptr;
    ASSERT_GE(platform.messages.size(), 2U);
    EXPECT_EQ(platform.messages[1].text, texts::StopRunQuestion);
    EXPECT_EQ(platform.eventTurns, 13);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(QFile::exists(output(texts::RevAllFileName)));
}

// The model's checks and rewrites reach the box as the user types; its colours are
// the window's concern (MainWindowTest).
TEST_F(ProgramTest, PointsAreCheckedAsTheUserTypesThem) {
    loadExamples();
    showReaction(0);
    showTab(REVEQfrm::SettingsTab);
    struct Case {
        const char* typed;
        std::string_view message;
        const char* shown;
    };
    const Case cases[] = {
        {"abc", "", "50"}, // the box takes digits only
        {"2", texts::NotEnoughPoints, "2"},
        {"10001", texts::TooManyPoints, "10001"},
        {"-40", "", "40"},
        {"1234567", texts::TooManyPoints, "12345"}, // five characters at most
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        type("Ntxt", QString::fromLatin1(c.typed));
        EXPECT_EQ(labelText("lblerror"), toQt(c.message));
        EXPECT_EQ(boxText("Ntxt"), c.shown);
    }

    // A number out of range stops the Reverse, which marks the box.
    showTab(REVEQfrm::MechanismTab);
    click("CMD3");
    EXPECT_EQ(labelText("lblerror"), toQt(texts::EnterPointsNumber));
    EXPECT_EQ(widget<QLineEdit>("Ntxt")->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_TRUE(platform.charts.empty());

    showTab(REVEQfrm::SettingsTab);
    type("Ntxt", QStringLiteral("12"));
    showTab(REVEQfrm::MechanismTab);
    click("CMD3");
    ASSERT_EQ(platform.charts.size(), 1U);
    EXPECT_EQ(platform.charts.front().rows.size(), 12U);
}

} // namespace
} // namespace zorbel::ui::testing
