#include "app/AppTexts.h"
#include "ui/Binders.h"
#include "ui/QtText.h"
#include "ui/TabLayout.h"
#include "ui/Tabs.h"
#include "ui/Widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace zorbel::ui {

namespace {

// The face of the search button, a light blue.
const QColor findButtonFace(192, 224, 255);

QString propTxtName(int index) {
    return QStringLiteral("PropTxt%1").arg(index);
}

/// Reactants 1 to 3, the arrow, products 1 to 3, with a plus sign between neighbours.
QHBoxLayout* slotRow(Binding& binding, REVEQfrm& form, QWidget* parent) {
    auto* row = new QHBoxLayout;
    auto addSlot = [&](int index) {
        QLineEdit* box =
            binding.textBox(form.PropTxt[static_cast<size_t>(index)], propTxtName(index), parent);
        keepPlaceWhenHidden(box);
        row->addWidget(box, 1);
    };
    auto addSign = [&](Label& sign, const QString& name) {
        QLabel* label = binding.label(sign, name, parent);
        label->setAlignment(Qt::AlignCenter);
        keepPlaceWhenHidden(label);
        row->addWidget(label);
    };
    const int slot = REVEQfrm::FirstSlot;
    addSlot(slot);
    addSign(form.PlusLbl[0], QStringLiteral("PlusLbl0"));
    addSlot(slot + 1);
    addSign(form.PlusLbl[1], QStringLiteral("PlusLbl1"));
    addSlot(slot + 2);
    addSign(form.EgalLbl, QStringLiteral("EgalLbl"));
    addSlot(slot + 3);
    addSign(form.PlusLbl[2], QStringLiteral("PlusLbl2"));
    addSlot(slot + 4);
    addSign(form.PlusLbl[3], QStringLiteral("PlusLbl3"));
    addSlot(slot + 5);
    return row;
}

/// The forward coefficients on the first row, the reverse ones below them.
QGridLayout* coefficientGrid(Binding& binding, REVEQfrm& form, QWidget* parent) {
    auto* grid = new QGridLayout;
    struct Row {
        Label& title;
        const char* titleName;
        std::array<Label*, 3> captions;
        std::array<const char*, 3> captionNames;
        int firstBox;
    };
    const Row rows[] = {
        {form.flbl,
         "flbl",
         {&form.flbl1, &form.flbl2, &form.flbl3},
         {"flbl1", "flbl2", "flbl3"},
         REVEQfrm::ForwardA},
        {form.rlbl,
         "rlbl",
         {&form.rlbl1, &form.rlbl2, &form.rlbl3},
         {"rlbl1", "rlbl2", "rlbl3"},
         REVEQfrm::ReverseA},
    };
    int row = 0;
    for (const Row& line : rows) {
        QLabel* title = binding.label(line.title, QString::fromLatin1(line.titleName), parent);
        setTextColour(title, Qt::blue);
        grid->addWidget(title, row, 0);
        for (int k = 0; k < 3; ++k) {
            QLabel* caption = binding.label(
                *line.captions[static_cast<size_t>(k)],
                QString::fromLatin1(line.captionNames[static_cast<size_t>(k)]), parent);
            caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(caption, row, 1 + 2 * k);
            const int index = line.firstBox + k;
            QLineEdit* box = binding.textBox(form.PropTxt[static_cast<size_t>(index)],
                                             propTxtName(index), parent);
            fitWidth(box, QStringLiteral("-0.0000E+00"));
            grid->addWidget(box, row, 2 + 2 * k);
        }
        ++row;
    }
    for (int column : {2, 4, 6})
        grid->setColumnStretch(column, 1);
    return grid;
}

/// The search button, in its own colour so that it stands out beside the file name.
QPushButton* findButton(Binding& binding, REVEQfrm& form, QWidget* parent) {
    QPushButton* find = binding.button(form.FindCmd, QStringLiteral("FindCmd"), parent);
    QPalette face = find->palette();
    // The disabled look stays the system's, so that a batch run shows the button off.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        face.setColor(group, QPalette::Button, findButtonFace);
        face.setColor(group, QPalette::ButtonText, Qt::black);
    }
    find->setPalette(face);
    find->setFixedWidth(find->sizeHint().height() * 2);
    return find;
}

/// The loaded mechanism: its file, its reaction list and the slots of the chosen reaction.
QGroupBox* mechanismFrame(Binding& binding, REVEQfrm& form, QWidget* parent) {
    auto* mechanism = new QGroupBox(toQt(texts::Frm2Caption), parent);
    mechanism->setObjectName(QStringLiteral("Frm2"));

    auto* loadRow = new QHBoxLayout;
    loadRow->addWidget(binding.button(form.CMD2, QStringLiteral("CMD2"), mechanism));
    loadRow->addWidget(binding.label(form.Lbl2, QStringLiteral("Lbl2"), mechanism), 1);
    loadRow->addWidget(findButton(binding, form, mechanism));

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(binding.label(form.Label4, QStringLiteral("Label4"), mechanism), 1);
    QLabel* count = binding.label(form.List2Nbr, QStringLiteral("List2Nbr"), mechanism);
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    titleRow->addWidget(count);

    auto* mechanismLayout = new QVBoxLayout(mechanism);
    mechanismLayout->addLayout(loadRow);
    mechanismLayout->addLayout(titleRow);
    mechanismLayout->addWidget(
        binding.list(form.LOS2, Selection::Extended, QStringLiteral("LOS2"), mechanism), 1);
    mechanismLayout->addLayout(slotRow(binding, form, mechanism));
    return mechanism;
}

/// The forward and reverse coefficients of the chosen reaction, the law, and the messages.
QGroupBox* coefficientFrame(Binding& binding, REVEQfrm& form, QWidget* parent) {
    auto* coefficients = new QGroupBox(toQt(texts::Frm3Caption), parent);
    coefficients->setObjectName(QStringLiteral("Frm3"));
    auto* lawRow = new QHBoxLayout;
    lawRow->addWidget(binding.button(form.CMD3, QStringLiteral("CMD3"), coefficients));
    lawRow->addSpacing(12);
    lawRow->addWidget(binding.option(form.Option1, QStringLiteral("Option1"), coefficients));
    lawRow->addWidget(binding.option(form.Option2, QStringLiteral("Option2"), coefficients));
    lawRow->addStretch(1);
    lawRow->addWidget(binding.label(form.lblerror2, QStringLiteral("lblerror2"), coefficients));
    QLabel* status = binding.label(form.Templbl, QStringLiteral("Templbl"), coefficients);
    status->setWordWrap(true);
    QLabel* error = binding.label(form.lblerror, QStringLiteral("lblerror"), coefficients);
    error->setWordWrap(true);
    setTextColour(error, Qt::red);

    auto* coefficientLayout = new QVBoxLayout(coefficients);
    coefficientLayout->addLayout(coefficientGrid(binding, form, coefficients));
    coefficientLayout->addLayout(lawRow);
    coefficientLayout->addWidget(status);
    coefficientLayout->addWidget(error);
    return coefficients;
}

/// The batch commands and their progress.
QHBoxLayout* batchCommands(Binding& binding, REVEQfrm& form, QWidget* parent) {
    auto* batchRow = new QHBoxLayout;
    batchRow->addWidget(binding.button(form.CMD4, QStringLiteral("CMD4"), parent));
    batchRow->addWidget(binding.button(form.CMD5, QStringLiteral("CMD5"), parent));
    batchRow->addWidget(binding.button(form.CMD6, QStringLiteral("CMD6"), parent));
    QProgressBar* progress = binding.progressBar(form.ProgBar, QStringLiteral("ProgBar"), parent);
    keepPlaceWhenHidden(progress);
    batchRow->addWidget(progress, 1);
    batchRow->addWidget(binding.label(form.timeremaining, QStringLiteral("timeremaining"), parent));
    batchRow->addWidget(binding.runControl(form.CancelCMD, QStringLiteral("CancelCMD"), parent));
    return batchRow;
}

} // namespace

MechanismTab::MechanismTab(Binding& binding, REVEQfrm& form, QWidget* parent) : QWidget(parent) {
    QGroupBox* mechanism = mechanismFrame(binding, form, this);
    QGroupBox* coefficients = coefficientFrame(binding, form, this);
    QHBoxLayout* batchRow = batchCommands(binding, form, this);
    auto* page = new QVBoxLayout(this);
    page->addWidget(mechanism, 1);
    page->addWidget(coefficients);
    page->addLayout(batchRow);
}

} // namespace zorbel::ui
