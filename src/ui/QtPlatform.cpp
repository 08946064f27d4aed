#include "ui/QtPlatform.h"

#include "app/DeskTexts.h"
#include "ui/ChartDialog.h"
#include "ui/Controller.h"
#include "ui/FindingsDialog.h"
#include "ui/QtText.h"
#include "ui/SearchDialog.h"
#include "ui/UiTexts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <stdexcept>

namespace zorbel::ui {

QStringList qtFileFilters(std::string_view filter) {
    const QStringList parts = toQt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype at = 0; at + 1 < parts.size(); at += 2) {
        QString label = parts[at];
        const QString patterns = parts[at + 1]
                                     .split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                     .join(QLatin1Char(' '))
                                     .trimmed();
        if (patterns.isEmpty())
            continue;
        const QString shown = QStringLiteral("(%1)").arg(patterns);
        if (label.trimmed().endsWith(shown)) {
            filters.append(label.trimmed());
            continue;
        }
        while (label.endsWith(QLatin1Char(' ')))
            label.chop(1);
        filters.append(label.isEmpty() ? shown : label + QLatin1Char(' ') + shown);
    }
    return filters;
}

void QtPlatform::attach(Controller& controller, QWidget* owner) {
    controller_ = &controller;
    owner_ = owner;
}

void QtPlatform::runUnattended(std::deque<std::string> fileAnswers, WindowVisit visit) {
    unattended_ = true;
    fileAnswers_ = std::move(fileAnswers);
    visit_ = std::move(visit);
}

std::optional<std::string> QtPlatform::chooseFile(const FileDialogRequest& request) {
    if (unattended_) {
        if (fileAnswers_.empty())
            return std::nullopt;
        std::string answer = std::move(fileAnswers_.front());
        fileAnswers_.pop_front();
        return answer;
    }
    const QStringList filters = qtFileFilters(request.filter);
    QString selected;
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        selected = filters[request.filterIndex - 1];
    const QString path =
        QFileDialog::getOpenFileName(owner_, toQt(request.title), toQt(request.initialFolder),
                                     filters.join(QStringLiteral(";;")), &selected);
    if (path.isEmpty())
        return std::nullopt;
    return fromQt(path);
}

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace

MessageAnswer QtPlatform::showMessage(const MessageRequest& request) {
    if (unattended_)
        return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;

    QMessageBox box(owner_);
    box.setWindowTitle(toQt(request.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(shownText(request.text));
    box.setIcon(qtIcon(request.icon));
    switch (request.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MessageButtons::YesNoCancel:
        // Esc and the close box answer Cancel.
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    return answerOf(box.exec());
}

void QtPlatform::showChart(const Speedfrm& chart) {
    if (unattended_) {
        if (!visit_)
            return;
        ChartDialog dialog(chart, owner_);
        run(dialog);
        return;
    }
    // The window outlives the command: it closes with its close box, or with the main
    // window, its parent.
    auto* dialog = new ChartDialog(chart, owner_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void QtPlatform::showSearch(Findfrm& window) {
    if ((unattended_ && !visit_) || controller_ == nullptr)
        return;
    window.shown = true;
    SearchDialog dialog(*controller_, window, owner_);
    run(dialog);
    window.shown = false;
}

void QtPlatform::run(QDialog& dialog) {
    if (!unattended_) {
        dialog.exec();
        return;
    }
    dialog.show();
    // Lays the window out before the visitor looks at it.
    QCoreApplication::processEvents();
    visit_(dialog);
    dialog.close();
}

void QtPlatform::processEvents() {
    // A batch run yields at every reaction, so that Cancel or a close is heard at once;
    // redrawing as often would cost the window more than the reactions themselves.
    // The run's start and end redraw at once: they lock and free the window.
    if (controller_ != nullptr && (controller_->busyChangePending() || !redrawn_.isValid() ||
                                   redrawn_.elapsed() >= redrawInterval_)) {
        controller_->refresh();
        redrawn_.start();
    }
    QCoreApplication::processEvents();
}

void QtPlatform::showFindings(const FindingsReport& report) {
    if (unattended_ && !visit_)
        return;
    FindingsDialog dialog(report, owner_);
    run(dialog);
}

namespace {

/// The opener of the free desktops, when there is one: its exit code tells whether a
/// program took the address (0) or none could (3, 4).
QString addressOpener() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
#else
    return {};
#endif
}

/// Runs the opener on the address and calls `notOpened` when it fails. A browser that
/// the opener waits for keeps it running; it outlives the window if need be.
void runOpener(const QString& opener, const QUrl& url, std::function<void()> notOpened) {
    auto* process = new QProcess(QCoreApplication::instance());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const auto failed = [process, notOpened = std::move(notOpened)] {
        process->deleteLater();
        if (notOpened)
            notOpened();
    };
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         if (status == QProcess::NormalExit && code == 0)
                             process->deleteLater();
                         else
                             failed();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [failed](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             failed();
                     });
    process->start(opener, {url.toString(QUrl::FullyEncoded)});
}

/// A first size, within the free part of the screen the owner stands on.
QSize withinScreen(const QWidget* owner, QSize size) {
    if (owner != nullptr && owner->screen() != nullptr)
        return size.boundedTo(owner->screen()->availableGeometry().size());
    return size;
}

} // namespace

void QtPlatform::openAddress(const std::string& address, std::function<void()> notOpened) {
    const QUrl url(toQt(address), QUrl::StrictMode);
    if (!url.isValid())
        throw std::runtime_error("not an address: " + address);
    if (const QString opener = addressOpener(); !opener.isEmpty()) {
        runOpener(opener, url, std::move(notOpened));
        return;
    }
    if (!QDesktopServices::openUrl(url))
        throw std::runtime_error("the desktop could not open " + address);
}

void QtPlatform::showHelp(const std::string& unopenedAddress) {
    if (unattended_)
        return;
    if (help_ == nullptr) {
        help_ = new QDialog(owner_, Qt::Window);
        help_->setObjectName(QStringLiteral("HelpWindow"));
        help_->setWindowTitle(toQt(texts::HelpWindowTitle));
        helpNotice_ = new QLabel(help_);
        helpNotice_->setObjectName(QStringLiteral("HelpNotice"));
        helpNotice_->setWordWrap(true);
        helpNotice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* page = new QTextBrowser(help_);
        page->setObjectName(QStringLiteral("HelpPage"));
        page->setOpenExternalLinks(true);
        page->setSource(QUrl(QStringLiteral("qrc:/help/zorbel-help.html")));
        auto* layout = new QVBoxLayout(help_);
        layout->addWidget(helpNotice_);
        layout->addWidget(page, 1);
        help_->resize(withinScreen(owner_, QSize(640, 600)));
    }
    // The address, for the user to copy into a browser of their own.
    helpNotice_->setText(toQt(std::string(texts::HelpNotOpenedStart) + unopenedAddress +
                              std::string(texts::HelpNotOpenedEnd)));
    helpNotice_->setVisible(!unopenedAddress.empty());
    help_->show();
    help_->raise();
    help_->activateWindow();
}

DateTime QtPlatform::now() {
    return localNow();
}

std::optional<std::string> QtPlatform::storedValue(const std::string& key) {
    // An unattended run leaves the user's settings alone.
    if (unattended_)
        return Platform::storedValue(key);
    const QVariant value = QSettings().value(toQt(key));
    if (!value.isValid())
        return std::nullopt;
    return fromQt(value.toString());
}

void QtPlatform::storeValue(const std::string& key, const std::string& value) {
    if (unattended_) {
        Platform::storeValue(key, value);
        return;
    }
    // The window stores its settings after every action: the file is written only when
    // one of them changed.
    if (const auto written = written_.find(key);
        written != written_.end() && written->second == value)
        return;
    written_[key] = value;
    QSettings().setValue(toQt(key), toQt(value));
}

void QtPlatform::quit() {
    // The main window may refuse to close (a run in progress, and the user said No) or
    // close only once the run has stopped: the program ends with its last window.
    if (owner_ != nullptr && !owner_->close())
        return;
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace zorbel::ui
