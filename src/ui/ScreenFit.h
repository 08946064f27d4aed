#pragma once
// Windows that fit the screen they open on, whatever its size and scale: a window
// taller than the screen hides its title bar or its buttons, and the user cannot get
// at them.

#include <QSize>

class QWidget;

namespace zorbel::ui {

/// Gives a top-level window its preferred size, or less where the free part of its
/// screen, less the window's frame, is smaller.
void fitToScreen(QWidget& window, QSize preferred);

/// A page in an area that scrolls only when the page cannot shrink to it: otherwise the
/// page fills the area as it would without.
QWidget* scrollingPage(QWidget* page);

} // namespace zorbel::ui
