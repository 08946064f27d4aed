#include "ui/Widgets.h"

#include "ui/QtText.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zorbel::ui {

void ElementListView::keyPressEvent(QKeyEvent* event) {
    // Enter chooses the highlighted entry as a double-click does, and goes no further: a
    // dialog's default button must not take it as well.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentIndex().isValid()) {
        event->accept();
        emit chosenByKey(currentIndex());
        return;
    }
    const QPersistentModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before)
        emit currentMovedByKey(after);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

ListBoxModel::ListBoxModel(const ListBox& list, QObject* parent)
    : QAbstractListModel(parent), list_(list), rows_(list.count()) {}

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    // Between a change of the element and the next reload the view may still ask for rows
    // that are gone (a dialog's event loop paints before the handler returns).
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= list_.count())
        return {};
    return toQt(list_.at(index.row()));
}

void ListBoxModel::reload() {
    beginResetModel();
    rows_ = list_.count();
    endResetModel();
}

} // namespace zorbel::ui
