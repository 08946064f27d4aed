#pragma once
// The few widgets the window needs beyond Qt's own: a list view that says when the user
// moved its current entry with the keyboard, a label that can be clicked, and a light
// item model that shows a list element's entries without copying them.

#include "app/Elements.h"

#include <QAbstractListModel>
#include <QLabel>
#include <QListView>

namespace zorbel::ui {

/// A list view over a ListBox. Mouse clicks come through QListView's own signals; key
/// presses that move the current entry come through currentMovedByKey.
class ElementListView : public QListView {
    Q_OBJECT
public:
    using QListView::QListView;

signals:
    void currentMovedByKey(const QModelIndex& current);
    /// Enter on the current entry.
    void chosenByKey(const QModelIndex& current);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

/// A label that reports a left click (the about tab's links).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

/// The entries of a ListBox as an item model. It reads the element's entries when the
/// view paints them, so a list of ten thousand entries costs nothing until it is shown;
/// reload() tells the view that the content changed.
class ListBoxModel : public QAbstractListModel {
    Q_OBJECT
public:
    ListBoxModel(const ListBox& list, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void reload();

private:
    const ListBox& list_;
    int rows_ = 0;
};

} // namespace zorbel::ui
