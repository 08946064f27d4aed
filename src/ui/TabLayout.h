#pragma once
// Small layout helpers the tab pages share.

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QString>

namespace zorbel::ui {

/// Wide enough for `sample` in the widget's font, plus the frame.
inline void fitWidth(QLineEdit* edit, const QString& sample) {
    constexpr int frameAndMargins = 16;
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(sample) + frameAndMargins);
}

/// Keeps the widget's place in its layout while it is hidden, so that the boxes around
/// it do not move (the species slots and their plus signs).
inline void keepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

inline void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

inline void setPointSize(QWidget* widget, int points) {
    QFont font = widget->font();
    font.setPointSize(points);
    widget->setFont(font);
}

inline QFrame* horizontalLine(const QString& name, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace zorbel::ui
