#include "ui/Binders.h"

#include "ui/Controller.h"
#include "ui/QtText.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zorbel::ui {

Binder::Binder(QWidget* widget, Controller& controller, bool input)
    : Binder(widget, controller, input ? Role::Input : Role::Display) {}

Binder::Binder(QWidget* widget, Controller& controller, Role role)
    : QObject(widget), controller_(controller), widget_(widget), role_(role) {}

void Binder::setBusy(bool busy) {
    if (role_ == Role::Input)
        widget_->setEnabled(!busy);
    else if (role_ == Role::RunControl)
        widget_->setEnabled(busy);
}

namespace {

constexpr std::uint64_t neverDrawn = std::numeric_limits<std::uint64_t>::max();
/// QLineEdit's own default length limit, which stands for none.
constexpr int qtNoLimit = 32767;

/// A binder that redraws when its element's revision moves.
template <class E> class ElementBinder : public Binder {
public:
    ElementBinder(QWidget* widget, Controller& controller, bool input, E& element)
        : Binder(widget, controller, input), element_(element) {}
    ElementBinder(QWidget* widget, Controller& controller, Role role, E& element)
        : Binder(widget, controller, role), element_(element) {}

    void refresh(bool force) override {
        if (!force && element_.revision() == drawn_)
            return;
        drawn_ = element_.revision();
        draw();
        widget_->setToolTip(toQt(element_.tooltip()));
        widget_->setVisible(element_.visible());
    }

protected:
    virtual void draw() = 0;

    E& element_;

private:
    std::uint64_t drawn_ = neverDrawn;
};

void setBold(QWidget* widget, bool bold) {
    if (widget->font().bold() == bold)
        return;
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

void setBackground(QWidget* widget, Colour colour) {
    QPalette palette = widget->palette();
    if (std::optional<Rgb> rgb = rgbOf(colour)) {
        palette.setColor(QPalette::Base, QColor(rgb->red, rgb->green, rgb->blue));
        // Light backgrounds keep dark text, whatever the desktop's theme.
        palette.setColor(QPalette::Text, Qt::black);
    } else {
        const QPalette system = QApplication::palette(widget);
        palette.setColor(QPalette::Base, system.color(QPalette::Base));
        palette.setColor(QPalette::Text, system.color(QPalette::Text));
    }
    widget->setPalette(palette);
}

class LabelBinder : public ElementBinder<Label> {
public:
    using ElementBinder::ElementBinder;

private:
    void draw() override {
        auto* label = static_cast<QLabel*>(widget_);
        label->setText(shownText(element_.caption()));
        setBold(label, element_.bold());
    }
};

class FrameBinder : public ElementBinder<Label> {
public:
    using ElementBinder::ElementBinder;

private:
    void draw() override {
        static_cast<QGroupBox*>(widget_)->setTitle(shownText(element_.caption()));
    }
};

class TextBoxBinder : public ElementBinder<TextBox> {
public:
    TextBoxBinder(QLineEdit* edit, Controller& controller, TextBox& box)
        : ElementBinder(edit, controller, !box.readOnly, box) {
        QObject::connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
            controller_.forward([this, &text] { element_.setText(fromQt(text)); });
            // A refused edit leaves the element as it was: show it as it is.
            refresh(true);
        });
    }

private:
    void draw() override {
        auto* edit = static_cast<QLineEdit*>(widget_);
        edit->setReadOnly(element_.readOnly);
        // Tab walks the inputs only; a result is still selected and copied by a click.
        edit->setFocusPolicy(element_.readOnly ? Qt::ClickFocus : Qt::StrongFocus);
        // The limit binds the user's typing only; a read-only box shows whatever the
        // program puts in it.
        const bool limited = !element_.readOnly && element_.maxLength > 0;
        edit->setMaxLength(limited ? element_.maxLength : qtNoLimit);
        if (!element_.typedCharacters.empty() && edit->validator() == nullptr) {
            // The box refuses any other key as it is typed.
            const QString allowed = QRegularExpression::escape(toQt(element_.typedCharacters));
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[%1]*").arg(allowed)), edit));
        }
        const QString text = toQt(element_.text());
        if (edit->text() != text) {
            edit->setText(text);
            // A result longer than its box shows its beginning, where the number is.
            if (element_.readOnly)
                edit->setCursorPosition(0);
        }
        setBackground(edit, element_.background());
        setBold(edit, element_.bold());
    }
};

class TextLabelBinder : public ElementBinder<TextBox> {
public:
    TextLabelBinder(QLabel* label, Controller& controller, TextBox& box)
        : ElementBinder(label, controller, false, box) {}
    TextLabelBinder(ClickableLabel* label, Controller& controller, TextBox& box)
        : ElementBinder(label, controller, true, box) {
        QObject::connect(label, &ClickableLabel::clicked, this, [this] {
            controller_.forward([this] {
                if (element_.onClick)
                    element_.onClick();
            });
        });
    }

private:
    void draw() override {
        auto* label = static_cast<QLabel*>(widget_);
        label->setText(shownText(element_.text()));
        setBold(label, element_.bold());
    }
};

class ButtonBinder : public ElementBinder<Button> {
public:
    ButtonBinder(QPushButton* button, Controller& controller, Button& element)
        : ElementBinder(button, controller, true, element) {
        QObject::connect(button, &QPushButton::clicked, this,
                         [this] { controller_.forward([this] { element_.click(); }); });
    }

private:
    void draw() override { static_cast<QPushButton*>(widget_)->setText(toQt(element_.caption)); }
};

/// Cancel and Quit: the click bypasses the batch guard, which refuses every command during a
/// run.
class RunControlBinder : public ElementBinder<Button> {
public:
    RunControlBinder(QPushButton* button, Controller& controller, Button& element, Role role)
        : ElementBinder(button, controller, role, element) {
        QObject::connect(button, &QPushButton::clicked, this, [this] {
            controller_.session().runHandler([this] { element_.click(); });
        });
    }

private:
    void draw() override { static_cast<QPushButton*>(widget_)->setText(toQt(element_.caption)); }
};

class CheckBoxBinder : public ElementBinder<CheckBox> {
public:
    CheckBoxBinder(QCheckBox* check, Controller& controller, CheckBox& element)
        : ElementBinder(check, controller, true, element) {
        QObject::connect(check, &QCheckBox::clicked, this, [this](bool checked) {
            controller_.forward([this, checked] { element_.setChecked(checked); });
            refresh(true);
        });
    }

private:
    void draw() override {
        auto* check = static_cast<QCheckBox*>(widget_);
        check->setText(toQt(element_.caption));
        check->setChecked(element_.checked());
    }
};

class OptionBinder : public ElementBinder<OptionButton> {
public:
    OptionBinder(QRadioButton* radio, Controller& controller, OptionButton& element)
        : ElementBinder(radio, controller, true, element) {
        // The model keeps the group exclusive; Qt's own exclusivity would uncheck the
        // partner even when the model refuses the click.
        radio->setAutoExclusive(false);
        QObject::connect(radio, &QRadioButton::clicked, this, [this] {
            controller_.forward([this] { element_.setSelected(true); });
            refresh(true);
        });
    }

private:
    void draw() override {
        auto* radio = static_cast<QRadioButton*>(widget_);
        radio->setText(toQt(element_.caption));
        radio->setChecked(element_.selected());
    }
};

class ProgressBinder : public ElementBinder<ProgressBar> {
public:
    ProgressBinder(QProgressBar* bar, Controller& controller, ProgressBar& element)
        : ElementBinder(bar, controller, false, element) {
        bar->setRange(0, 100);
    }

private:
    void draw() override {
        static_cast<QProgressBar*>(widget_)->setValue(
            static_cast<int>(std::lround(element_.value())));
    }
};

/// The tab shown: a plain number of the model, which code may change as well.
class TabBinder : public Binder {
public:
    TabBinder(QTabWidget* tabs, Controller& controller, int& current)
        : Binder(tabs, controller, false), current_(current) {
        // Switching tabs starts no command, so it stays possible during a batch run.
        QObject::connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
            // Pages added before the first draw make themselves current: not the user.
            if (syncing_ || index < 0 || drawn_ < 0)
                return;
            drawn_ = index;
            controller_.session().runHandler([this, index] { current_ = index; });
        });
    }

    void refresh(bool force) override {
        if (!force && current_ == drawn_)
            return;
        drawn_ = current_;
        syncing_ = true;
        static_cast<QTabWidget*>(widget_)->setCurrentIndex(current_);
        syncing_ = false;
    }

private:
    int& current_;
    int drawn_ = -1;
    bool syncing_ = false;
};

} // namespace

Binding::Binding(Controller& controller) : controller_(controller) {
    controller_.attach(*this);
}

Binding::~Binding() {
    controller_.detach(*this);
}

template <class B, class W, class E, class... Extra>
W* Binding::bind(E& element, const QString& name, QWidget* parent, Extra... extra) {
    auto* widget = new W(parent);
    widget->setObjectName(name);
    binders_.emplace_back(new B(widget, controller_, element, extra...));
    return widget;
}

QLabel* Binding::label(Label& element, const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    // Captions are plain text: "<=>" and "<<< Reverse Coefficients <<<" are no markup.
    label->setTextFormat(Qt::PlainText);
    binders_.emplace_back(new LabelBinder(label, controller_, false, element));
    return label;
}

QGroupBox* Binding::frame(Label& caption, const QString& name, QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(name);
    binders_.emplace_back(new FrameBinder(frame, controller_, false, caption));
    return frame;
}

QLineEdit* Binding::textBox(TextBox& element, const QString& name, QWidget* parent) {
    auto* edit = bind<TextBoxBinder, QLineEdit>(element, name, parent);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

QLabel* Binding::textLabel(TextBox& element, const QString& name, QWidget* parent) {
    auto* label = bind<TextLabelBinder, QLabel>(element, name, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

ClickableLabel* Binding::link(TextBox& element, const QString& name, QWidget* parent) {
    auto* label = bind<TextLabelBinder, ClickableLabel>(element, name, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QPushButton* Binding::button(Button& element, const QString& name, QWidget* parent) {
    auto* button = bind<ButtonBinder, QPushButton>(element, name, parent);
    button->setAutoDefault(false);
    return button;
}

QPushButton* Binding::runControl(Button& element, const QString& name, QWidget* parent,
                                 Binder::Role role) {
    auto* button = bind<RunControlBinder, QPushButton>(element, name, parent, role);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* Binding::checkBox(CheckBox& element, const QString& name, QWidget* parent) {
    return bind<CheckBoxBinder, QCheckBox>(element, name, parent);
}

QRadioButton* Binding::option(OptionButton& element, const QString& name, QWidget* parent) {
    return bind<OptionBinder, QRadioButton>(element, name, parent);
}

QProgressBar* Binding::progressBar(ProgressBar& element, const QString& name, QWidget* parent) {
    return bind<ProgressBinder, QProgressBar>(element, name, parent);
}

QTabWidget* Binding::tabs(int& currentTab, const QString& name, QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(name);
    binders_.emplace_back(new TabBinder(tabs, controller_, currentTab));
    return tabs;
}

ElementListView* Binding::list(ListBox& element, Selection selection, const QString& name,
                               QWidget* parent) {
    auto* view = new ElementListView(parent);
    view->setObjectName(name);
    binders_.emplace_back(listBinder(view, controller_, element, selection));
    return view;
}

void Binding::refresh(bool force) {
    for (const QPointer<Binder>& binder : binders_) {
        if (binder)
            binder->refresh(force);
    }
}

void Binding::setBusy(bool busy) {
    for (const QPointer<Binder>& binder : binders_) {
        if (binder)
            binder->setBusy(busy);
    }
}

} // namespace zorbel::ui
