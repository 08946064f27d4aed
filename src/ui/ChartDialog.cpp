#include "ui/ChartDialog.h"

#include "ui/QtText.h"
#include "ui/UiTexts.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
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

} // namespace

ChartDialog::ChartDialog(const Speedfrm& content, QWidget* parent) : QDialog(parent) {
    setWindowTitle(toQt(texts::ChartCaption));
    setModal(true);

    auto* computed = new QScatterSeries;
    computed->setName(toQt(texts::ComputedSeries));
    computed->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    computed->setMarkerSize(markerSize);
    computed->setBrush(plusMarker(QColor(0, 0, 160)));
    computed->setPen(QPen(Qt::transparent));

    auto* fitted = new QLineSeries;
    fitted->setName(toQt(texts::FittedSeries));
    fitted->setPen(QPen(QColor(200, 0, 0), 2));

    Span xs;
    Span ys;
    QList<QPointF> computedPoints;
    QList<QPointF> fittedPoints;
    computedPoints.reserve(static_cast<qsizetype>(content.rows.size()));
    fittedPoints.reserve(static_cast<qsizetype>(content.rows.size()));
    for (const Speedfrm::Row& row : content.rows) {
        const std::optional<double> x1 = number(row.x1);
        const std::optional<double> y1 = number(row.y1);
        if (x1 && y1) {
            computedPoints.append(QPointF(*x1, *y1));
            xs.add(*x1);
            ys.add(*y1);
        }
        const std::optional<double> x2 = number(row.x2);
        const std::optional<double> y2 = number(row.y2);
        if (x2 && y2) {
            fittedPoints.append(QPointF(*x2, *y2));
            xs.add(*x2);
            ys.add(*y2);
        }
    }
    computed->replace(computedPoints);
    fitted->replace(fittedPoints);

    chart_ = new QChart;
    chart_->addSeries(computed);
    chart_->addSeries(fitted);
    auto* xAxis = new QValueAxis;
    xAxis->setTitleText(toQt(texts::ChartXTitle));
    auto* yAxis = new QValueAxis;
    yAxis->setTitleText(toQt(texts::ChartYTitle));
    scale(xAxis, xs);
    scale(yAxis, ys);
    chart_->addAxis(xAxis, Qt::AlignBottom);
    chart_->addAxis(yAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : chart_->series()) {
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
    chart_->legend()->setAlignment(Qt::AlignBottom);

    auto* view = new QChartView(chart_, this);
    view->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    resize(720, 520);
}

} // namespace zorbel::ui
