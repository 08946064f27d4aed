#include "UiTestSupport.h"

#include <QSignalSpy>

#include <string>
#include <vector>

namespace zorbel::ui::testing {
namespace {

std::vector<std::string> reactions(int count) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index)
        lines.push_back("R" + std::to_string(index) + "+O2<=>P+OH 1.0E+13 0.0 0.0");
    return lines;
}

class ListTest : public WindowTest {
protected:
    int selections = 0;
    std::vector<int> shownByHandler;

    void SetUp() override {
        form.LOS2.onSelect = [this] {
            ++selections;
            shownByHandler.push_back(form.LOS2.currentIndex());
        };
    }

    std::vector<int> modelSelection() const {
        std::vector<int> rows;
        for (int row = 0; row < form.LOS2.count(); ++row) {
            if (form.LOS2.isSelected(row))
                rows.push_back(row);
        }
        return rows;
    }
};

TEST_F(ListTest, ExtendedSelectionKeepsTheModelInStep) {
    form.LOS2.assign(reactions(6));
    showTab(REVEQfrm::MechanismTab);
    auto* view = widget<QListView>("LOS2");

    clickRow(view, 1);
    EXPECT_EQ(form.LOS2.currentIndex(), 1);
    EXPECT_EQ(modelSelection(), (std::vector<int>{1}));
    EXPECT_EQ(shownByHandler, (std::vector<int>{1}));

    clickRow(view, 3, Qt::ControlModifier);
    EXPECT_EQ(modelSelection(), (std::vector<int>{1, 3}));
    EXPECT_EQ(form.LOS2.currentIndex(), 3);

    // Shift-click extends from the last clicked entry; whatever else the toolkit keeps
    // selected, the model holds the same.
    clickRow(view, 5, Qt::ShiftModifier);
    EXPECT_EQ(modelSelection(), shownSelection(view));
    for (int row : {3, 4, 5})
        EXPECT_TRUE(form.LOS2.isSelected(row)) << row;
    EXPECT_EQ(form.LOS2.currentIndex(), 5);
    EXPECT_EQ(shownByHandler, (std::vector<int>{1, 3, 5}));

    // A Ctrl-click that takes an entry out of the selection shows nothing new.
    clickRow(view, 4, Qt::ControlModifier);
    EXPECT_FALSE(form.LOS2.isSelected(4));
    EXPECT_EQ(modelSelection(), shownSelection(view));
    EXPECT_EQ(selections, 3);

    // A plain click starts again from one entry; so does the program.
    clickRow(view, 0);
    EXPECT_EQ(modelSelection(), (std::vector<int>{0}));
    form.LOS2.clearSelection();
    form.LOS2.select(2);
    controller.refresh();
    EXPECT_EQ(shownSelection(view), (std::vector<int>{2}));
    EXPECT_EQ(view->currentIndex().row(), 2);
    EXPECT_EQ(modelSelection(), (std::vector<int>{2}));
}

TEST_F(ListTest, KeysMoveTheSelectionLikeClicks) {
    form.LOS1.assign({"H2", "O2", "AR"});
    int shown = 0;
    form.LOS1.onSelect = [&shown] { ++shown; };
    showTab(REVEQfrm::ThermoTab);
    auto* view = widget<QListView>("LOS1");
    // Sorted by the model.
    EXPECT_EQ(view->model()->index(0, 0).data().toString(), "AR");

    clickRow(view, 0);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(form.LOS1.selectedText(), "H2");
    EXPECT_EQ(shown, 2);
    // The view shows the current species only, however the model marks the others.
    EXPECT_EQ(shownSelection(view), (std::vector<int>{1}));
}

TEST_F(ListTest, LongListIsRebuiltOnlyWhenItsContentChanges) {
    form.LOS2.assign(reactions(10000));
    controller.refresh();
    auto* view = widget<QListView>("LOS2");
    ASSERT_EQ(view->model()->rowCount(), 10000);
    QSignalSpy resets(view->model(), &QAbstractItemModel::modelReset);

    form.LOS2.select(9999);
    form.Templbl.setCaption("something else changed");
    controller.refresh();
    controller.refresh();
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(view->currentIndex().row(), 9999);
    EXPECT_EQ(view->model()->index(9999, 0).data().toString().toStdString(), form.LOS2.at(9999));

    form.LOS2.add("H+O2<=>O+OH 3.547E+15 -0.406 1.6599E+04");
    controller.refresh();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(view->model()->rowCount(), 10001);

    // Rows the element no longer has draw empty until the next refresh.
    form.LOS2.clear();
    EXPECT_FALSE(view->model()->index(5, 0).data().isValid());
}

} // namespace
} // namespace zorbel::ui::testing
