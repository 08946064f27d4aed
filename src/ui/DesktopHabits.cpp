#include "ui/DesktopHabits.h"

#include "app/StatusLine.h"
#include "commands/DroppedFiles.h"
#include "ui/Controller.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

#include <string>
#include <vector>

namespace zorbel::ui {

namespace {

/// The local files a drag carries; empty when it carries anything else as well.
std::vector<std::string> droppedFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (data == nullptr || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        files.push_back(fromQt(url.toLocalFile()));
    }
    return files;
}

/// Catches drags of files over any widget of the window before the widget does: a text
/// box would otherwise take a dropped file for text to paste.
class DropCatcher : public QObject {
public:
    DropCatcher(QMainWindow& window, Controller& controller)
        : QObject(&window), window_(window), controller_(controller) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || widget->window() != &window_)
            return false;
        auto* drop = static_cast<QDropEvent*>(event);
        const std::vector<std::string> files = droppedFiles(drop->mimeData());
        if (files.empty() || controller_.session().batchRunning)
            return false;
        drop->acceptProposedAction();
        if (type == QEvent::Drop) {
            Session& session = controller_.session();
            controller_.forward([&session, files] { loadDroppedFiles(session, files); });
        }
        return true;
    }

private:
    QMainWindow& window_;
    Controller& controller_;
};

void addStatusBar(QMainWindow& window, Controller& controller) {
    auto* line = new QLabel(&window);
    line->setObjectName(QStringLiteral("StatusLine"));
    // A long summary is cut at the window's edge rather than widening the window.
    line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    line->setMinimumWidth(1);
    window.statusBar()->setObjectName(QStringLiteral("StatusBar"));
    window.statusBar()->addWidget(line, 1);
    const auto show = [line, &controller] {
        const QString text = toQt(statusLine(controller.session()));
        if (line->text() != text) {
            line->setText(text);
            line->setToolTip(text);
        }
    };
    QObject::connect(&controller, &Controller::refreshed, line, show);
    show();
}

} // namespace

void addDesktopHabits(QMainWindow& window, Controller& controller) {
    window.setAcceptDrops(true);
    qApp->installEventFilter(new DropCatcher(window, controller));
    addStatusBar(window, controller);
    // Written after each action of the user's; the platform writes only what changed.
    Session& session = controller.session();
    QObject::connect(&controller, &Controller::forwarded, &window, [&session] {
        if (!session.batchRunning)
            session.storeSettings();
    });
}

} // namespace zorbel::ui
