#pragma once

class QMainWindow;

namespace zorbel::ui {

class Controller;

/// What a desktop program does beside its commands: files dropped anywhere on the window
/// load as what their content shows them to be, the settings are written as soon as the
/// user changes them (a crash loses none), and a status bar says what is loaded and what
/// the last run found.
void addDesktopHabits(QMainWindow& window, Controller& controller);

} // namespace zorbel::ui
