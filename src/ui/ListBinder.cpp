#include "ui/Binders.h"

#include "ui/Controller.h"
#include "ui/QtText.h"
#include "ui/Widgets.h"

#include <QItemSelectionModel>

#include <algorithm>
#include <limits>

namespace zorbel::ui {

namespace {

constexpr std::uint64_t neverDrawn = std::numeric_limits<std::uint64_t>::max();

/// A list: its entries through a light model, its selection kept in step both ways.
/// In a single-selection list the view shows the current entry as the selection; in an
/// extended one it shows the element's per-entry selection.
class ListBinder : public Binder {
public:
    ListBinder(ElementListView* view, Controller& controller, ListBox& list, Selection selection)
        : Binder(view, controller, true), list_(list), extended_(selection == Selection::Extended),
          model_(new ListBoxModel(list, view)) {
        view->setModel(model_);
        view->setUniformItemSizes(true);
        view->setSelectionMode(extended_ ? QAbstractItemView::ExtendedSelection
                                         : QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                         [this](const QItemSelection& selected, const QItemSelection& deselected) {
                             userSelectionChanged(selected, deselected);
                         });
        QObject::connect(view, &QListView::clicked, this,
                         [this](const QModelIndex& index) { userChose(index); });
        QObject::connect(view, &ElementListView::currentMovedByKey, this,
                         [this](const QModelIndex& index) { userChose(index); });
        QObject::connect(view, &QListView::doubleClicked, this,
                         [this](const QModelIndex& index) { userDoubleClicked(index); });
        QObject::connect(view, &ElementListView::chosenByKey, this,
                         [this](const QModelIndex& index) { userDoubleClicked(index); });
    }

    void refresh(bool force) override {
        const bool contentChanged = force || list_.revision() != drawnContent_;
        if (contentChanged) {
            drawnContent_ = list_.revision();
            syncing_ = true;
            model_->reload();
            syncing_ = false;
            widget_->setToolTip(toQt(list_.tooltip()));
            widget_->setVisible(list_.visible());
        }
        if (contentChanged || list_.selectionRevision() != drawnSelection_) {
            drawnSelection_ = list_.selectionRevision();
            drawSelection();
        }
    }

private:
    QItemSelectionModel* selection() const {
        return static_cast<QListView*>(widget_)->selectionModel();
    }

    bool wanted(int row) const {
        return extended_ ? list_.isSelected(row) : row == list_.currentIndex();
    }

    void drawSelection() {
        syncing_ = true;
        QItemSelectionModel* model = selection();
        const int rows = model_->rowCount();
        std::vector<char> shown(static_cast<size_t>(rows), 0);
        for (const QItemSelectionRange& range : model->selection()) {
            for (int row = range.top(); row <= range.bottom() && row < rows; ++row)
                shown[static_cast<size_t>(row)] = 1;
        }
        bool same = true;
        for (int row = 0; row < rows && same; ++row)
            same = (shown[static_cast<size_t>(row)] != 0) == wanted(row);
        if (!same) {
            QItemSelection want;
            for (int row = 0; row < rows;) {
                if (!wanted(row)) {
                    ++row;
                    continue;
                }
                const int first = row;
                while (row < rows && wanted(row))
                    ++row;
                want.select(model_->index(first), model_->index(row - 1));
            }
            model->select(want, QItemSelectionModel::ClearAndSelect);
        }
        const int current = list_.currentIndex() < rows ? list_.currentIndex() : -1;
        const QModelIndex currentIndex = current >= 0 ? model_->index(current) : QModelIndex();
        if (model->currentIndex() != currentIndex) {
            if (currentIndex.isValid())
                model->setCurrentIndex(currentIndex, QItemSelectionModel::NoUpdate);
            else
                model->clearCurrentIndex();
        }
        // An entry chosen by the program (the search window, a batch run) is brought
        // into view.
        if (current != drawnCurrent_ && currentIndex.isValid())
            static_cast<QListView*>(widget_)->scrollTo(currentIndex);
        drawnCurrent_ = current;
        syncing_ = false;
    }

    void userSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
        if (syncing_ || !extended_)
            return;
        controller_.forward([this, &selected, &deselected] {
            for (const QItemSelectionRange& range : deselected) {
                for (int row = range.top(); row <= range.bottom(); ++row)
                    list_.setSelected(row, false);
            }
            for (const QItemSelectionRange& range : selected) {
                for (int row = range.top(); row <= range.bottom(); ++row)
                    list_.setSelected(row, true);
            }
        });
    }

    /// A click or a key that made an entry current: it becomes the element's selected
    /// entry, which runs the selection handler. A Ctrl-click that took an entry out of
    /// the selection chooses nothing.
    void userChose(const QModelIndex& index) {
        if (syncing_ || !index.isValid() || !selection()->isSelected(index))
            return;
        const int row = index.row();
        controller_.forward([this, row] { list_.select(row); });
    }

    void userDoubleClicked(const QModelIndex& index) {
        if (!index.isValid())
            return;
        const int row = index.row();
        controller_.forward([this, row] {
            if (list_.currentIndex() != row)
                list_.select(row);
            if (list_.onDoubleClick)
                list_.onDoubleClick();
        });
    }

    ListBox& list_;
    bool extended_;
    ListBoxModel* model_;
    bool syncing_ = false;
    std::uint64_t drawnContent_ = neverDrawn;
    std::uint64_t drawnSelection_ = neverDrawn;
    int drawnCurrent_ = -1;
};

} // namespace

Binder* listBinder(ElementListView* view, Controller& controller, ListBox& list,
                   Selection selection) {
    return new ListBinder(view, controller, list, selection);
}

} // namespace zorbel::ui
