#pragma once
// Pictures of the four tabs, taken offscreen: a quick look at the window's arrangement
// from a script, and the images of the documentation.

#include <QString>

namespace zorbel::ui {

class Controller;
class MainWindow;
class QtPlatform;

struct ScreenshotRequest {
    QString folder;    ///< receives tab1.png to tab4.png
    QString thermo;    ///< a database to load first, or empty
    QString mechanism; ///< a mechanism to load first, or empty
};

/// Loads the files through the window's own commands (the dialogs answered with the
/// given paths), shows the first species at 1000 K and the first reaction, then saves
/// each tab. Returns false, with a line on standard error, when a picture cannot be
/// written.
bool takeScreenshots(const ScreenshotRequest& request, QtPlatform& platform, Controller& controller,
                     MainWindow& window);

} // namespace zorbel::ui
