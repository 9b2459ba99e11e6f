#include "sheets/qt/InPlaceEditor.h"

#include <QFocusEvent>
#include <QKeyEvent>

InPlaceEditor::InPlaceEditor(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setMaxLength(kMaxLength);
    setTextMargins(0, 0, 0, 0);
    setContentsMargins(0, 0, 0, 0);
    hide();
}

void InPlaceEditor::keyPressEvent(QKeyEvent* event) {
    if (onKey && onKey(*event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    // A key the line editor has no use for (Shift, Ctrl, Alt alone, F-keys) would travel on to the grid,
    // whose key handling commits the editor: every key pressed while editing stays here.
    event->accept();
}

void InPlaceEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (isVisible() && onFocusLost) {
        onFocusLost(event->reason());
    }
}
