#pragma once

#include <QLineEdit>
#include <functional>

// The borderless one-line editor a sheet opens over a cell: at most 1024 characters, Enter adds no
// line. The sheet decides what keys and a loss of focus do through the two handlers; the editor only
// edits. No key pressed in it reaches the grid below, and the text-editing shortcuts (copy, cut, paste,
// undo, redo, select all) act on its text, not on the window's document.
class InPlaceEditor : public QLineEdit {
public:
    static constexpr int kMaxLength = 1024;

    explicit InPlaceEditor(QWidget* parent);

    // Runs before the editor's own handling of a key; returning true consumes it.
    std::function<bool(QKeyEvent&)> onKey;
    // The editor lost the keyboard focus for `reason` while shown.
    std::function<void(Qt::FocusReason reason)> onFocusLost;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
