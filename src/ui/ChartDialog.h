#pragma once

#include "app/Speedfrm.h"

#include <QDialog>

class QChart;

namespace zorbel::ui {

/// The chart window: ln kr against 1000 K/T, the computed points as plus signs and the
/// fitted law as a line. It is filled once, when it is made, and closed with its close
/// box.
class ChartDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChartDialog(const Speedfrm& content, QWidget* parent = nullptr);

    QChart* chart() const { return chart_; }

private:
    QChart* chart_ = nullptr;
};

} // namespace zorbel::ui
