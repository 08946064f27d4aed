#pragma once
// Pictures of the window, taken offscreen: a quick look at the arrangement from a
// script, and the images of the documentation.

#include <QString>

namespace zorbel::ui {

class Controller;
class MainWindow;
class QtPlatform;

struct ScreenshotRequest {
    QString folder;    ///< receives tab1.png to tab4.png, chart.png, search.png and
                       ///< findings.png (when the files hold findings)
    QString thermo;    ///< a database to load first, or empty
    QString mechanism; ///< a mechanism to load first, or empty
};

/// Drives the window through its own commands, as a user would, and saves what it
/// shows: the files are loaded (the dialogs answered with the given paths), the first
/// reaction is shown and reversed (chart.png, the chart window it opens), a species is
/// shown at 1000 K, each tab is saved, and last the search window is opened and a
/// species looked for (search.png). The chart needs both files, the search a
/// mechanism. The Reverse writes its table into a temporary folder, so that nothing is
/// left beside the inputs. Returns false, with a line on standard error, when a
/// picture cannot be written.
bool takeScreenshots(const ScreenshotRequest& request, QtPlatform& platform, Controller& controller,
                     MainWindow& window);

} // namespace zorbel::ui
