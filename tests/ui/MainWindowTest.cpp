// The main window over the model: how it starts and looks, changes of the model reaching
// the widgets, clicks and keys reaching the model, and its lists kept in step.

#include "UiTestSupport.h"

#include "app/AppTexts.h"
#include "commands/Program.h"
#include "support/TestSupport.h"
#include "ui/QtPlatform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include <QScreen>
#include <string>
#include <vector>

namespace zorbel::ui::testing {
namespace {

QColor colourOf(const Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

TEST_F(WindowTest, StartsAndLooksAsTheModelSays) {
    EXPECT_EQ(window.windowTitle().toStdString(), texts::WindowCaption);
    QTabWidget* tabs = window.tabs();
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0) + "|" + tabs->tabText(1) + "|" + tabs->tabText(2) + "|" +
                  tabs->tabText(3),
              "Thermodynamic Database|Mechanism| General Settings|About");
    EXPECT_EQ(tabs->currentIndex(), REVEQfrm::AboutTab);

    EXPECT_EQ(widget<QLineEdit>("Ntxt")->text(), "50");
    EXPECT_EQ(widget<QLineEdit>("Hot2txt")->maxLength(), 7);
    EXPECT_TRUE(widget<QRadioButton>("Option2")->isChecked());
    EXPECT_TRUE(widget<QCheckBox>("Chk2")->isChecked());
    EXPECT_FALSE(widget<QCheckBox>("Chk1")->isChecked());
    EXPECT_EQ(widget<QLabel>("hlbl1")->text(), "Ho/RT =        ");
    EXPECT_EQ(widget<QLabel>("flbl3")->text(), "Ea (cal/mol)");
    EXPECT_EQ(widget<QLabel>("Label7")->text().toStdString(), texts::Label7Caption);
    EXPECT_NE(session.find.caption.find(ZORBEL_VERSION), std::string::npos);
    // The window fits the screen's free part (the offscreen screen is small).
    const QSize free = window.screen()->availableGeometry().size();
    EXPECT_LE(window.width(), free.width());
    EXPECT_LE(window.height(), free.height());

    // Captions keep their accelerators, tooltips come from the model.
    EXPECT_EQ(widget<QPushButton>("CMD1")->text(), "Load &Thermodynamic DataBase");
    EXPECT_EQ(widget<QPushButton>("CMD4")->toolTip().toStdString(), texts::CMD4Tip);
    EXPECT_EQ(widget<QLineEdit>("Hot2txt")->toolTip(), "Enter your \"hot\" Temperature here...");
    // Hidden at start, and never drawn at all: the results grid and the work lists.
    EXPECT_TRUE(widget<QProgressBar>("ProgBar")->isHidden());
    EXPECT_TRUE(widget<QLabel>("timeremaining")->isHidden());
    EXPECT_TRUE(widget<QLineEdit>("TXT1CPBis")->isHidden());
    EXPECT_FALSE(widget<QLineEdit>("TXT1CP")->isHidden());
    for (const char* name : {"LOS3", "LOS4", "MSFG"})
        EXPECT_EQ(window.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;

    EXPECT_TRUE(widget<QLineEdit>("PropTxt0")->isReadOnly());
    EXPECT_FALSE(widget<QLineEdit>("TXT1K")->isReadOnly());
    const std::pair<const char*, Colour> backgrounds[] = {
        {"Hot2txt", Colour::LightOrange}, {"Coldtxt", Colour::LightCyan}, {"TXT1H", Colour::Grey}};
    for (const auto& [name, colour] : backgrounds)
        EXPECT_EQ(widget<QLineEdit>(name)->palette().color(QPalette::Base),
                  colourOf(*rgbOf(colour)))
            << name;
    EXPECT_EQ(widget<QLabel>("lblerror")->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(widget<QLabel>("flbl")->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_TRUE(widget<QLabel>("PlusLbl0")->font().bold());
    EXPECT_FALSE(widget<QLabel>("aboutxt1")->font().bold());
    auto* download = widget<ClickableLabel>("aboutxt4");
    EXPECT_TRUE(download->font().underline());
    EXPECT_EQ(download->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(download->text().toStdString(), downloadAddress());
    // The model breaks lines with CR LF; the label shows plain line breaks.
    EXPECT_EQ(widget<QLabel>("aboutxt0")->text(),
              "Zorbel version 1.30 - September 2004 \nfor Windows 98, 2000, NT and XP");
    EXPECT_EQ(widget<QListView>("LOS2")->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(widget<QListView>("LOS1")->selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(WindowTest, ModelChangesReachTheWidgets) {
    form.Ntxt.setBackground(Colour::Yellow);
    form.lblerror.setCaption("first line\r\nsecond line");
    form.PropTxt[REVEQfrm::FirstSlot].setVisible(false);
    form.Lbl10.setBold(false);
    form.ProgBar.setVisible(true);
    form.ProgBar.setValue(42.6F);
    controller.refresh();

    EXPECT_EQ(widget<QLineEdit>("Ntxt")->palette().color(QPalette::Base),
              colourOf(*rgbOf(Colour::Yellow)));
    EXPECT_EQ(widget<QLabel>("lblerror")->text(), "first line\nsecond line");
    EXPECT_TRUE(widget<QLineEdit>("PropTxt14")->isHidden());
    EXPECT_FALSE(widget<QLabel>("Lbl10")->font().bold());
    EXPECT_FALSE(widget<QProgressBar>("ProgBar")->isHidden());
    EXPECT_EQ(widget<QProgressBar>("ProgBar")->value(), 43);

    // A result longer than its box shows its beginning; a box the user types in keeps
    // the cursor at the end.
    form.PropTxt[REVEQfrm::ForwardEa].setText("3120.0 ! HYDROGEN ABSTRACTION BY OH, A LONG NOTE");
    form.Ntxt.setText("40");
    controller.refresh();
    EXPECT_EQ(widget<QLineEdit>("PropTxt22")->cursorPosition(), 0);
    EXPECT_EQ(widget<QLineEdit>("Ntxt")->cursorPosition(), 2);

    form.Ntxt.setBackground(Colour::Window);
    controller.refresh();
    EXPECT_EQ(widget<QLineEdit>("Ntxt")->palette().color(QPalette::Base),
              QApplication::palette(widget<QLineEdit>("Ntxt")).color(QPalette::Base));
}

TEST_F(WindowTest, ClicksReachTheModel) {
    showTab(REVEQfrm::MechanismTab);
    int reversals = 0;
    form.CMD4.onClick = [&reversals] { ++reversals; };
    QTest::mouseClick(widget<QPushButton>("CMD4"), Qt::LeftButton);
    EXPECT_EQ(reversals, 1);

    // The model keeps the law's option buttons exclusive.
    QTest::mouseClick(widget<QRadioButton>("Option1"), Qt::LeftButton);
    EXPECT_TRUE(form.Option1.selected());
    EXPECT_FALSE(form.Option2.selected());
    EXPECT_FALSE(widget<QRadioButton>("Option2")->isChecked());
    // A click on the option already chosen leaves it chosen.
    QTest::mouseClick(widget<QRadioButton>("Option1"), Qt::LeftButton);
    EXPECT_TRUE(widget<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(form.Option1.selected());

    showTab(REVEQfrm::SettingsTab);
    QTest::mouseClick(widget<QCheckBox>("Chk2"), Qt::LeftButton);
    EXPECT_FALSE(form.Chk2.checked());

    // A fault in a handler ends in lblerror instead of escaping the event loop.
    form.CMD3.onClick = [] { throw std::runtime_error("broken"); };
    showTab(REVEQfrm::MechanismTab);
    QTest::mouseClick(widget<QPushButton>("CMD3"), Qt::LeftButton);
    EXPECT_NE(widget<QLabel>("lblerror")->text().indexOf(QStringLiteral("broken")), -1);

    // Labels with a click handler are clickable; one without does nothing.
    showTab(REVEQfrm::AboutTab);
    int contacts = 0;
    form.aboutxt3.onClick = [&contacts] { ++contacts; };
    QTest::mouseClick(widget<ClickableLabel>("aboutxt3"), Qt::LeftButton);
    QTest::mouseClick(widget<ClickableLabel>("aboutxt4"), Qt::LeftButton);
    EXPECT_EQ(contacts, 1);

    // Tabs follow the user and the model.
    window.tabs()->setCurrentIndex(REVEQfrm::ThermoTab);
    EXPECT_EQ(form.currentTab, REVEQfrm::ThermoTab);
    form.currentTab = REVEQfrm::MechanismTab;
    turnEventLoop();
    EXPECT_EQ(window.tabs()->currentIndex(), REVEQfrm::MechanismTab);
}

TEST_F(WindowTest, TabWalksTheInputsInReadingOrder) {
    struct Case {
        int tab;
        const char* first;
        std::vector<QString> order;
    };
    const Case cases[] = {
        {REVEQfrm::SettingsTab,
         "Chk1",
         {"Cold2txt", "Hot2txt", "Chk2", "Ntxt", "WholeMechanismChk", "ExactThermoChk",
          "LeastSquaresOpt", "MinimaxOpt", "MaxErrortxt", "DefaultsCMD"}},
        {REVEQfrm::ThermoTab, "TXT1K", {"TXT1KH", "TXT1KS"}},
    };
    for (const Case& c : cases) {
        showTab(c.tab);
        window.activateWindow();
        widget<QWidget>(c.first)->setFocus();
        std::vector<QString> walked;
        for (size_t step = 0; step < c.order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked.push_back(QApplication::focusWidget()->objectName());
        }
        EXPECT_EQ(walked, c.order) << c.first;
    }
}

TEST_F(WindowTest, ClosingDuringARunAsksAndAYesStopsItWithoutWriting) {
    connectCommands(session);
    zorbel::testing::TempFolder folder;
    for (const char* name : {"reversal.therm", "reversal.rxn"}) {
        platform.fileAnswers.push_back(
            folder.write(name, zorbel::testing::readFile(zorbel::testing::testData() / name)));
    }
    form.CMD1.click();
    form.CMD2.click();
    showTab(REVEQfrm::MechanismTab);
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        SCOPED_TRACE(answer == MessageAnswer::Yes ? "Yes" : "No");
        const std::string previous = "REACTIONS\r\n!a good earlier run\r\n";
        folder.write("RevAll.txt", previous);
        platform.messages.clear();
        platform.messageAnswers = {MessageAnswer::Yes, answer}; // the run's own question first
        int turn = 0;
        platform.onEvents = [&] {
            if (++turn == 2)
                window.close();
        };
        QTest::mouseClick(widget<QPushButton>("CMD4"), Qt::LeftButton);
        ASSERT_GE(platform.messages.size(), 2U);
        EXPECT_EQ(platform.messages[1].text, texts::StopRunQuestion);
        EXPECT_EQ(platform.messages[1].buttons, MessageButtons::YesNo);
        const bool stopped = answer == MessageAnswer::Yes;
        EXPECT_EQ(turn, stopped ? 2 : 9);
        EXPECT_EQ(window.isVisible(), !stopped);
        EXPECT_EQ(zorbel::testing::readFile(folder.path() / "RevAll.txt") == previous, stopped);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                                std::filesystem::directory_iterator()),
                  3); // no scratch file beside the inputs and the output
    }
    platform.onEvents = nullptr;
}

TEST(QtFileFilters, LabelsShowThePatternsThatApply) {
    EXPECT_EQ(qtFileFilters("DAT Files (*.dat)|*.dat|THE Files (*.the)|*.therm|All Files |*.*|"),
              (QStringList{"DAT Files (*.dat)", "THE Files (*.the) (*.therm)", "All Files (*.*)"}));
    // Several patterns; a list without its closing bar; a label without text.
    EXPECT_EQ(qtFileFilters("Text|*.txt;*.int|Comparison|common*.txt"),
              (QStringList{"Text (*.txt *.int)", "Comparison (common*.txt)"}));
    EXPECT_EQ(qtFileFilters("|*.rxn|"), QStringList{"(*.rxn)"});
    EXPECT_TRUE(qtFileFilters("").isEmpty());
    EXPECT_TRUE(qtFileFilters("Lonely label").isEmpty());
}

std::vector<std::string> reactions(int count) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index)
        lines.push_back("R" + std::to_string(index) + "+O2<=>P+OH 1.0E+13 0.0 0.0");
    return lines;
}

class ListTest : public WindowTest {
protected:
    int selections = 0;
    std::vector<int> shownByHandler;

    void SetUp() override {
        form.LOS2.onSelect = [this] {
            ++selections;
            shownByHandler.push_back(form.LOS2.currentIndex());
        };
    }

    std::vector<int> modelSelection() const {
        std::vector<int> rows;
        for (int row = 0; row < form.LOS2.count(); ++row) {
            if (form.LOS2.isSelected(row))
                rows.push_back(row);
        }
        return rows;
    }
};

TEST_F(ListTest, ExtendedSelectionKeepsTheModelInStep) {
    form.LOS2.assign(reactions(6));
    showTab(REVEQfrm::MechanismTab);
    auto* view = widget<QListView>("LOS2");

    clickRow(view, 1);
    EXPECT_EQ(form.LOS2.currentIndex(), 1);
    EXPECT_EQ(modelSelection(), (std::vector<int>{1}));
    EXPECT_EQ(shownByHandler, (std::vector<int>{1}));

    clickRow(view, 3, Qt::ControlModifier);
    EXPECT_EQ(modelSelection(), (std::vector<int>{1, 3}));
    EXPECT_EQ(form.LOS2.currentIndex(), 3);

    // Shift-click extends from the last clicked entry; whatever else the toolkit keeps
    // selected, the model holds the same.
    clickRow(view, 5, Qt::ShiftModifier);
    EXPECT_EQ(modelSelection(), shownSelection(view));
    for (int row : {3, 4, 5})
        EXPECT_TRUE(form.LOS2.isSelected(row)) << row;
    EXPECT_EQ(form.LOS2.currentIndex(), 5);
    EXPECT_EQ(shownByHandler, (std::vector<int>{1, 3, 5}));

    // A Ctrl-click that takes an entry out of the selection shows nothing new.
    clickRow(view, 4, Qt::ControlModifier);
    EXPECT_FALSE(form.LOS2.isSelected(4));
    EXPECT_EQ(modelSelection(), shownSelection(view));
    EXPECT_EQ(selections, 3);

    // A plain click starts again from one entry; so does the program.
    clickRow(view, 0);
    EXPECT_EQ(modelSelection(), (std::vector<int>{0}));
    form.LOS2.clearSelection();
    form.LOS2.select(2);
    controller.refresh();
    EXPECT_EQ(shownSelection(view), (std::vector<int>{2}));
    EXPECT_EQ(view->currentIndex().row(), 2);
    EXPECT_EQ(modelSelection(), (std::vector<int>{2}));
}

TEST_F(ListTest, KeysMoveTheSelectionLikeClicks) {
    form.LOS1.assign({"H2", "O2", "AR"});
    int shown = 0;
    form.LOS1.onSelect = [&shown] { ++shown; };
    showTab(REVEQfrm::ThermoTab);
    auto* view = widget<QListView>("LOS1");
    // Sorted by the model.
    EXPECT_EQ(view->model()->index(0, 0).data().toString(), "AR");

    clickRow(view, 0);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(form.LOS1.selectedText(), "H2");
    EXPECT_EQ(shown, 2);
    // The view shows the current species only, however the model marks the others.
    EXPECT_EQ(shownSelection(view), (std::vector<int>{1}));
}

TEST_F(ListTest, LongListIsRebuiltOnlyWhenItsContentChanges) {
    form.LOS2.assign(reactions(10000));
    controller.refresh();
    auto* view = widget<QListView>("LOS2");
    ASSERT_EQ(view->model()->rowCount(), 10000);
    QSignalSpy resets(view->model(), &QAbstractItemModel::modelReset);

    form.LOS2.select(9999);
    form.Templbl.setCaption("something else changed");
    controller.refresh();
    controller.refresh();
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(view->currentIndex().row(), 9999);
    EXPECT_EQ(view->model()->index(9999, 0).data().toString().toStdString(), form.LOS2.at(9999));

    form.LOS2.add("H+O2<=>O+OH 3.547E+15 -0.406 1.6599E+04");
    controller.refresh();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(view->model()->rowCount(), 10001);

    // Rows the element no longer has draw empty until the next refresh.
    form.LOS2.clear();
    EXPECT_FALSE(view->model()->index(5, 0).data().isValid());
}

} // namespace
} // namespace zorbel::ui::testing
