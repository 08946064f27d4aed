#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace zorbel {
class RunResults;
struct Speedfrm;
} // namespace zorbel

namespace zorbel::ui {

class ResultsFilter;
class ResultsModel;

/// The window of a batch run's results: every reaction of the run in a table that sorts
/// by any column and keeps one outcome or one species; a double click on a fitted reaction
/// opens its chart, and Export writes what the table shows as the report does. It stays
/// open beside the main window; the next run's results replace these.
class ResultsDialog : public QDialog {
    Q_OBJECT
public:
    /// `showChart` opens a chart window; `exportFolder` is where the first export is
    /// offered.
    ResultsDialog(std::function<void(const Speedfrm&)> showChart, QString exportFolder,
                  QWidget* parent = nullptr);

    void setResults(std::shared_ptr<const RunResults> results);

    QTableView* table() const { return table_; }
    /// Writes the rows shown, in the order shown, with the report's header; false when
    /// the file could not be written whole.
    bool exportTo(const QString& path) const;
    /// Opens the chart of the row shown at `row`; false when it has no fit.
    bool openChart(int row);

private:
    void askAndExport();
    void showCount();

    std::function<void(const Speedfrm&)> showChart_;
    QString exportFolder_;
    ResultsModel* model_ = nullptr;
    ResultsFilter* filter_ = nullptr;
    QTableView* table_ = nullptr;
    QComboBox* outcome_ = nullptr;
    QLineEdit* species_ = nullptr;
    QLabel* count_ = nullptr;
};

} // namespace zorbel::ui
