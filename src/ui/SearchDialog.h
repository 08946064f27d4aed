#pragma once

#include "app/Findfrm.h"
#include "ui/Binders.h"

#include <QDialog>

namespace zorbel::ui {

class Controller;

/// The reaction search window. It draws the Findfrm model and forwards typing, clicks
/// and double-clicks to it; it closes itself when a handler marks the window closed.
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    SearchDialog(Controller& controller, Findfrm& window, QWidget* parent = nullptr);

private:
    Findfrm& window_;
    Binding binding_;
};

} // namespace zorbel::ui
