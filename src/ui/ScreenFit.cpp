#include "ui/ScreenFit.h"

#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>

namespace zorbel::ui {

namespace {

/// The room the frame takes: known once the window is shown, else a title bar and thin
/// borders, so that a window placed anywhere on the screen shows its title bar.
QSize frameOf(const QWidget& window) {
    if (window.isVisible())
        return window.frameGeometry().size() - window.geometry().size();
    const int border = 4;
    return {2 * border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border};
}

/// Gives the page the room it has, and never less than its minimum. (Left to itself,
/// a resizable area gives a page whose height depends on its width its preferred height,
/// and scrolls where the page could have shrunk.)
class PageArea : public QScrollArea {
public:
    explicit PageArea(QWidget* page) {
        setWidget(page);
        setFrameShape(QFrame::NoFrame);
    }

protected:
    bool viewportEvent(QEvent* event) override {
        if (event->type() == QEvent::Resize)
            fit();
        return QScrollArea::viewportEvent(event);
    }
    // A page whose minimum grows (a box shown) gets the room again.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            fit();
        return QScrollArea::eventFilter(watched, event);
    }

private:
    void fit() {
        if (widget() != nullptr)
            widget()->resize(viewport()->size().expandedTo(widget()->minimumSizeHint()));
    }
};

} // namespace

QWidget* scrollingPage(QWidget* page) {
    return new PageArea(page);
}

void fitToScreen(QWidget& window, QSize preferred) {
    QSize size = preferred;
    if (const QScreen* screen = window.screen())
        size = size.boundedTo(screen->availableGeometry().size() - frameOf(window));
    window.resize(size);
}

} // namespace zorbel::ui
