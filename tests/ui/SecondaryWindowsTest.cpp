// The windows the main one opens, driven as a user drives them: a reaction chosen in the
// search window is shown in the main window, and the program takes the pictures of its
// documentation itself.

#include "ProgramTestSupport.h"

#include "app/SearchTexts.h"
#include "ui/Screenshots.h"
#include "ui/SearchDialog.h"

#include <QDir>
#include <QImage>

namespace zorbel::ui::testing {
namespace {

TEST_F(ProgramTest, SearchWindowShowsTheChosenReactionInTheMainWindow) {
    loadExamples();
    showTab(REVEQfrm::MechanismTab);
    bool searched = false;
    whenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<SearchDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->findChild<QListView*>("LOS2copy")->model()->rowCount(), 13);
        QTest::keyClicks(dialog->findChild<QLineEdit*>("Usereqn1"), QStringLiteral("hco"));
        QTest::mouseClick(dialog->findChild<QPushButton*>("FindCmdR"), Qt::LeftButton);
        EXPECT_EQ(dialog->findChild<QLabel*>("resultlbl")->text(),
                  toQt(texts::FoundStart) + " 2 " + toQt(texts::FoundEnd));
        auto* results = dialog->findChild<QListView*>("SubLOS2copy");
        // The irreversible reaction carries its mark in the search window only.
        const int irreversible = rowStartingWith(results, QStringLiteral("HCO+O2|=>HO2+CO"));
        EXPECT_GE(irreversible, 0);
        searched = true;
        if (irreversible >= 0)
            doubleClickRow(results, irreversible);
        EXPECT_FALSE(dialog->isVisible());
        if (dialog->isVisible())
            dialog->reject();
    });
    click("FindCmd");

    EXPECT_TRUE(searched);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    turnEventLoop();
    auto* reactions = widget<QListView>("LOS2");
    const int chosen = rowStartingWith(reactions, QStringLiteral("HCO+O2=>HO2+CO"));
    EXPECT_EQ(reactions->currentIndex().row(), chosen);
    EXPECT_EQ(shownSelection(reactions), std::vector<int>{chosen});
    EXPECT_EQ(boxText("PropTxt15"), "HCO");
    EXPECT_EQ(boxText("PropTxt16"), "O2");
    EXPECT_EQ(labelText("EgalLbl"), "=>");
    EXPECT_EQ(boxText("PropTxt17"), "HO2");
    EXPECT_EQ(boxText("PropTxt20"), "1.345E+13");
}

// The pictures of the documentation, taken by the program itself.
class ScreenshotsTest : public WindowTestOn<QtPlatform> {
protected:
    QTemporaryDir inputs;
    QTemporaryDir pictures;

    void SetUp() override {
        connectCommands(session);
        session.loads.warningBox = true; // as the program does: the findings have a picture
        platform.attach(controller, &window);
        ASSERT_TRUE(inputs.isValid());
        ASSERT_TRUE(pictures.isValid());
        for (const char* name : {"example.therm", "example.rxn"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(ZORBEL_EXAMPLES "/") + QString::fromLatin1(name),
                                    inputs.filePath(QString::fromLatin1(name))));
    }

    QImage picture(const char* name) const {
        return QImage(QDir(pictures.path()).filePath(QString::fromLatin1(name)));
    }
};

TEST_F(ScreenshotsTest, TakesEveryWindowAndLeavesNothingBesideTheInputs) {
    const ScreenshotRequest request{pictures.path(),
                                    inputs.filePath(QStringLiteral("example.therm")),
                                    inputs.filePath(QStringLiteral("example.rxn"))};
    ASSERT_TRUE(takeScreenshots(request, platform, controller, window));

    for (const char* name : {"tab1.png", "tab2.png", "tab3.png", "tab4.png", "chart.png",
                             "search.png", "results.png", "findings.png"}) {
        const QImage image = picture(name);
        EXPECT_FALSE(image.isNull()) << name;
        // Small enough for the documentation, large enough to read.
        EXPECT_LE(image.width(), 1000) << name;
        EXPECT_GE(image.width(), 600) << name;
    }
    // The chart came from a Reverse, whose table went elsewhere.
    EXPECT_EQ(QDir(inputs.path()).entryList(QDir::Files).size(), 2);
    // The search was done: its window listed what it found.
    EXPECT_EQ(session.find.resultlbl.caption(), "Found: 4 Reaction(s)");
    // The tabs show what was loaded, reversed and chosen.
    EXPECT_EQ(form.List2Nbr.caption(), "(13)");
    EXPECT_FALSE(form.Hottxt.text().empty());
    EXPECT_EQ(form.LOS1.selectedText(), "H2O");
    EXPECT_EQ(form.TXT1K.text(), "1000");
}

} // namespace
} // namespace zorbel::ui::testing
