#pragma once

// Typing as a keyboard does under a window system: a capital letter or a shifted sign is a press of
// Shift, the key with Shift held, and the release of Shift, each its own event. QTest::keyClicks sends
// only the letters, so it cannot show what a lone modifier press does to the widget with the focus.
// Needs QtTest and a QApplication.

#include <QString>
#include <QTest>
#include <QWidget>

namespace testsupport {

// Presses and releases the modifier key `modifierKey` (Qt::Key_Shift, Key_Control, Key_Alt) around a
// click of `key` on `target`, as a keyboard sends them.
inline void ChordClick(QWidget* target, Qt::Key modifierKey, Qt::Key key, QChar text = QChar()) {
    const Qt::KeyboardModifier modifier = modifierKey == Qt::Key_Shift     ? Qt::ShiftModifier
                                          : modifierKey == Qt::Key_Control ? Qt::ControlModifier
                                                                           : Qt::AltModifier;
    QTest::sendKeyEvent(QTest::Press, target, modifierKey, QString(), modifier);
    const QString typed = text.isNull() ? QString() : QString(text);
    QTest::sendKeyEvent(QTest::Press, target, key, typed, modifier);
    QTest::sendKeyEvent(QTest::Release, target, key, typed, modifier);
    QTest::sendKeyEvent(QTest::Release, target, modifierKey, QString(), Qt::NoModifier);
}

// Types `text` (printable ASCII) into `target`, pressing Shift for capitals and shifted signs.
inline void TypeWithShift(QWidget* target, const QString& text) {
    static const QString shifted = QStringLiteral("~!@#$%^&*()_+{}|:\"<>?");
    for (const QChar c : text) {
        if (c.isUpper() || shifted.contains(c)) {
            // Qt's key codes of capitals and of these signs are their ASCII codes.
            ChordClick(target, Qt::Key_Shift, static_cast<Qt::Key>(c.unicode()), c);
        } else {
            QTest::keyClick(target, c.toLatin1());
        }
    }
}

} // namespace testsupport
