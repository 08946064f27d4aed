#pragma once

#include "app/Speedfrm.h"

#include <QDialog>

class QChart;
class QChartView;

namespace zorbel::ui {

/// The path with the extension of a file dialog's filter ("PNG picture (*.png)") when
/// its name has none: the format is told by the extension.
QString withFilterSuffix(const QString& path, const QString& filter);

/// The chart window of one reaction: ln kr against 1000 K/T, the computed points as plus
/// signs and the fitted law as a line, the fit's relative error on a second axis, titled
/// with the reaction. It is filled once, when
/// it is made, and stays open beside the main window (each Reverse opens its own, so
/// that fits can be set side by side) until its close box; its Save button keeps the
/// picture or the table.
class ChartDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChartDialog(const Speedfrm& content, QWidget* parent = nullptr);

    QChart* chart() const { return chart_; }

    /// Saves the chart as a picture (.png, .svg) or its table (.csv), chosen by the
    /// path's suffix; the file is replaced whole. False when it could not be written.
    bool saveAs(const QString& path);

private:
    /// Asks for a file and saves into it, saying so when it fails.
    void askAndSave();
    bool savePicture(const QString& path, const char* format);
    bool saveDrawing(const QString& path);

    Speedfrm content_;
    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
};

} // namespace zorbel::ui
