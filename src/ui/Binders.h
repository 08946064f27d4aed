#pragma once
// The generic layer between the window models and Qt widgets. A Binding makes one
// widget per element, keeps a small binder object beside it, and on refresh redraws
// only the widgets whose element's revision moved. The binders forward the user's
// typing, clicks and selections to the elements through the Controller, so every
// action runs as a command of the session.

#include "app/Elements.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace zorbel::ui {

class ClickableLabel;
class Controller;
class ElementListView;

/// One element drawn by one widget. The binder is a child of its widget and dies with
/// it.
class Binder : public QObject {
public:
    /// How the batch guard treats the widget.
    enum class Role {
        Display,    ///< never disabled
        Input,      ///< disabled while a batch run yields
        RunControl, ///< enabled only while a batch run yields (Cancel)
        Always,     ///< enabled during a run as well (Quit, which asks first)
    };
    Binder(QWidget* widget, Controller& controller, bool input);
    Binder(QWidget* widget, Controller& controller, Role role);

    /// Redraws the widget when its element changed since the last draw, or always when
    /// forced.
    virtual void refresh(bool force) = 0;
    /// The batch guard: an input widget is disabled while a batch run yields, a run
    /// control is enabled only then.
    void setBusy(bool busy);

protected:
    Controller& controller_;
    QWidget* widget_;

private:
    Role role_;
};

enum class Selection { Single, Extended };

/// The binder of a list view: its entries through a light model, its selection kept in
/// step with the element both ways. Owned by the view.
Binder* listBinder(ElementListView* view, Controller& controller, ListBox& list,
                   Selection selection);

class Binding {
public:
    explicit Binding(Controller& controller);
    ~Binding();
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    Controller& controller() const { return controller_; }

    // Each factory makes the widget as a child of `parent`, names it after the element
    // (tests and later code find it by that name) and binds it. The first draw comes
    // with the first refresh.
    QLabel* label(Label& element, const QString& name, QWidget* parent);
    /// A frame whose caption is a label of the model.
    QGroupBox* frame(Label& caption, const QString& name, QWidget* parent);
    QLineEdit* textBox(TextBox& element, const QString& name, QWidget* parent);
    /// A borderless read-only text box drawn as a label (the about tab's texts).
    QLabel* textLabel(TextBox& element, const QString& name, QWidget* parent);
    /// As textLabel, and a click runs the box's click handler.
    ClickableLabel* link(TextBox& element, const QString& name, QWidget* parent);
    QPushButton* button(Button& element, const QString& name, QWidget* parent);
    /// A button that acts on the batch run in progress: enabled only during a run, and
    /// its click reaches the model while every command is refused.
    QPushButton* runControl(Button& element, const QString& name, QWidget* parent,
                            Binder::Role role = Binder::Role::RunControl);
    QCheckBox* checkBox(CheckBox& element, const QString& name, QWidget* parent);
    QRadioButton* option(OptionButton& element, const QString& name, QWidget* parent);
    QProgressBar* progressBar(ProgressBar& element, const QString& name, QWidget* parent);
    ElementListView* list(ListBox& element, Selection selection, const QString& name,
                          QWidget* parent);
    /// A tab control showing the page the model names; the user's choice goes back into
    /// it. Add the pages before the first refresh.
    QTabWidget* tabs(int& currentTab, const QString& name, QWidget* parent);

    /// Redraws what changed (everything when forced).
    void refresh(bool force = false);
    void setBusy(bool busy);

private:
    template <class B, class W, class E, class... Extra>
    W* bind(E& element, const QString& name, QWidget* parent, Extra... extra);

    Controller& controller_;
    std::vector<QPointer<Binder>> binders_;
};

} // namespace zorbel::ui
