#pragma once

class QMainWindow;

namespace zorbel::ui {

class Controller;

/// The menu bar beside the window's buttons: File (the three loaders, the recent files,
/// Quit), Tools (search and the reversals) and Help. Each entry runs the command of its
/// button, so a batch run locks the menus as it locks the buttons; Quit stays, and asks
/// before it stops a run.
void addMainMenu(QMainWindow& window, Controller& controller);

} // namespace zorbel::ui
