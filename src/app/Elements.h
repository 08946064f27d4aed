#pragma once
// The window's elements as plain data. The desktop window draws them and forwards the
// user's actions to them; the command-line face and the tests drive them directly.
//
// Handler rule: setting a text box's text from code runs its change handler at once
// when the text differs; selecting a list entry from code runs the selection handler
// at once, also when that entry was already selected. The computation relies on both.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {

/// Background colours the program gives its boxes.
enum class Colour {
    Window,      ///< the system's window-background colour
    Yellow,      ///< (255, 255, 0): an input that blocks a command
    Pink,        ///< (255, 192, 255): a third-body slot
    LightOrange, ///< (255, 192, 128): hot temperatures
    LightCyan,   ///< (192, 255, 255): cold temperatures
    Grey,        ///< read-only result boxes
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

/// The colour's components; nothing for the system colour, which the toolkit decides.
std::optional<Rgb> rgbOf(Colour colour);

/// Every element counts its changes, so that a view redraws only what changed.
class Element {
public:
    std::uint64_t revision() const { return revision_; }
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    const std::string& tooltip() const { return tooltip_; }
    void setTooltip(std::string tooltip) { tooltip_ = std::move(tooltip); }

protected:
    void touch() { ++revision_; }

private:
    std::uint64_t revision_ = 0;
    bool visible_ = true;
    std::string tooltip_;
};

class Label : public Element {
public:
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool bold() const { return bold_; }
    void setBold(bool bold);

private:
    std::string caption_;
    bool bold_ = false;
};

class TextBox : public Element {
public:
    const std::string& text() const { return text_; }
    /// Runs the change handler when the text differs from the current one.
    void setText(std::string text);
    Colour background() const { return background_; }
    void setBackground(Colour colour);
    bool bold() const { return bold_; }
    void setBold(bool bold);
    bool readOnly = false;
    int maxLength = 0; ///< 0: no limit (the limit binds the user's typing only)
    /// The characters the user may type, or empty for any; binds typing only, as
    /// maxLength does.
    std::string typedCharacters;

    std::function<void()> onChange;
    /// The user's click on the box (the about tab's links).
    std::function<void()> onClick;

private:
    std::string text_;
    Colour background_ = Colour::Window;
    bool bold_ = false;
};

class Button : public Element {
public:
    std::string caption; ///< with "&" before the accelerator letter
    std::function<void()> onClick;
    void click() const {
        if (onClick)
            onClick();
    }
};

class CheckBox : public Element {
public:
    std::string caption;
    bool checked() const { return checked_; }
    void setChecked(bool checked);

private:
    bool checked_ = false;
};

class OptionButton : public Element {
public:
    std::string caption;
    bool selected() const { return selected_; }
    /// Selecting one button of a group deselects its partner.
    void setSelected(bool selected);
    OptionButton* partner = nullptr;

private:
    bool selected_ = false;
};

class ProgressBar : public Element {
public:
    float value() const { return value_; }
    void setValue(float value);

private:
    float value_ = 0.0F;
};

/// A list box. A sorted list keeps its entries in byte order; an unsorted one in the
/// order they were added. Selection is per entry (extended multiple selection) with one
/// current entry, whose text is "the selected text".
class ListBox : public Element {
public:
    explicit ListBox(bool sorted = false) : sorted_(sorted) {}

    int count() const { return static_cast<int>(entries_.size()); }
    const std::string& at(int index) const { return entries_.at(static_cast<size_t>(index)); }
    const std::vector<std::string>& entries() const { return entries_; }

    void clear();
    void add(std::string entry);
    /// Replaces all entries at once (a sorted list sorts them).
    void assign(std::vector<std::string> entries);
    void removeAt(int index);

    /// Index of the first entry equal to the text, or -1.
    int find(const std::string& text) const;

    /// Makes the entry current and selected and runs the selection handler, also when
    /// it was already selected. An index outside the list does nothing.
    void select(int index);
    /// Selects the first entry equal to the text; returns false (and runs nothing)
    /// when there is none.
    bool selectFirstEqual(const std::string& text);

    /// Makes the entry current and selected without running the handler: a batch run
    /// that has already parsed the entry itself.
    void markCurrent(int index);

    int currentIndex() const { return current_; }
    /// The current entry's text, or empty.
    std::string selectedText() const;
    bool isSelected(int index) const;
    /// Marks an entry selected or not without running the handler (the user's
    /// Ctrl-click and Shift-click in a multiple-selection list).
    void setSelected(int index, bool selected);
    void clearSelection();
    std::uint64_t selectionRevision() const { return selectionRevision_; }

    std::function<void()> onSelect;
    /// The user's double-click on the current entry (the search window's lists).
    std::function<void()> onDoubleClick;

private:
    void touchSelection() { ++selectionRevision_; }

    bool sorted_;
    std::vector<std::string> entries_;
    std::vector<char> selected_;
    /// False only while no entry is selected: a batch run clears the selection at every
    /// reaction, which must not cost a pass over a long list each time.
    bool maybeSelected_ = false;
    int current_ = -1;
    std::uint64_t selectionRevision_ = 0;
};

/// The hidden results grid: data rows 1 to 24999 and columns 1 to 13. Cells hold numbers
/// and give their general number text on demand; clearing forgets them all.
class ResultsGrid : public Element {
public:
    static constexpr int rows = 25000;
    static constexpr int columns = 14;

    void clear();
    void setNumber(int row, int column, double value);
    std::optional<double> number(int row, int column) const;
    /// The cell's text: the number's general number text, or empty.
    std::string text(int row, int column) const;
    /// The number of rows of a column that hold a value, counted from row 1.
    int filledRows(int column) const;

private:
    std::vector<std::optional<double>> cells_[columns];
};

} // namespace zorbel
