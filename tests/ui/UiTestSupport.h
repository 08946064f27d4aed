#pragma once
// A main window over a session, and ways to reach its widgets by element name.

#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "ui/Controller.h"
#include "ui/MainWindow.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QEventLoop>
#include <QListView>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace zorbel::ui::testing {

/// The window over a session served by the platform P.
template <class P> class WindowTestOn : public ::testing::Test {
protected:
    P platform;
    Session session{platform};
    REVEQfrm& form = session.form;
    Controller controller{session};
    MainWindow window{controller};

    template <class W> W* widget(const char* name) const {
        W* found = window.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    /// Shows the window on a tab, as the user would see it.
    void showTab(int tab) {
        window.tabs()->setCurrentIndex(tab);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        turnEventLoop();
    }

    /// Turns of the event loop that wait for events, as the application's own loop
    /// does between the user's actions: the window redraws when the loop is about to
    /// wait. (QTest::qWait only polls, so it never comes to that point.)
    static void turnEventLoop() {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

/// The window over a platform without a screen, whose handlers the tests choose.
using WindowTest = WindowTestOn<ScriptedPlatform>;

/// Acts on the next modal window once the event loop has shown it.
inline void whenModalShows(const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

/// The row of the first entry of a list view that begins with `start`, or -1.
inline int rowStartingWith(const QListView* view, const QString& start) {
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString().startsWith(start))
            return row;
    }
    return -1;
}

/// Clicks a row of a list view with the given keyboard modifiers.
inline void clickRow(QListView* view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, rect.center());
}

inline void doubleClickRow(QListView* view, int row) {
    const QPoint centre = view->visualRect(view->model()->index(row, 0)).center();
    // A double-click comes after the press and release of a first click.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

/// The rows the view shows selected, in order.
inline std::vector<int> shownSelection(const QListView* view) {
    std::vector<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace zorbel::ui::testing
