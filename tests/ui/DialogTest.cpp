#include "UiTestSupport.h"

#include "app/AppTexts.h"
#include "ui/ChartDialog.h"
#include "ui/QtPlatform.h"
#include "ui/SearchDialog.h"

#include <QAbstractButton>
#include <QChart>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QXYSeries>
#include <QXmlStreamReader>

namespace zorbel::ui::testing {
namespace {

Speedfrm threePoints() {
    Speedfrm chart;
    chart.reaction = "H+O2<=>O+OH";
    chart.rows = {{"3.33333333333333", "10.5", "3.33333333333333", "10.4", "300"},
                  {"1.66666666666667", "20.25", "1.66666666666667", "20.3", "600"},
                  {".5", "30", ".5", "29.9", "2000"}};
    return chart;
}

TEST(ChartDialog, DrawsTheComputedPointsAndTheFittedLaw) {
    ChartDialog dialog(threePoints());
    EXPECT_EQ(dialog.windowTitle(), "Rate constant... H+O2<=>O+OH");
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.chart()->title(), "H+O2&lt;=&gt;O+OH"); // on saved pictures too
    const QList<QAbstractSeries*> series = dialog.chart()->series();
    ASSERT_EQ(series.size(), 2);
    auto* computed = qobject_cast<QXYSeries*>(series[0]);
    auto* fitted = qobject_cast<QXYSeries*>(series[1]);
    ASSERT_TRUE(computed && fitted);
    EXPECT_TRUE(computed->name().startsWith("CHEMKIN Guide: "));
    EXPECT_EQ(computed->type(), QAbstractSeries::SeriesTypeScatter);
    EXPECT_TRUE(fitted->name().startsWith("Zorbel Fit: "));
    EXPECT_EQ(fitted->type(), QAbstractSeries::SeriesTypeLine);
    ASSERT_EQ(computed->count(), 3);
    ASSERT_EQ(fitted->count(), 3);
    // Texts without a leading zero read as numbers all the same.
    EXPECT_DOUBLE_EQ(computed->at(2).x(), 0.5);
    EXPECT_DOUBLE_EQ(computed->at(1).y(), 20.25);
    EXPECT_DOUBLE_EQ(fitted->at(2).y(), 29.9);
    // Each axis is titled and covers its own data.
    auto* x = qobject_cast<QValueAxis*>(dialog.chart()->axes(Qt::Horizontal).value(0));
    auto* y = qobject_cast<QValueAxis*>(dialog.chart()->axes(Qt::Vertical).value(0));
    ASSERT_TRUE(x && y);
    EXPECT_EQ(x->titleText(), "1000 K /T");
    EXPECT_EQ(y->titleText(), "Ln(Kr)");
    EXPECT_TRUE(x->min() <= 0.5 && x->max() >= 3.33333333333333);
    EXPECT_TRUE(y->min() <= 10.4 && y->max() >= 30.0 && y->max() < 100.0);
}

TEST(ChartDialog, SavesThePictureTheDrawingAndTheTable) {
    ChartDialog dialog(threePoints());
    dialog.show();
    QTemporaryDir folder;
    const QByteArray table = "T (K),1000 K/T,ln kr computed,ln kr fitted\r\n"
                             "300,3.33333333333333,10.5,10.4\r\n"
                             "600,1.66666666666667,20.25,20.3\r\n"
                             "2000,.5,30,29.9\r\n";
    const struct {
        const char* name;
        QByteArray start;
    } files[] = {{"chart.png", "\x89PNG"}, {"chart.svg", "<?xml"}, {"chart.csv", table}};
    for (const auto& file : files) {
        const QString path = folder.filePath(QString::fromLatin1(file.name));
        ASSERT_TRUE(dialog.saveAs(path)) << file.name;
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_TRUE(saved.readAll().startsWith(file.start)) << file.name;
    }
    // The drawing is XML: the reaction's arrow in its title and its text must be escaped.
    QFile drawing(folder.filePath(QStringLiteral("chart.svg")));
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&drawing);
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            (xml.name() == u"title" || xml.name() == u"text"))
            texts << xml.readElementText().simplified();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(texts.value(0).toStdString(), "Rate constant... H+O2<=>O+OH");
    EXPECT_TRUE(texts.contains(QStringLiteral("H+O2<=>O+OH"))) << texts.join('|').toStdString();
    EXPECT_FALSE(dialog.saveAs(folder.filePath(QStringLiteral("no/such/folder/chart.csv"))));
}

TEST(ChartDialog, EmptyContentGivesEmptySeries) {
    ChartDialog dialog(Speedfrm{});
    for (QAbstractSeries* series : dialog.chart()->series())
        EXPECT_EQ(qobject_cast<QXYSeries*>(series)->count(), 0);
}

TEST_F(WindowTest, TheSearchWindowDrawsItsElementsAndAnswersClicks) {
    Findfrm& find = session.find;
    find.LOS2copy.assign({"O+H2<=>H+OH 3.87E+04 2.7 6260.0", "H+O2<=>O+OH 3.5E+15 -0.4 16599.0"});
    find.SubLOS2copy.assign({"H+O2<=>O+OH 3.5E+15 -0.4 16599.0"});
    find.resultlbl.setCaption("Found: 1 Reaction(s)");
    int resultClicks = 0;
    int currentWhenChosen = -1;
    find.SubLOS2copy.onSelect = [&] { ++resultClicks; };
    find.LOS2copy.onDoubleClick = [&] {
        currentWhenChosen = find.LOS2copy.currentIndex();
        find.shown = false;
    };
    find.shown = true;
    SearchDialog dialog(controller, find);
    EXPECT_EQ(dialog.windowTitle().toStdString(), find.caption);
    EXPECT_EQ(dialog.findChild<QGroupBox*>("Frame1")->title().toStdString(), find.Frame1.caption());
    EXPECT_EQ(dialog.findChild<QGroupBox*>("Frame2")->title().toStdString(), find.Frame2.caption());
    EXPECT_EQ(dialog.findChild<QLabel*>("resultlbl")->text(), "Found: 1 Reaction(s)");
    EXPECT_EQ(dialog.findChild<QPushButton*>("FindCmdR")->text().toStdString(),
              find.FindCmdR.caption);
    auto* sorted = dialog.findChild<QListView*>("LOS2copy");
    EXPECT_EQ(sorted->model()->index(0, 0).data().toString().toStdString(), find.LOS2copy.at(0));
    EXPECT_EQ(sorted->toolTip().toStdString(), find.LOS2copy.tooltip());

    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    clickRow(dialog.findChild<QListView*>("SubLOS2copy"), 0);
    EXPECT_EQ(resultClicks, 1);
    // A Close button without a handler leaves the window open.
    QTest::mouseClick(dialog.findChild<QPushButton*>("Closefrm"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    // A double-click makes its entry current first, then the handler closes the window.
    doubleClickRow(sorted, 1);
    EXPECT_EQ(currentWhenChosen, 1);
    EXPECT_FALSE(dialog.isVisible());

    // Enter on the highlighted entry chooses it as a double-click does.
    find.shown = true;
    dialog.show();
    sorted->setCurrentIndex(sorted->model()->index(0, 0));
    QTest::keyClick(sorted, Qt::Key_Return);
    EXPECT_EQ(currentWhenChosen, 0);
    EXPECT_FALSE(dialog.isVisible());
}

class QtPlatformTest : public WindowTest {
protected:
    QtPlatform qt;
    void SetUp() override { qt.attach(controller, &window); }
};

TEST_F(QtPlatformTest, MessageBoxesAskAsRequested) {
    MessageRequest question{"Reverse all the reactions?\r\nIt may take a while.", "Reverse All",
                            MessageButtons::YesNo, MessageIcon::Question};
    whenModalShows([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Reverse All");
        EXPECT_EQ(box->text(), "Reverse all the reactions?\nIt may take a while.");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(qt.showMessage(question), MessageAnswer::No);

    MessageRequest stop{std::string(texts::AccessDeniedText), std::string(texts::AccessDeniedTitle),
                        MessageButtons::Ok, MessageIcon::Stop};
    whenModalShows([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(qt.showMessage(stop), MessageAnswer::Ok);

    // A question with Cancel: Esc is its Cancel.
    question.buttons = MessageButtons::YesNoCancel;
    whenModalShows([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_NE(box->button(QMessageBox::No), nullptr);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(qt.showMessage(question), MessageAnswer::Cancel);
    EXPECT_THROW(qt.openAddress("http://[broken", {}), std::runtime_error);
}

TEST_F(QtPlatformTest, TheChartStaysOpenTheSearchWindowIsModal) {
    qt.showChart(threePoints());
    qt.showChart(threePoints());
    const QList<ChartDialog*> charts = window.findChildren<ChartDialog*>();
    ASSERT_EQ(charts.size(), 2); // one per Reverse
    for (ChartDialog* chart : charts) {
        EXPECT_TRUE(chart->isVisible());
        EXPECT_FALSE(chart->isModal());
        chart->close(); // and gone with its close box
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.findChildren<ChartDialog*>().isEmpty());

    // The search window closes when a handler marks it closed.
    session.find.Closefrm.onClick = [this] { session.find.shown = false; };
    whenModalShows([](QWidget* modal) {
        ASSERT_NE(qobject_cast<SearchDialog*>(modal), nullptr);
        QTest::mouseClick(modal->findChild<QPushButton*>("Closefrm"), Qt::LeftButton);
    });
    qt.showSearch(session.find);
    EXPECT_FALSE(session.find.shown);
}

} // namespace
} // namespace zorbel::ui::testing
