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
#include <QPushButton>
#include <QVBoxLayout>

namespace zorbel::ui {

namespace {

/// Seven coefficient boxes of one temperature range, four on the first row and three on
/// the second, so that each box is wide enough for its nine significant digits.
QGridLayout* coefficientGrid(Binding& binding, REVEQfrm& form, int first, QWidget* parent) {
    constexpr int perRange = 7;
    constexpr int perRow = 4;
    auto* grid = new QGridLayout;
    for (int k = 0; k < perRange; ++k) {
        const int index = first + k;
        QLineEdit* box = binding.textBox(form.PropTxt[static_cast<size_t>(index)],
                                         QStringLiteral("PropTxt%1").arg(index), parent);
        fitWidth(box, QStringLiteral("-0.00000000E+00"));
        grid->addWidget(box, k / perRow, k % perRow);
    }
    return grid;
}

/// The species list on the left.
QVBoxLayout* speciesListColumn(Binding& binding, REVEQfrm& form, QWidget* frame) {
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(binding.button(form.CMD1, QStringLiteral("CMD1"), frame));
    listColumn->addWidget(binding.label(form.Lbl3, QStringLiteral("Lbl3"), frame));
    listColumn->addWidget(binding.list(form.LOS1, Selection::Single, QStringLiteral("LOS1"), frame),
                          1);
    QLabel* count = binding.label(form.List1Nbr, QStringLiteral("List1Nbr"), frame);
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    listColumn->addWidget(count);
    return listColumn;
}

/// A row of the property grid: its elements and their object names.
struct PropertyRow {
    Label& temperatureCaption;
    const char* temperatureCaptionName;
    TextBox& temperature;
    const char* temperatureName;
    Label& propertyCaption;
    const char* propertyCaptionName;
    TextBox& value;
    const char* valueName;
    TextBox& lowerRangeValue;
    const char* lowerRangeValueName;
};

/// Each property row: the temperature typed, the property at it, and its value from the
/// lower range where the record gives one.
QGridLayout* propertyGrid(Binding& binding, REVEQfrm& form, QWidget* frame) {
    const PropertyRow rows[] = {
        {form.LblCp1, "LblCp1", form.TXT1K, "TXT1K", form.cplbl1, "cplbl1", form.TXT1CP, "TXT1CP",
         form.TXT1CPBis, "TXT1CPBis"},
        {form.Label2, "Label2", form.TXT1KH, "TXT1KH", form.hlbl1, "hlbl1", form.TXT1H, "TXT1H",
         form.TXT1HBis, "TXT1HBis"},
        {form.Label3, "Label3", form.TXT1KS, "TXT1KS", form.slbl1, "slbl1", form.TXT1S, "TXT1S",
         form.TXT1SBis, "TXT1SBis"},
    };
    auto* properties = new QGridLayout;
    int row = 0;
    for (const PropertyRow& line : rows) {
        properties->addWidget(binding.label(line.temperatureCaption,
                                            QString::fromLatin1(line.temperatureCaptionName),
                                            frame),
                              row, 0);
        properties->addWidget(
            binding.textBox(line.temperature, QString::fromLatin1(line.temperatureName), frame),
            row, 1);
        properties->addWidget(binding.label(line.propertyCaption,
                                            QString::fromLatin1(line.propertyCaptionName), frame),
                              row, 2);
        properties->addWidget(
            binding.textBox(line.value, QString::fromLatin1(line.valueName), frame), row, 3);
        QLineEdit* lower = binding.textBox(line.lowerRangeValue,
                                           QString::fromLatin1(line.lowerRangeValueName), frame);
        keepPlaceWhenHidden(lower);
        properties->addWidget(lower, row, 4);
        ++row;
    }
    properties->setColumnStretch(5, 1);
    return properties;
}

/// The selected species on the right: file, limits, coefficients, properties.
QVBoxLayout* speciesColumn(Binding& binding, REVEQfrm& form, QWidget* frame) {
    auto* column = new QVBoxLayout;
    column->addWidget(binding.label(form.Lbl1, QStringLiteral("Lbl1"), frame));
    column->addWidget(binding.label(form.Lbl8, QStringLiteral("Lbl8"), frame));
    column->addSpacing(8);
    column->addWidget(binding.label(form.Lbl10, QStringLiteral("Lbl10"), frame));
    column->addLayout(coefficientGrid(binding, form, 0, frame));
    column->addWidget(binding.label(form.Lbl11, QStringLiteral("Lbl11"), frame));
    column->addLayout(coefficientGrid(binding, form, 7, frame));
    column->addSpacing(8);
    column->addLayout(propertyGrid(binding, form, frame));
    column->addWidget(binding.label(form.LblH1, QStringLiteral("LblH1"), frame));
    column->addStretch(1);
    return column;
}

} // namespace

ThermoTab::ThermoTab(Binding& binding, REVEQfrm& form, QWidget* parent) : QWidget(parent) {
    auto* frame = new QGroupBox(toQt(texts::Frm1Caption), this);
    frame->setObjectName(QStringLiteral("Frm1"));

    // Built in this order so that the focus moves from the list to the species.
    QVBoxLayout* listColumn = speciesListColumn(binding, form, frame);
    QVBoxLayout* selectedColumn = speciesColumn(binding, form, frame);
    auto* columns = new QHBoxLayout(frame);
    columns->addLayout(listColumn, 1);
    columns->addSpacing(12);
    columns->addLayout(selectedColumn, 3);

    auto* page = new QVBoxLayout(this);
    page->addWidget(frame);
}

} // namespace zorbel::ui
