#pragma once

#include "app/Platform.h"

#include <QDialog>

class QPlainTextEdit;

namespace zorbel::ui {

/// What a load found in its files: the headers read from their columns and the check's
/// findings in one list that scrolls, so that GRI's database beside a large mechanism (a
/// few thousand lines) fits the screen. The list can be selected and copied, or copied
/// whole; the buttons stay below it, in sight, however long it is.
class FindingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindingsDialog(const FindingsReport& report, QWidget* parent = nullptr);

    QPlainTextEdit* list() const { return list_; }
    /// Puts the whole list on the clipboard.
    void copyAll() const;

private:
    QPlainTextEdit* list_ = nullptr;
};

} // namespace zorbel::ui
