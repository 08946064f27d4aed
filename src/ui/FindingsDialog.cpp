#include "ui/FindingsDialog.h"

#include "app/DeskTexts.h"
#include "ui/QtText.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zorbel::ui {

namespace {

// Room for a finding's line at the first size; the screen may leave less.
constexpr QSize preferred(760, 460);
// The share of the screen's free height and width the box may take at first.
constexpr double screenShare = 0.85;

QSize fittedSize(const QWidget& dialog) {
    const QScreen* screen = dialog.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return preferred;
    const QSize free = screen->availableGeometry().size();
    return preferred.boundedTo(QSize(static_cast<int>(free.width() * screenShare),
                                     static_cast<int>(free.height() * screenShare)));
}

} // namespace

FindingsDialog::FindingsDialog(const FindingsReport& report, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindingsDialog"));
    setWindowTitle(toQt(report.title));
    setSizeGripEnabled(true);

    list_ = new QPlainTextEdit(this);
    list_->setObjectName(QStringLiteral("FindingsList"));
    list_->setReadOnly(true);
    list_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    FindingsReport sections = report;
    sections.note.clear();
    list_->setPlainText(toQt(sections.text("\n")).trimmed());
    auto* note = new QLabel(toQt(report.note), this);
    note->setObjectName(QStringLiteral("FindingsNote"));
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(toQt(texts::FindingsCloseCaption));
    QPushButton* copy =
        buttons->addButton(toQt(texts::FindingsCopyCaption), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("FindingsCopy"));
    connect(copy, &QPushButton::clicked, this, &FindingsDialog::copyAll);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The list takes every pixel the box gains or loses; the buttons keep theirs.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(note);
    layout->addWidget(buttons);
    resize(fittedSize(*this));
}

void FindingsDialog::copyAll() const {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(list_->toPlainText());
}

} // namespace zorbel::ui
