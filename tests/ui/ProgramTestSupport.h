#pragma once
// The whole program in its window: the real widgets, the real commands, and a Qt
// platform whose file dialog, message boxes and chart window are answered by the test
// while the event loop, the search window and the rest stay Qt's own. The example
// files are copied into a temporary folder first, so that the outputs go there.

#include "UiTestSupport.h"

#include "commands/Program.h"
#include "text/DateText.h"
#include "ui/QtPlatform.h"
#include "ui/QtText.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorbel::ui::testing {

class ScriptedQtPlatform : public QtPlatform {
public:
    std::deque<std::string> fileAnswers;
    /// Answers of the message boxes in turn. A question nobody expected fails the test
    /// and is answered No; an OK box needs no answer.
    std::deque<MessageAnswer> messageAnswers;
    std::optional<DateTime> fixedClock;
    /// Runs after each real turn of the event loop, when the window shows what the
    /// user would see during a batch run's yield.
    std::function<void()> afterEvents;
    /// Runs when the chart window would open.
    std::function<void(const Speedfrm&)> onChart;

    std::vector<FileDialogRequest> fileRequests;
    std::vector<MessageRequest> messages;
    std::vector<Speedfrm> charts;
    std::vector<FindingsReport> findings;
    int eventTurns = 0;

    std::optional<std::string> chooseFile(const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        if (fileAnswers.empty())
            return std::nullopt;
        std::string answer = std::move(fileAnswers.front());
        fileAnswers.pop_front();
        return answer;
    }

    MessageAnswer showMessage(const MessageRequest& request) override {
        messages.push_back(request);
        if (!messageAnswers.empty()) {
            const MessageAnswer answer = messageAnswers.front();
            messageAnswers.pop_front();
            return answer;
        }
        if (request.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        ADD_FAILURE() << "unexpected question: " << request.text;
        return MessageAnswer::No;
    }

    void showChart(const Speedfrm& chart) override {
        charts.push_back(chart);
        if (onChart)
            onChart(chart);
    }

    void showFindings(const FindingsReport& report) override { findings.push_back(report); }

    void processEvents() override {
        QtPlatform::processEvents();
        ++eventTurns;
        if (afterEvents)
            afterEvents();
    }

    DateTime now() override { return fixedClock ? *fixedClock : QtPlatform::now(); }
    /// With a paced clock every turn of the event loop takes one second.
    bool pacedClock = false;
    double steadySeconds() override {
        return pacedClock ? eventTurns : QtPlatform::steadySeconds();
    }
};

class ProgramTest : public WindowTestOn<ScriptedQtPlatform> {
protected:
    QTemporaryDir folder;
    std::string thermoPath;
    std::string mechanismPath;

    void SetUp() override {
        connectCommands(session);
        platform.attach(controller, &window);
        ASSERT_TRUE(folder.isValid());
        thermoPath = copyExample("example.therm");
        mechanismPath = copyExample("example.rxn");
    }

    std::string copyExample(const char* name) const {
        const QString copy = folder.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(
            QFile::copy(QStringLiteral(ZORBEL_EXAMPLES "/") + QString::fromLatin1(name), copy))
            << name;
        return fromQt(copy);
    }

    /// A file the program writes beside the mechanism.
    QString output(std::string_view name) const { return folder.filePath(toQt(name)); }

    void click(const char* button) {
        QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton);
    }

    QString boxText(const char* name) const { return widget<QLineEdit>(name)->text(); }
    QString labelText(const char* name) const { return widget<QLabel>(name)->text(); }

    /// Replaces a box's text by typing, one key at a time, as the user does.
    void type(const char* box, const QString& text) {
        QLineEdit* edit = widget<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    /// Loads the copies of the examples with the two load buttons, the dialog answered
    /// with their paths.
    void loadExamples() {
        platform.fileAnswers = {thermoPath, mechanismPath};
        showTab(REVEQfrm::ThermoTab);
        click("CMD1");
        showTab(REVEQfrm::MechanismTab);
        click("CMD2");
    }

    void showReaction(int row) {
        showTab(REVEQfrm::MechanismTab);
        clickRow(widget<QListView>("LOS2"), row);
    }
};

/// The bytes of a file, empty when it cannot be read.
inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace zorbel::ui::testing
