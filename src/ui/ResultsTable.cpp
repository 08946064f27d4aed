// The core's headers come before Qt's, whose keyword macros would rename their members.
#include "batch/RunResults.h"

#include "ui/ResultsTable.h"

#include "batch/BatchTexts.h"
#include "text/NumberText.h"
#include "ui/QtText.h"

namespace zorbel::ui {

namespace {

// The columns that hold words; every other holds a number or nothing.
constexpr int EquationColumn = 1;
constexpr int KindColumn = 2;
constexpr int OutcomeColumn = 3;

bool isWordColumn(int column) {
    return column == EquationColumn || column == KindColumn || column == OutcomeColumn;
}

std::optional<double> numberOf(const std::string& text) {
    return text.empty() ? std::nullopt : tryReadLeadingNumber(text);
}

} // namespace

ResultsModel::ResultsModel(QObject* parent)
    : QAbstractTableModel(parent), headers_(toQt(texts::ReportHeader).split(QLatin1Char(','))) {}

void ResultsModel::setResults(std::shared_ptr<const RunResults> results) {
    beginResetModel();
    results_ = std::move(results);
    cells_.clear();
    numbers_.clear();
    if (results_) {
        cells_.reserve(results_->rows().size());
        numbers_.reserve(results_->rows().size());
        for (const RunRow& row : results_->rows()) {
            const std::vector<std::string> fields = reportFields(row.record);
            QStringList& cells = cells_.emplace_back();
            std::vector<std::optional<double>>& numbers = numbers_.emplace_back();
            for (std::size_t column = 0; column < fields.size(); ++column) {
                cells.append(toQt(fields[column]));
                numbers.push_back(isWordColumn(static_cast<int>(column))
                                      ? std::nullopt
                                      : numberOf(fields[column]));
            }
        }
    }
    endResetModel();
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const int column = index.column();
    const RunRow& run = results_->rows()[row];
    switch (role) {
    case Qt::DisplayRole:
        return cells_[row].value(column);
    case SortRole: {
        if (isWordColumn(column))
            return cells_[row].value(column);
        const std::optional<double>& number = numbers_[row][static_cast<std::size_t>(column)];
        return number ? QVariant(*number) : QVariant();
    }
    case Qt::ToolTipRole:
        // Why a reaction was not reversed stands beside its outcome.
        if (column == OutcomeColumn && !run.record.reason.empty())
            return toQt(run.record.reason);
        return {};
    case Qt::TextAlignmentRole: {
        const Qt::Alignment alignment =
            (isWordColumn(column) ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
        return alignment.toInt();
    }
    case OutcomeRole:
        return static_cast<int>(run.record.outcome);
    case SpeciesRole: {
        QStringList species;
        for (const std::string& name : run.species)
            species.append(toQt(name));
        return species;
    }
    default:
        return {};
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= headers_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return headers_[section];
    // One click on an error column puts the worst fits first.
    if (role == Qt::InitialSortOrderRole &&
        (section == ErrorMeasureColumn || section == LargestErrorColumn))
        return static_cast<int>(Qt::DescendingOrder);
    return {};
}

ResultsFilter::ResultsFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(ResultsModel::SortRole);
}

void ResultsFilter::setOutcome(int outcome) {
    outcome_ = outcome;
    invalidateFilter();
}

void ResultsFilter::setSpecies(const QString& species) {
    species_ = species.trimmed().toUpper();
    invalidateFilter();
}

bool ResultsFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    if (outcome_ >= 0 && index.data(ResultsModel::OutcomeRole).toInt() != outcome_)
        return false;
    return species_.isEmpty() ||
           index.data(ResultsModel::SpeciesRole).toStringList().contains(species_);
}

bool ResultsFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    // An empty cell (a reaction without a fit) goes to the end in either order.
    if (!a.isValid() || !b.isValid()) {
        if (a.isValid() == b.isValid())
            return left.row() < right.row();
        return a.isValid() == (sortOrder() == Qt::AscendingOrder);
    }
    if (a.typeId() == QMetaType::Double && b.typeId() == QMetaType::Double)
        return a.toDouble() < b.toDouble();
    return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive) < 0;
}

} // namespace zorbel::ui
