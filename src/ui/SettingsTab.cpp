#include "app/AppTexts.h"
#include "ui/Binders.h"
#include "ui/QtText.h"
#include "ui/TabLayout.h"
#include "ui/Tabs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>

namespace zorbel::ui {

namespace {

QLineEdit* temperatureBox(Binding& binding, TextBox& box, const QString& name, QWidget* parent) {
    QLineEdit* edit = binding.textBox(box, name, parent);
    fitWidth(edit, QStringLiteral("00000000"));
    return edit;
}

/// A caption followed by the cold and the hot end of a temperature range.
QHBoxLayout* rangeRow(QLabel* caption, QLineEdit* cold, QLineEdit* hot) {
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(cold);
    row->addWidget(hot);
    row->addStretch(1);
    return row;
}

} // namespace

SettingsTab::SettingsTab(Binding& binding, REVEQfrm& form, QWidget* parent) : QWidget(parent) {
    auto* user = new QGroupBox(toQt(texts::Frm5Caption), this);
    user->setObjectName(QStringLiteral("frm5"));
    auto* userLayout = new QVBoxLayout(user);
    userLayout->addWidget(binding.checkBox(form.Chk1, QStringLiteral("Chk1"), user));
    // One statement each: Tab walks the boxes in the order they are made.
    QLabel* ownCaption = binding.label(form.Label6, QStringLiteral("Label6"), user);
    QLineEdit* ownCold = temperatureBox(binding, form.Cold2txt, QStringLiteral("Cold2txt"), user);
    QLineEdit* ownHot = temperatureBox(binding, form.Hot2txt, QStringLiteral("Hot2txt"), user);
    userLayout->addLayout(rangeRow(ownCaption, ownCold, ownHot));
    userLayout->addWidget(horizontalLine(QStringLiteral("Line1_0"), user));
    userLayout->addWidget(binding.checkBox(form.Chk2, QStringLiteral("Chk2"), user));

    auto* programme = new QGroupBox(toQt(texts::Frm4Caption), this);
    programme->setObjectName(QStringLiteral("Frm4"));
    auto* pointsRow = new QHBoxLayout;
    pointsRow->addWidget(binding.label(form.Label1, QStringLiteral("Label1"), programme));
    QLineEdit* points = binding.textBox(form.Ntxt, QStringLiteral("Ntxt"), programme);
    fitWidth(points, QStringLiteral("0000000"));
    pointsRow->addWidget(points);
    pointsRow->addStretch(1);
    auto* programmeLayout = new QVBoxLayout(programme);
    programmeLayout->addLayout(pointsRow);
    programmeLayout->addWidget(
        binding.checkBox(form.WholeMechanismChk, QStringLiteral("WholeMechanismChk"), programme));
    programmeLayout->addWidget(
        binding.checkBox(form.ExactThermoChk, QStringLiteral("ExactThermoChk"), programme));
    // The two choices in a box of their own: a radio button is exclusive within its parent.
    auto* fitBox = new QWidget(programme);
    fitBox->setObjectName(QStringLiteral("FitBox"));
    auto* fitRow = new QHBoxLayout(fitBox);
    fitRow->setContentsMargins(0, 0, 0, 0);
    fitRow->addWidget(binding.label(form.FitLbl, QStringLiteral("FitLbl"), fitBox));
    fitRow->addWidget(
        binding.option(form.LeastSquaresOpt, QStringLiteral("LeastSquaresOpt"), fitBox));
    fitRow->addWidget(binding.option(form.MinimaxOpt, QStringLiteral("MinimaxOpt"), fitBox));
    fitRow->addStretch(1);
    programmeLayout->addWidget(fitBox);
    auto* largestRow = new QHBoxLayout;
    largestRow->addWidget(
        binding.label(form.MaxErrorLbl, QStringLiteral("MaxErrorLbl"), programme));
    QLineEdit* largest =
        binding.textBox(form.MaxErrortxt, QStringLiteral("MaxErrortxt"), programme);
    fitWidth(largest, QStringLiteral("00000000"));
    largestRow->addWidget(largest);
    largestRow->addStretch(1);
    programmeLayout->addLayout(largestRow);
    programmeLayout->addWidget(horizontalLine(QStringLiteral("Line1_1"), programme));
    QLabel* usedCaption = binding.label(form.Label5, QStringLiteral("Label5"), programme);
    QLineEdit* usedCold =
        temperatureBox(binding, form.Coldtxt, QStringLiteral("Coldtxt"), programme);
    QLineEdit* usedHot = temperatureBox(binding, form.Hottxt, QStringLiteral("Hottxt"), programme);
    programmeLayout->addLayout(rangeRow(usedCaption, usedCold, usedHot));

    auto* page = new QVBoxLayout(this);
    page->addWidget(user);
    page->addWidget(horizontalLine(QStringLiteral("Line1_2"), this));
    page->addWidget(programme);
    auto* defaultsRow = new QHBoxLayout;
    defaultsRow->addStretch(1);
    defaultsRow->addWidget(binding.button(form.DefaultsCMD, QStringLiteral("DefaultsCMD"), this));
    page->addLayout(defaultsRow);
    page->addStretch(1);
}

} // namespace zorbel::ui
