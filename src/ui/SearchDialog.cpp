#include "ui/SearchDialog.h"

#include "ui/Controller.h"
#include "ui/QtText.h"
#include "ui/ScreenFit.h"
#include "ui/Widgets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorbel::ui {

SearchDialog::SearchDialog(Controller& controller, Findfrm& window, QWidget* parent)
    : QDialog(parent), window_(window), binding_(controller) {
    setWindowTitle(toQt(window.caption));
    setModal(true);

    auto* queryRow = new QHBoxLayout;
    int number = 1;
    for (TextBox* box : {&window.Usereqn1, &window.Usereqn2, &window.Usereqn3})
        queryRow->addWidget(
            binding_.textBox(*box, QStringLiteral("Usereqn%1").arg(number++), this));
    QPushButton* search = binding_.button(window.FindCmdR, QStringLiteral("FindCmdR"), this);
    // Enter in a species box starts the search.
    search->setDefault(true);
    queryRow->addWidget(search);

    QGroupBox* results = binding_.frame(window.Frame2, QStringLiteral("Frame2"), this);
    auto* resultsLayout = new QVBoxLayout(results);
    resultsLayout->addWidget(binding_.list(window.SubLOS2copy, Selection::Single,
                                           QStringLiteral("SubLOS2copy"), results),
                             1);
    resultsLayout->addWidget(
        binding_.label(window.resultlbl, QStringLiteral("resultlbl"), results));

    QGroupBox* mechanism = binding_.frame(window.Frame1, QStringLiteral("Frame1"), this);
    auto* mechanismLayout = new QVBoxLayout(mechanism);
    mechanismLayout->addWidget(
        binding_.list(window.LOS2copy, Selection::Single, QStringLiteral("LOS2copy"), mechanism));

    auto* bottomRow = new QHBoxLayout;
    QLabel* tip = binding_.label(window.tiplbl, QStringLiteral("tiplbl"), this);
    tip->setWordWrap(true);
    bottomRow->addWidget(tip, 1);
    bottomRow->addWidget(binding_.button(window.Closefrm, QStringLiteral("Closefrm"), this), 0,
                         Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(binding_.label(window.Label1, QStringLiteral("Label1"), this));
    layout->addLayout(queryRow);
    layout->addWidget(results, 1);
    layout->addWidget(mechanism, 2);
    layout->addLayout(bottomRow);

    binding_.refresh(true);
    connect(&controller, &Controller::refreshed, this, [this] {
        if (!window_.shown && isVisible())
            accept();
    });
    fitToScreen(*this, QSize(760, 620));
}

} // namespace zorbel::ui
