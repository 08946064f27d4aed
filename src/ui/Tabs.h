#pragma once
// The four pages of the main window's tab control, one class each. A page only lays out
// the widgets of its elements; the Binding draws them and forwards the user's actions.

#include "app/REVEQfrm.h"

#include <QWidget>

namespace zorbel::ui {

class Binding;

class ThermoTab : public QWidget {
    Q_OBJECT
public:
    ThermoTab(Binding& binding, REVEQfrm& form, QWidget* parent = nullptr);
};

class MechanismTab : public QWidget {
    Q_OBJECT
public:
    MechanismTab(Binding& binding, REVEQfrm& form, QWidget* parent = nullptr);
};

class SettingsTab : public QWidget {
    Q_OBJECT
public:
    SettingsTab(Binding& binding, REVEQfrm& form, QWidget* parent = nullptr);
};

class AboutTab : public QWidget {
    Q_OBJECT
public:
    AboutTab(Binding& binding, REVEQfrm& form, QWidget* parent = nullptr);
};

} // namespace zorbel::ui
