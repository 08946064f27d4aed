#include "app/Elements.h"

#include "text/NumberText.h"

#include <algorithm>
#include <stdexcept>

namespace zorbel {

std::optional<Rgb> rgbOf(Colour colour) {
    switch (colour) {
    case Colour::Window:
        return std::nullopt;
    case Colour::Yellow:
        return Rgb{255, 255, 0};
    case Colour::Pink:
        return Rgb{255, 192, 255};
    case Colour::LightOrange:
        return Rgb{255, 192, 128};
    case Colour::LightCyan:
        return Rgb{192, 255, 255};
    case Colour::Grey:
        return Rgb{224, 224, 224};
    }
    return std::nullopt;
}

void Element::setVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        touch();
    }
}

void Label::setCaption(std::string caption) {
    if (caption_ != caption) {
        caption_ = std::move(caption);
        touch();
    }
}

void Label::setBold(bool bold) {
    if (bold_ != bold) {
        bold_ = bold;
        touch();
    }
}

void TextBox::setText(std::string text) {
    if (text_ == text)
        return;
    text_ = std::move(text);
    touch();
    if (onChange)
        onChange();
}

void TextBox::setBackground(Colour colour) {
    if (background_ != colour) {
        background_ = colour;
        touch();
    }
}

void TextBox::setBold(bool bold) {
    if (bold_ != bold) {
        bold_ = bold;
        touch();
    }
}

void CheckBox::setChecked(bool checked) {
    if (checked_ != checked) {
        checked_ = checked;
        touch();
    }
}

void OptionButton::setSelected(bool selected) {
    if (selected_ != selected) {
        selected_ = selected;
        touch();
    }
    if (selected && partner != nullptr)
        partner->setSelected(false);
}

void ProgressBar::setValue(float value) {
    if (value_ != value) {
        value_ = value;
        touch();
    }
}

void ListBox::clear() {
    if (entries_.empty() && current_ == -1)
        return;
    entries_.clear();
    selected_.clear();
    maybeSelected_ = false;
    current_ = -1;
    touch();
    touchSelection();
}

void ListBox::add(std::string entry) {
    if (sorted_) {
        auto where = std::upper_bound(entries_.begin(), entries_.end(), entry);
        const auto index = where - entries_.begin();
        entries_.insert(where, std::move(entry));
        selected_.insert(selected_.begin() + index, 0);
        if (current_ >= index)
            ++current_;
    } else {
        entries_.push_back(std::move(entry));
        selected_.push_back(0);
    }
    touch();
}

void ListBox::assign(std::vector<std::string> entries) {
    if (sorted_)
        std::stable_sort(entries.begin(), entries.end());
    entries_ = std::move(entries);
    selected_.assign(entries_.size(), 0);
    maybeSelected_ = false;
    current_ = -1;
    touch();
    touchSelection();
}

void ListBox::removeAt(int index) {
    if (index < 0 || index >= count())
        return;
    entries_.erase(entries_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (current_ == index)
        current_ = -1;
    else if (current_ > index)
        --current_;
    touch();
    touchSelection();
}

int ListBox::find(const std::string& text) const {
    if (sorted_) {
        auto where = std::lower_bound(entries_.begin(), entries_.end(), text);
        return (where != entries_.end() && *where == text)
                   ? static_cast<int>(where - entries_.begin())
                   : -1;
    }
    auto where = std::find(entries_.begin(), entries_.end(), text);
    return where == entries_.end() ? -1 : static_cast<int>(where - entries_.begin());
}

void ListBox::select(int index) {
    if (index < 0 || index >= count())
        return;
    current_ = index;
    selected_[static_cast<size_t>(index)] = 1;
    maybeSelected_ = true;
    touchSelection();
    if (onSelect)
        onSelect();
}

void ListBox::markCurrent(int index) {
    if (index < 0 || index >= count())
        return;
    current_ = index;
    selected_[static_cast<size_t>(index)] = 1;
    maybeSelected_ = true;
    touchSelection();
}

bool ListBox::selectFirstEqual(const std::string& text) {
    const int index = find(text);
    if (index < 0)
        return false;
    select(index);
    return true;
}

std::string ListBox::selectedText() const {
    return current_ < 0 ? std::string() : at(current_);
}

bool ListBox::isSelected(int index) const {
    return index >= 0 && index < count() && selected_[static_cast<size_t>(index)] != 0;
}

void ListBox::setSelected(int index, bool selected) {
    if (index < 0 || index >= count())
        return;
    selected_[static_cast<size_t>(index)] = selected ? 1 : 0;
    maybeSelected_ = maybeSelected_ || selected;
    touchSelection();
}

void ListBox::clearSelection() {
    if (maybeSelected_)
        std::fill(selected_.begin(), selected_.end(), 0);
    maybeSelected_ = false;
    touchSelection();
}

void ResultsGrid::clear() {
    bool any = false;
    for (auto& column : cells_) {
        any = any || !column.empty();
        column.clear();
    }
    if (any)
        touch();
}

void ResultsGrid::setNumber(int row, int column, double value) {
    if (row < 1 || row >= rows || column < 1 || column >= columns)
        throw std::out_of_range("results grid cell outside rows 1-24999, columns 1-13");
    auto& cells = cells_[column];
    if (cells.size() <= static_cast<size_t>(row))
        cells.resize(static_cast<size_t>(row) + 1);
    cells[static_cast<size_t>(row)] = value;
    touch();
}

std::optional<double> ResultsGrid::number(int row, int column) const {
    if (row < 0 || column < 0 || column >= columns)
        return std::nullopt;
    const auto& cells = cells_[column];
    if (static_cast<size_t>(row) >= cells.size())
        return std::nullopt;
    return cells[static_cast<size_t>(row)];
}

std::string ResultsGrid::text(int row, int column) const {
    std::optional<double> value = number(row, column);
    return value ? generalNumber(*value) : std::string();
}

int ResultsGrid::filledRows(int column) const {
    if (column < 0 || column >= columns)
        return 0;
    const auto& cells = cells_[column];
    int filled = 0;
    for (size_t row = 1; row < cells.size() && cells[row]; ++row)
        ++filled;
    return filled;
}

} // namespace zorbel
