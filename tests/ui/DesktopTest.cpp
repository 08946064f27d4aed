// The window as a desktop program: findings that scroll, help that answers, results that
// do not outlive their reaction, dropped files, keys, recent files and the status bar.

#include "ProgramTestSupport.h"

#include "app/AppTexts.h"
#include "app/DeskTexts.h"
#include "app/SearchTexts.h"
#include "reversal/ReversalTexts.h"
#include "ui/FindingsDialog.h"
#include "ui/UiTexts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTextDocument>

namespace zorbel::ui::testing {
namespace {

class DesktopTest : public ProgramTest {
protected:
    void SetUp() override {
        QSettings().clear();
        ProgramTest::SetUp();
        session.loads.warningBox = true; // as the program does
    }

    /// Drags the files over a widget of the window and drops them there.
    void dropOn(QWidget* target, const std::vector<std::string>& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& file : files)
            urls << QUrl::fromLocalFile(toQt(file));
        data.setUrls(urls);
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }

    QString statusText() const { return widget<QLabel>("StatusLine")->text(); }

    void loadOne(const std::string& path, const char* loader) {
        platform.fileAnswers = {path};
        click(loader);
    }
};

TEST_F(DesktopTest, TheFindingsBoxFitsTheScreenScrollsAndCopies) {
    FindingsReport report{"Warnings", {{"Headers:", {"line 3, H"}}, {"Findings:", {}}}, "Once."};
    for (int line = 1; line <= 3000; ++line)
        report.sections[1].lines.push_back("m.inp:" + std::to_string(line) + ": X is missing");
    QtPlatform qt;
    qt.attach(controller, &window);
    showTab(REVEQfrm::MechanismTab);
    bool seen = false;
    whenModalShows([&seen](QWidget* modal) {
        auto* box = qobject_cast<FindingsDialog*>(modal);
        ASSERT_NE(box, nullptr);
        seen = true;
        const QRect screen = box->screen()->availableGeometry();
        EXPECT_LE(box->frameGeometry().height(), screen.height());
        EXPECT_LE(box->frameGeometry().width(), screen.width());
        EXPECT_TRUE(box->list()->verticalScrollBar()->isVisible());
        QAbstractButton* close =
            box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
        const QRect inBox(close->mapTo(box, QPoint(0, 0)), close->size());
        EXPECT_TRUE(close->isVisible() && box->rect().contains(inBox));
        box->copyAll();
        const QString copied = QGuiApplication::clipboard()->text();
        EXPECT_TRUE(copied.startsWith("Headers:\nline 3, H\n\nFindings:\nm.inp:1: X is missing"));
        EXPECT_TRUE(copied.endsWith("m.inp:3000: X is missing"));
        close->click();
    });
    qt.showFindings(report);
    EXPECT_TRUE(seen);
}

/// What the help page says, as its reader sees it: tags gone, entities read, blanks
/// collapsed.
QString helpPage() {
    QFile file(QStringLiteral(":/help/zorbel-help.html"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QTextDocument page;
    page.setHtml(QString::fromUtf8(file.readAll()));
    return page.toPlainText().simplified();
}

/// A caption as the page names it: without its mnemonic, its ellipsis and its blanks.
QString named(QString caption) {
    caption.remove(QLatin1Char('&'));
    if (caption.endsWith(QStringLiteral("...")))
        caption.chop(3);
    return caption.simplified();
}

/// Every caption of the window that names something the user sets, chooses or runs: the
/// tabs, every button and box, the settings tab's labels and frames, the menus' entries.
QStringList windowCaptions(const MainWindow& window) {
    QStringList captions;
    for (int tab = 0; tab < window.tabs()->count(); ++tab)
        captions << window.tabs()->tabText(tab);
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        captions << button->text();
    const QWidget* settings = window.tabs()->widget(REVEQfrm::SettingsTab);
    for (const QLabel* label : settings->findChildren<QLabel*>())
        captions << label->text();
    for (const QGroupBox* frame : settings->findChildren<QGroupBox*>())
        captions << frame->title();
    for (const QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
        captions << menu->title();
        for (const QAction* entry : menu->actions())
            captions << entry->text();
    }
    return captions;
}

QString cliHelp(const QStringList& arguments) {
    QProcess cli;
    cli.start(QStringLiteral(ZORBEL_CLI_PATH), arguments);
    EXPECT_TRUE(cli.waitForFinished(30000));
    return QString::fromUtf8(cli.readAllStandardOutput());
}

/// The command line's commands ("zorbel-cli check") and options ("--points"), as its
/// help lists them.
QStringList cliNames() {
    const QString help = cliHelp({QStringLiteral("--help")});
    QStringList names;
    const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
    const auto addOptions = [&names, &option](const QString& text) {
        for (const QRegularExpressionMatch& found : option.globalMatch(text))
            names << found.captured();
    };
    addOptions(help);
    const QString commands = help.section(QStringLiteral("Subcommands:"), 1);
    for (const QString& line : commands.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString command = line.simplified().section(QLatin1Char(' '), 0, 0);
        names << QStringLiteral("zorbel-cli ") + command;
        addOptions(cliHelp({command, QStringLiteral("--help")}));
    }
    return names;
}

QStringList missingFrom(const QString& page, const QStringList& captions) {
    QStringList missing;
    for (const QString& caption : captions) {
        const QString name = named(caption);
        if (!name.isEmpty() && !page.contains(name) && !missing.contains(name))
            missing << name;
    }
    return missing;
}

TEST_F(DesktopTest, TheHelpPageCoversEverySettingMenuEntryDialogAndOption) {
    const QString page = helpPage();
    const QString search = toQt(texts::FindfrmCaption).section(QStringLiteral(" -- "), 1);
    QStringList dialogs{search};
    for (std::string_view title :
         {texts::ThermoDialogTitle, texts::MechanismDialogTitle, texts::ComparisonDialogTitle,
          texts::CheckBoxTitle, texts::CleanQuestionTitle, texts::SummaryTitle, texts::JobDoneTitle,
          texts::ReverseAllTitle, texts::ReverseSelectedTitle, texts::WarningTitle,
          texts::ChartCaption, texts::ChartSaveTitle, texts::HelpWindowTitle,
          texts::ReopenComparisonTitle, texts::StopRunTitle, texts::DatabaseRefusedTitle,
          texts::AccessDeniedTitle, texts::LinkNotOpenedTitle, texts::DroppedUnknownTitle})
        dialogs << toQt(title);
    EXPECT_EQ(missingFrom(page, windowCaptions(window)), QStringList());
    EXPECT_EQ(missingFrom(page, cliNames()), QStringList());
    EXPECT_EQ(missingFrom(page, dialogs), QStringList());
    // A setting added without a word on the page is caught.
    new QCheckBox(QStringLiteral("An &undocumented setting"),
                  window.tabs()->widget(REVEQfrm::SettingsTab));
    EXPECT_EQ(missingFrom(page, windowCaptions(window)),
              QStringList{QStringLiteral("An undocumented setting")});
}

TEST_F(DesktopTest, HelpShowsThePageThatComesWithTheProgramWhenNothingOpensTheAddress) {
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    QtPlatform qt;
    qt.attach(controller, &window);
    // A desktop's opener that finds no browser (3), or one that opens the page (0).
    for (const int exitCode : {3, 0}) {
        SCOPED_TRACE(exitCode);
        QFile opener(QDir(bin.path()).filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly | QIODevice::Truncate));
        opener.write(QStringLiteral("#!/bin/sh\nexit %1\n").arg(exitCode).toLatin1());
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", bin.path().toLocal8Bit() + ":" + path);
        bool notOpened = false;
        qt.openAddress("https://example.org/help", [&notOpened] { notOpened = true; });
        EXPECT_EQ(QTest::qWaitFor([&notOpened] { return notOpened; }, 3000), exitCode != 0);
        qputenv("PATH", path);
    }
    qt.showHelp("https://example.org/help");
    auto* help = window.findChild<QDialog*>("HelpWindow");
    ASSERT_NE(help, nullptr);
    auto* notice = help->findChild<QLabel*>("HelpNotice");
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().contains("https://example.org/help"));
    EXPECT_TRUE(help->findChild<QTextBrowser*>()->toPlainText().contains("Reverse All"));
    qt.showHelp({});
    EXPECT_FALSE(notice->isVisible());
    EXPECT_EQ(window.findChildren<QDialog*>("HelpWindow").size(), 1); // shown again
    help->close();
}

TEST_F(DesktopTest, APickOrALoadClearsTheResultsOfTheLastReaction) {
    const struct {
        const char* what;
        std::function<void()> act;
    } cases[] = {
        {"another reaction", [this] { showReaction(1); }},
        {"a mechanism", [this] { loadOne(mechanismPath, "CMD2"); }},
        {"a database", [this] { loadOne(thermoPath, "CMD1"); }},
    };
    loadExamples();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        showReaction(0);
        click("CMD3");
        ASSERT_NE(labelText("lblerror2"), toQt(texts::Lblerror2Start));
        ASSERT_FALSE(boxText("PropTxt23").isEmpty());
        controller.forward([this] { form.lblerror.setCaption(std::string(texts::RunStopped)); });
        c.act();
        EXPECT_EQ(labelText("lblerror2"), toQt(texts::Lblerror2Start));
        EXPECT_EQ(labelText("lblerror"), QString());
        EXPECT_EQ(labelText("Templbl"), QString());
        for (const char* box : {"PropTxt23", "PropTxt24", "PropTxt25"})
            EXPECT_EQ(boxText(box), QString()) << box;
    }
    // The chart's Save dialog opens beside the mechanism until a chart was saved.
    EXPECT_EQ(platform.charts.back().folder, fromQt(folder.path()) + "/");
}

TEST_F(DesktopTest, ABatchLeavesTheThermoTabAsItFoundItAndNoReactionToReverse) {
    loadExamples();
    controller.forward([this] { form.LOS1.selectFirstEqual("O2"); });
    showTab(REVEQfrm::ThermoTab);
    type("TXT1K", QStringLiteral("1500"));
    const char* const boxes[] = {"TXT1K", "TXT1CP", "TXT1KH", "TXT1H", "TXT1S", "PropTxt0"};
    QStringList before;
    for (const char* box : boxes)
        before << boxText(box);
    platform.messageAnswers = {MessageAnswer::Yes};
    showTab(REVEQfrm::MechanismTab);
    click("CMD4");
    EXPECT_EQ(form.LOS1.selectedText(), "O2");
    QStringList after;
    for (const char* box : boxes)
        after << boxText(box);
    EXPECT_EQ(after, before);
    // The panel shows the batch's last reaction, which is nobody's pick.
    const std::size_t charts = platform.charts.size();
    click("CMD3");
    EXPECT_EQ(labelText("lblerror"), toQt(texts::SelectReactionFirst));
    EXPECT_EQ(platform.charts.size(), charts);
    // The status bar keeps what was loaded and the run's summary on one line.
    EXPECT_TRUE(statusText().startsWith("Database: example.therm (" +
                                        labelText("List1Nbr").mid(1).chopped(1) +
                                        " species)  |  Mechanism: example.rxn (13 reactions)  |  "
                                        "Last run: Reactions: 13; reversed (REV/): "))
        << statusText().toStdString();
    showReaction(0);
    click("CMD3");
    EXPECT_EQ(platform.charts.size(), charts + 1);
}

TEST_F(DesktopTest, DroppedFilesLoadAsWhatTheyAreAndOnlyLoadsThatSucceedAreRecent) {
    const std::string comparison = copyExample("example-common.txt");
    const QByteArray comparisonBefore = contents(toQt(comparison));
    const std::string notes = fromQt(folder.filePath(QStringLiteral("notes.txt")));
    QFile text(toQt(notes));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("Nothing to load here.\n") > 0);
    text.close();
    EXPECT_EQ(statusText(), toQt(texts::StatusNothingLoaded));
    // The file of no kind is told of; the comparison file is asked about once the database
    // is in, and No keeps it as it was.
    platform.messageAnswers = {MessageAnswer::Ok, MessageAnswer::No};
    dropOn(widget<QLineEdit>("Ntxt"), {comparison, mechanismPath, notes, thermoPath});
    EXPECT_EQ(session.common.ThermoPath, thermoPath);
    EXPECT_EQ(session.common.MechanismPath, mechanismPath);
    EXPECT_EQ(boxText("Ntxt"), "50"); // the box took no path for text
    EXPECT_TRUE(platform.fileRequests.empty());
    ASSERT_EQ(platform.messages.size(), 2U);
    EXPECT_EQ(platform.messages[0].title, texts::DroppedUnknownTitle);
    EXPECT_TRUE(platform.messages[0].text.starts_with(notes));
    EXPECT_EQ(platform.messages[1].title, texts::ReopenComparisonTitle);
    EXPECT_EQ(contents(toQt(comparison)), comparisonBefore);
    const std::vector<Session::RecentFile> recent = session.recentFiles();
    ASSERT_EQ(recent.size(), 2U);
    EXPECT_EQ(recent[0].path + recent[1].path, mechanismPath + thermoPath);
    EXPECT_TRUE(statusText().endsWith("Mechanism: example.rxn (13 reactions)"));
}

TEST_F(DesktopTest, KeysLoadTheFilesAndSettingsAreWrittenAsTheyChange) {
    const struct {
        QKeySequence keys;
        std::string_view title;
        int tab;
    } rows[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), texts::MechanismDialogTitle, REVEQfrm::MechanismTab},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), texts::ThermoDialogTitle,
         REVEQfrm::ThermoTab},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.title);
        QAction* entry = nullptr;
        for (QAction* action : window.menuBar()->findChildren<QAction*>())
            entry = action->shortcut() == row.keys ? action : entry;
        ASSERT_NE(entry, nullptr);
        entry->trigger();
        ASSERT_FALSE(platform.fileRequests.empty());
        EXPECT_EQ(platform.fileRequests.back().title, row.title);
        EXPECT_EQ(window.tabs()->currentIndex(), row.tab);
    }
    showTab(REVEQfrm::SettingsTab);
    type("Ntxt", QStringLiteral("75"));
    EXPECT_EQ(QSettings().value("settings/points").toString(), "75");
}

} // namespace
} // namespace zorbel::ui::testing
