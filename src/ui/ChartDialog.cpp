#include "ui/ChartDialog.h"

#include "ui/QtText.h"
#include "ui/UiTexts.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QSettings>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <optional>

namespace zorbel::ui {

namespace {

constexpr int markerSize = 11;

/// A plus sign on a transparent square: the scatter series paints its markers with this
/// brush, since the chart has no plus-shaped marker of its own.
QImage plusMarker(const QColor& colour) {
    QImage image(markerSize, markerSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(colour, 2));
    const int middle = markerSize / 2;
    painter.drawLine(middle, 0, middle, markerSize - 1);
    painter.drawLine(0, middle, markerSize - 1, middle);
    return image;
}

std::optional<double> number(const std::string& text) {
    bool ok = false;
    const double value = toQt(text).toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

/// The smallest and largest value seen, for one axis.
struct Span {
    double low = 0.0;
    double high = 0.0;
    bool empty = true;

    void add(double value) {
        low = empty ? value : std::min(low, value);
        high = empty ? value : std::max(high, value);
        empty = false;
    }
};

/// Scales an axis to its own data: the two axes are independent.
void scale(QValueAxis* axis, const Span& span) {
    if (span.empty)
        return;
    double low = span.low;
    double high = span.high;
    if (low == high) {
        // A single value still needs a visible range around it.
        const double margin = low == 0.0 ? 1.0 : std::abs(low) * 0.05;
        low -= margin;
        high += margin;
    }
    axis->setRange(low, high);
    axis->applyNiceNumbers();
}

/// The grid's computed points: plus signs, unjoined.
QScatterSeries* computedSeries() {
    auto* computed = new QScatterSeries;
    computed->setName(toQt(texts::ComputedSeries) + toQt(texts::ComputedSeriesNote));
    computed->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    computed->setMarkerSize(markerSize);
    computed->setBrush(plusMarker(QColor(0, 0, 160)));
    computed->setPen(QPen(Qt::transparent));
    return computed;
}

QLineSeries* fittedSeries() {
    auto* fitted = new QLineSeries;
    fitted->setName(toQt(texts::FittedSeries) + toQt(texts::FittedSeriesNote));
    fitted->setPen(QPen(QColor(200, 0, 0), 2));
    return fitted;
}

/// The points of both series and the span of each axis over them. A row whose texts are
/// no numbers is left out.
struct ChartPoints {
    QList<QPointF> computed;
    QList<QPointF> fitted;
    Span xs;
    Span ys;

    void add(QList<QPointF>& points, const std::string& xText, const std::string& yText) {
        const std::optional<double> x = number(xText);
        const std::optional<double> y = number(yText);
        if (x && y) {
            points.append(QPointF(*x, *y));
            xs.add(*x);
            ys.add(*y);
        }
    }
};

ChartPoints chartPoints(const Speedfrm& content) {
    ChartPoints points;
    points.computed.reserve(static_cast<qsizetype>(content.rows.size()));
    points.fitted.reserve(static_cast<qsizetype>(content.rows.size()));
    for (const Speedfrm::Row& row : content.rows) {
        points.add(points.computed, row.x1, row.y1);
        points.add(points.fitted, row.x2, row.y2);
    }
    return points;
}

/// Both axes, each scaled to its own span, attached to every series of the chart.
void addAxes(QChart* chart, const ChartPoints& points) {
    auto* xAxis = new QValueAxis;
    xAxis->setTitleText(toQt(texts::ChartXTitle));
    auto* yAxis = new QValueAxis;
    yAxis->setTitleText(toQt(texts::ChartYTitle));
    scale(xAxis, points.xs);
    scale(yAxis, points.ys);
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
}

} // namespace

ChartDialog::ChartDialog(const Speedfrm& content, QWidget* parent)
    : QDialog(parent), content_(content) {
    setWindowTitle(toQt(texts::ChartCaption) + QLatin1Char(' ') + toQt(content.reaction));
    // Minimise and maximise as any window: a chart is kept, not answered.
    setWindowFlags(Qt::Window);

    QScatterSeries* computed = computedSeries();
    QLineSeries* fitted = fittedSeries();
    const ChartPoints points = chartPoints(content);
    computed->replace(points.computed);
    fitted->replace(points.fitted);

    chart_ = new QChart;
    chart_->addSeries(computed);
    chart_->addSeries(fitted);
    addAxes(chart_, points);
    // The reaction on the chart itself as well, so that a saved picture names it.
    chart_->setTitle(toQt(content.reaction).toHtmlEscaped()); // "<=>" is no markup
    chart_->legend()->setAlignment(Qt::AlignBottom);

    view_ = new QChartView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing);
    auto* save = new QPushButton(toQt(texts::ChartSaveCaption), this);
    save->setObjectName(QStringLiteral("ChartSave"));
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &ChartDialog::askAndSave);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    resize(720, 520);
}

bool ChartDialog::saveAs(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("svg"))
        return saveDrawing(path);
    if (suffix == QStringLiteral("csv"))
        return saveChartTable(content_, fromQt(path));
    return savePicture(path, "PNG");
}

void ChartDialog::askAndSave() {
    // The dialog opens where the last chart was saved, the first time beside the files.
    QSettings settings;
    const QString key = QStringLiteral("folders/chart");
    const QString first = content_.folder.empty() ? QDir::homePath() : toQt(content_.folder);
    const QString folder = settings.value(key, first).toString();
    const QString path = QFileDialog::getSaveFileName(this, toQt(texts::ChartSaveTitle), folder,
                                                      toQt(texts::ChartSaveFilters));
    if (path.isEmpty())
        return;
    settings.setValue(key, QFileInfo(path).absolutePath());
    if (saveAs(path))
        return;
    QMessageBox::warning(this, toQt(texts::ChartSaveTitle),
                         toQt(texts::ChartNotSaved) + QDir::toNativeSeparators(path));
}

bool ChartDialog::savePicture(const QString& path, const char* format) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && view_->grab().save(&file, format) && file.commit();
}

bool ChartDialog::saveDrawing(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QSvgGenerator drawing;
    drawing.setOutputDevice(&file);
    drawing.setSize(view_->size());
    drawing.setViewBox(view_->rect());
    // The generator writes the title into its XML as it stands: "<=>" must be escaped.
    drawing.setTitle(windowTitle().toHtmlEscaped());
    QPainter painter;
    if (!painter.begin(&drawing))
        return false;
    view_->render(&painter);
    painter.end();
    return file.commit();
}

} // namespace zorbel::ui
