// The core's headers come before Qt's, whose keyword macros would rename their members.
#include "app/Speedfrm.h"
#include "batch/RunResults.h"

#include "ui/ResultsDialog.h"

#include "batch/BatchTexts.h"
#include "files/TextFiles.h"
#include "ui/ChartDialog.h"
#include "ui/QtText.h"
#include "ui/ResultsTable.h"
#include "ui/ScreenFit.h"
#include "ui/UiTexts.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QVBoxLayout>

#include <iterator>

namespace zorbel::ui {

namespace {

QComboBox* outcomeChoice(QWidget* parent) {
    auto* choice = new QComboBox(parent);
    choice->setObjectName(QStringLiteral("ResultsOutcome"));
    choice->addItem(toQt(texts::ResultsAllOutcomes), -1);
    for (std::size_t outcome = 0; outcome < std::size(texts::OutcomeNames); ++outcome)
        choice->addItem(toQt(texts::OutcomeNames[outcome]), static_cast<int>(outcome));
    return choice;
}

QTableView* resultsTable(QAbstractItemModel* model, QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setObjectName(QStringLiteral("ResultsTable"));
    table->setModel(model);
    table->setSortingEnabled(true);
    table->sortByColumn(0, Qt::AscendingOrder); // the run's order to begin with
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

ResultsDialog::ResultsDialog(std::function<void(const Speedfrm&)> showChart, QString exportFolder,
                             QWidget* parent)
    : QDialog(parent), showChart_(std::move(showChart)), exportFolder_(std::move(exportFolder)) {
    setObjectName(QStringLiteral("ResultsWindow"));
    setWindowTitle(toQt(texts::ResultsTitle));
    // Minimise and maximise as any window: the results are kept, not answered.
    setWindowFlags(Qt::Window);

    model_ = new ResultsModel(this);
    filter_ = new ResultsFilter(this);
    filter_->setSourceModel(model_);
    table_ = resultsTable(filter_, this);
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openChart(index.row()); });

    outcome_ = outcomeChoice(this);
    connect(outcome_, &QComboBox::currentIndexChanged, this, [this] {
        filter_->setOutcome(outcome_->currentData().toInt());
        showCount();
    });
    species_ = new QLineEdit(this);
    species_->setObjectName(QStringLiteral("ResultsSpecies"));
    species_->setPlaceholderText(toQt(texts::ResultsAnySpecies));
    species_->setClearButtonEnabled(true);
    connect(species_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->setSpecies(text);
        showCount();
    });
    auto* outcomeLabel = new QLabel(toQt(texts::ResultsOutcomeLabel), this);
    outcomeLabel->setBuddy(outcome_);
    auto* speciesLabel = new QLabel(toQt(texts::ResultsSpeciesLabel), this);
    speciesLabel->setBuddy(species_);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("ResultsCount"));

    auto* filters = new QHBoxLayout;
    filters->addWidget(outcomeLabel);
    filters->addWidget(outcome_);
    filters->addSpacing(12);
    filters->addWidget(speciesLabel);
    filters->addWidget(species_);
    filters->addSpacing(12);
    filters->addWidget(count_, 1);

    auto* exportButton = new QPushButton(toQt(texts::ResultsExportCaption), this);
    exportButton->setObjectName(QStringLiteral("ResultsExport"));
    exportButton->setAutoDefault(false);
    connect(exportButton, &QPushButton::clicked, this, &ResultsDialog::askAndExport);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(toQt(texts::ResultsHint), this), 1);
    buttons->addWidget(exportButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    fitToScreen(*this, QSize(1100, 600));
}

void ResultsDialog::setResults(std::shared_ptr<const RunResults> results) {
    model_->setResults(std::move(results));
    table_->resizeColumnsToContents();
    showCount();
}

void ResultsDialog::showCount() {
    count_->setText(QString::number(filter_->rowCount()) + toQt(texts::ResultsCountOf) +
                    QString::number(model_->rowCount()) + toQt(texts::ResultsCountEnd));
}

bool ResultsDialog::exportTo(const QString& path) const {
    const std::shared_ptr<const RunResults>& results = model_->results();
    std::vector<const EntryRecord*> records;
    for (int row = 0; results && row < filter_->rowCount(); ++row) {
        const int source = filter_->mapToSource(filter_->index(row, 0)).row();
        records.push_back(&results->rows()[static_cast<std::size_t>(source)].record);
    }
    return writeLines(fromQt(path), reportLines(records));
}

bool ResultsDialog::openChart(int row) {
    const std::shared_ptr<const RunResults>& results = model_->results();
    const QModelIndex source = filter_->mapToSource(filter_->index(row, 0));
    if (!results || !source.isValid())
        return false;
    const auto at = static_cast<std::size_t>(source.row());
    const std::optional<ReversalOutcome> outcome = results->reverseAgain(at);
    if (!outcome)
        return false;
    Speedfrm chart = reversalChart(results->rows()[at].record.equation, *outcome);
    chart.folder = fromQt(exportFolder_); // where its picture is offered first
    showChart_(chart);
    return true;
}

void ResultsDialog::askAndExport() {
    // The dialog opens where the last export went, else in the run's folder.
    QSettings settings;
    const QString key = QStringLiteral("folders/results");
    const QString folder = settings.value(key, exportFolder_).toString();
    const QString filter = toQt(texts::ResultsExportFilter);
    const QString path = withFilterSuffix(
        QFileDialog::getSaveFileName(this, toQt(texts::ResultsExportTitle), folder, filter),
        filter);
    if (path.isEmpty())
        return;
    settings.setValue(key, QFileInfo(path).absolutePath());
    if (exportTo(path))
        return;
    QMessageBox::warning(this, toQt(texts::ResultsExportTitle),
                         toQt(texts::ResultsNotExported) + QDir::toNativeSeparators(path));
}

} // namespace zorbel::ui
