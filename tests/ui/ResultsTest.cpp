// The results window of a batch run, driven through the window: one click puts the worst
// fit first as the report says, the filters keep an outcome or a species, a double click
// opens a reaction's chart, and the export writes what the table shows.

#include "ProgramTestSupport.h"

#include "batch/BatchTexts.h"
#include "ui/ResultsDialog.h"
#include "ui/ResultsTable.h"
#include "ui/UiTexts.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace zorbel::ui::testing {
namespace {

class ResultsTest : public ProgramTest {
protected:
    ResultsDialog* results = nullptr;
    QTableView* table = nullptr;

    /// Reverse All through its button, with a report when `report` is given.
    void reverseAll(const QString& report = {}) {
        loadExamples();
        session.reportPath = fromQt(report);
        platform.messageAnswers = {MessageAnswer::Yes};
        click("CMD4");
        results = window.findChild<ResultsDialog*>();
        ASSERT_NE(results, nullptr);
        EXPECT_TRUE(results->isVisible());
        table = results->table();
    }

    QString cell(int row, int column) const {
        return table->model()->index(row, column).data().toString();
    }

    void clickHeader(int column) const {
        table->scrollTo(table->model()->index(0, column));
        QHeaderView* header = table->horizontalHeader();
        const QPoint middle(header->sectionViewportPosition(column) +
                                header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
    }

    void doubleClick(int row) const {
        const QPoint centre = table->visualRect(table->model()->index(row, 1)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    }
};

TEST_F(ResultsTest, OneClickPutsTheWorstFitFirstAsTheReportSays) {
    reverseAll(output("report.csv"));
    const QList<QByteArray> report = contents(output("report.csv")).split('\n');
    ASSERT_EQ(report.size(), 15); // the header, 13 reactions, nothing after the last line end
    ASSERT_EQ(table->model()->rowCount(), 13);
    EXPECT_EQ(table->model()->headerData(ResultsModel::LargestErrorColumn, Qt::Horizontal),
              QString::fromUtf8(report[0].split(',')[ResultsModel::LargestErrorColumn]));
    int worst = 0;
    double largest = -1.0;
    for (int row = 1; row <= 13; ++row) {
        const QByteArray error = report[row].split(',')[ResultsModel::LargestErrorColumn];
        if (!error.isEmpty() && error.toDouble() > largest) {
            largest = error.toDouble();
            worst = row;
        }
    }
    ASSERT_GT(worst, 0);

    clickHeader(ResultsModel::LargestErrorColumn);
    EXPECT_EQ(table->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(cell(0, 0), QString::fromUtf8(report[worst].split(',')[0]));
    // Largest first, the reactions without a fit last.
    std::vector<double> errors;
    for (int row = 0; row < 13 && !cell(row, ResultsModel::LargestErrorColumn).isEmpty(); ++row)
        errors.push_back(cell(row, ResultsModel::LargestErrorColumn).toDouble());
    EXPECT_TRUE(std::is_sorted(errors.rbegin(), errors.rend()));
    EXPECT_EQ(errors.size(), 10U); // one irreversible, one with A = 0, one missing HCO
    for (int row = 10; row < 13; ++row)
        EXPECT_TRUE(cell(row, ResultsModel::LargestErrorColumn).isEmpty()) << row;

    // The export holds the report's rows, in the order shown.
    ASSERT_TRUE(results->exportTo(output("shown.csv")));
    const QList<QByteArray> shown = contents(output("shown.csv")).split('\n');
    EXPECT_EQ(shown[0], report[0]);
    EXPECT_EQ(shown[1], report[worst]);
    EXPECT_TRUE(std::is_permutation(shown.begin(), shown.end(), report.begin(), report.end()));
}

TEST_F(ResultsTest, FiltersKeepAnOutcomeOrASpeciesAndADoubleClickOpensTheChart) {
    reverseAll(); // no report: the kinds come from the lines
    auto* outcome = results->findChild<QComboBox*>("ResultsOutcome");
    outcome->setCurrentIndex(outcome->findText(toQt(texts::OutcomeNames[2])));
    ASSERT_EQ(table->model()->rowCount(), 1);
    EXPECT_EQ(cell(0, 1), "HCO+O2=>HO2+CO");
    outcome->setCurrentIndex(0);
    const QString kinds = cell(7, 1) + " " + cell(7, 2) + ", " + cell(8, 1) + " " + cell(8, 2);
    EXPECT_EQ(kinds, "O+CO(+M)<=>CO2(+M) falloff, HCO+M<=>H+CO+M third-body");

    // Species in any case; the count says how many of the run are shown.
    QTest::keyClicks(results->findChild<QLineEdit*>("ResultsSpecies"), QStringLiteral("ho2"));
    ASSERT_EQ(table->model()->rowCount(), 4);
    EXPECT_EQ(results->findChild<QLabel*>("ResultsCount")->text(),
              "4" + toQt(texts::ResultsCountOf) + "13" + toQt(texts::ResultsCountEnd));
    for (int row = 0; row < 4; ++row)
        EXPECT_TRUE(cell(row, 1).contains("HO2")) << row;

    // A double click on a reaction without a fit opens nothing; on a fitted one, the
    // chart a Reverse of that reaction opens.
    const int zeroA = cell(3, 1).startsWith("H2O2+H") ? 3 : -1;
    ASSERT_EQ(zeroA, 3);
    EXPECT_EQ(table->model()->index(zeroA, 3).data(Qt::ToolTipRole).toString(),
              toQt(texts::ZeroAWhy)); // why it was not reversed
    platform.charts.clear();
    doubleClick(zeroA);
    EXPECT_TRUE(platform.charts.empty());
    doubleClick(0);
    ASSERT_EQ(platform.charts.size(), 1U);
    const Speedfrm fromTable = platform.charts.front();
    EXPECT_EQ(fromTable.reaction, "H+HO2<=>OH+OH");
    showReaction(rowStartingWith(widget<QListView>("LOS2"), QStringLiteral("H+HO2<=>")));
    click("CMD3");
    ASSERT_EQ(platform.charts.size(), 2U);
    const Speedfrm& reversed = platform.charts.back();
    ASSERT_EQ(fromTable.rows.size(), 50U);
    ASSERT_EQ(reversed.rows.size(), 50U);
    for (std::size_t i = 0; i < 50; ++i) {
        const auto& a = fromTable.rows[i];
        const auto& b = reversed.rows[i];
        EXPECT_EQ(a.T + a.x1 + a.y1 + a.y2, b.T + b.x1 + b.y1 + b.y2) << i;
    }
}

} // namespace
} // namespace zorbel::ui::testing
