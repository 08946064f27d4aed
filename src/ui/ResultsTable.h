#pragma once
// A batch run's results as a table: one row per reaction, the report's columns, numbers
// sorted as numbers, and a filter by outcome and by species.

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace zorbel {
class RunResults;
}

namespace zorbel::ui {

class ResultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    /// A cell's value for sorting: a number for the numeric columns, nothing where the
    /// cell is empty or no number.
    static constexpr int SortRole = Qt::UserRole;
    /// The row's outcome (EntryOutcome) and species, for the filter.
    static constexpr int OutcomeRole = Qt::UserRole + 1;
    static constexpr int SpeciesRole = Qt::UserRole + 2;
    /// Columns whose first click sorts the largest first: the worst fits on top.
    static constexpr int ErrorMeasureColumn = 10;
    static constexpr int LargestErrorColumn = 11;

    explicit ResultsModel(QObject* parent = nullptr);

    void setResults(std::shared_ptr<const RunResults> results);
    const std::shared_ptr<const RunResults>& results() const { return results_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::shared_ptr<const RunResults> results_;
    QStringList headers_;
    /// Each row's cells as the report writes them, and their numbers.
    std::vector<QStringList> cells_;
    std::vector<std::vector<std::optional<double>>> numbers_;
};

/// Sorts the rows (empty cells last, whatever the order) and keeps those of one outcome
/// and of one species.
class ResultsFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ResultsFilter(QObject* parent = nullptr);

    /// -1 for every outcome, else an EntryOutcome.
    void setOutcome(int outcome);
    /// A species name, in any case; empty for every reaction.
    void setSpecies(const QString& species);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    int outcome_ = -1;
    QString species_;
};

} // namespace zorbel::ui
