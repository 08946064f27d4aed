// The window and zorbel-cli drive the same commands, so for the same inputs and
// settings they must write the same bytes: the settings typed and clicked in the
// window against the same settings given as options.

#include "ProgramTestSupport.h"

#include "batch/BatchTexts.h"
#include "reversal/ReversalTexts.h"

#include <QCheckBox>
#include <QDir>
#include <QProcess>
#include <QRadioButton>

#include <ostream>

namespace zorbel::ui::testing {
namespace {

struct Settings {
    const char* name;
    const char* points = nullptr; ///< nullptr: the 50 points of the start
    bool linearSpacing = false;
    bool arrhenius = false;
    const char* cold = nullptr; ///< with hot, a personal range
    const char* hot = nullptr;
    // What shows that the settings were applied: the range of the REV/ lines and the
    // start of the table's first row.
    const char* rangeInFile = "[ 200 -  3500]";
    const char* firstRow = "\r\n 200\t";
    bool exactThermo = false;
    bool wholeMechanism = false; ///< Reverse All only
    bool minimax = false;        ///< the law of smallest largest error
};

const Settings settingsCases[] = {
    {"AtStart"},
    {"Changed", "20", true, true, "300", "2500", "[ 300 -  2500]", "\r\n 300\t", true, true},
    {.name = "Minimax", .wholeMechanism = true, .minimax = true},
};

void PrintTo(const Settings& settings, std::ostream* out) {
    *out << settings.name;
}

/// Runs zorbel-cli; its exit code, or -1 when it did not end normally.
int runCli(const QStringList& arguments) {
    QProcess cli;
    cli.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    cli.start(QStringLiteral(ZORBEL_CLI_PATH), arguments);
    if (!cli.waitForFinished(120000) || cli.exitStatus() != QProcess::NormalExit)
        return -1;
    return cli.exitCode();
}

class SameFilesTest : public ProgramTest, public ::testing::WithParamInterface<Settings> {
protected:
    QTemporaryDir cliFolder;

    /// The settings through the widgets of the settings tab, as a user sets them.
    void setInWindow(const Settings& settings) {
        showTab(REVEQfrm::SettingsTab);
        if (settings.points != nullptr)
            type("Ntxt", QString::fromLatin1(settings.points));
        if (settings.linearSpacing)
            QTest::mouseClick(widget<QCheckBox>("Chk2"), Qt::LeftButton);
        if (settings.cold != nullptr) {
            QTest::mouseClick(widget<QCheckBox>("Chk1"), Qt::LeftButton);
            type("Cold2txt", QString::fromLatin1(settings.cold));
            type("Hot2txt", QString::fromLatin1(settings.hot));
        }
        for (const auto& [ticked, name] :
             {std::pair{settings.exactThermo, "ExactThermoChk"},
              std::pair{settings.wholeMechanism, "WholeMechanismChk"}}) {
            QCheckBox* box = widget<QCheckBox>(name);
            if (ticked)
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        }
        if (settings.minimax)
            QTest::mouseClick(widget<QRadioButton>("MinimaxOpt"), Qt::LeftButton);
        if (settings.arrhenius) {
            showTab(REVEQfrm::MechanismTab);
            QTest::mouseClick(widget<QRadioButton>("Option1"), Qt::LeftButton);
        }
    }

    /// The same settings as options of the command line, with the outputs going to
    /// their own folder.
    QStringList cliOptions(const Settings& settings) const {
        QStringList options;
        if (settings.points != nullptr)
            options << QStringLiteral("--points") << QString::fromLatin1(settings.points);
        if (settings.linearSpacing)
            options << QStringLiteral("--spacing") << QStringLiteral("linear");
        if (settings.arrhenius)
            options << QStringLiteral("--law") << QStringLiteral("arrhenius");
        if (settings.cold != nullptr)
            options << QStringLiteral("--range") << QString::fromLatin1(settings.cold)
                    << QString::fromLatin1(settings.hot);
        if (settings.exactThermo)
            options << QStringLiteral("--exact-thermo");
        if (settings.minimax)
            options << QStringLiteral("--fit") << QStringLiteral("minimax");
        options << QStringLiteral("--work-folder") << cliFolder.path();
        return options;
    }

    void expectSameFile(std::string_view name) const {
        const QByteArray fromWindow = contents(output(name));
        const QByteArray fromCli = contents(QDir(cliFolder.path()).filePath(toQt(name)));
        ASSERT_FALSE(fromWindow.isEmpty()) << name;
        ASSERT_FALSE(fromCli.isEmpty()) << name;
        // Compared as text first, so that a difference shows where it is.
        EXPECT_EQ(fromWindow.toStdString(), fromCli.toStdString()) << name;
    }
};

TEST_P(SameFilesTest, ReverseAndReverseAllWriteWhatTheCommandLineWrites) {
    const DateTime when{2004, 9, 14, 16, 5, 9};
    platform.fixedClock = when;
    ASSERT_TRUE(cliFolder.isValid());
    setInWindow(GetParam());
    loadExamples();
    // The first reaction shown fixes the number patterns of the coefficients.
    showReaction(0);
    click("CMD3");
    ASSERT_EQ(platform.charts.size(), 1U);
    platform.messageAnswers = {MessageAnswer::Yes};
    click("CMD4");

    ASSERT_EQ(runCli(QStringList{QStringLiteral("reverse"), toQt(thermoPath), toQt(mechanismPath),
                                 QStringLiteral("0")}
                     << cliOptions(GetParam())),
              0);
    const QString date = toQt(formatDate(when) + " " + formatTime(when));
    ASSERT_EQ(runCli(QStringList{QStringLiteral("reverse-all"), toQt(thermoPath),
                                 toQt(mechanismPath), QStringLiteral("--patterns-from"),
                                 QStringLiteral("0"), QStringLiteral("--date"), date}
                     << cliOptions(GetParam())
                     << (GetParam().wholeMechanism ? QStringList{QStringLiteral("--complete")}
                                                   : QStringList{})),
              0);
    expectSameFile(texts::TempFileName);
    expectSameFile(texts::RevAllFileName);
    EXPECT_TRUE(contents(output(texts::TempFileName)).contains(GetParam().firstRow));
    const QByteArray written = contents(output(texts::RevAllFileName));
    EXPECT_TRUE(written.contains(date.toLatin1()));
    EXPECT_TRUE(written.contains(GetParam().rangeInFile));
    EXPECT_EQ(written.contains(QByteArrayLiteral("; max err ")), GetParam().wholeMechanism);
}

INSTANTIATE_TEST_SUITE_P(Settings, SameFilesTest, ::testing::ValuesIn(settingsCases),
                         [](const ::testing::TestParamInfo<Settings>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace zorbel::ui::testing
