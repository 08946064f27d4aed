#include "UiTestSupport.h"

#include "app/AppTexts.h"
#include "program/Program.h"
#include "support/TestSupport.h"
#include "ui/QtPlatform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

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

} // namespace
} // namespace zorbel::ui::testing
