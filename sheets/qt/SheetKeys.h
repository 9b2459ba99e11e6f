#pragma once

#include <QString>
#include <Qt>
#include <optional>

// The one mapping from Qt keys to the key codes the sheets work with: the virtual-key codes of the
// navigation and function keys, and the character a key types as a signed 8-bit code.
namespace SheetKeys {

enum VirtualKey : int {
    kNone = 0,
    kPageUp = 0x21,
    kPageDown = 0x22,
    kEnd = 0x23,
    kHome = 0x24,
    kLeft = 0x25,
    kUp = 0x26,
    kRight = 0x27,
    kDown = 0x28,
    kF1 = 0x70,
    kF12 = 0x7B,
};

struct KeyCode {
    int virtualKey = kNone;       // one of VirtualKey, or kNone
    std::optional<int> character; // the typed character, −128 ... 127; none for keys that type nothing
};

// The codes of `key` with `modifiers`. The character comes from the key and the modifiers (Ctrl+letter
// gives 1 to 26, Enter 13, Backspace 8, Escape 27, Tab 9); `text` is used only for printable characters
// without Ctrl, whose case and symbols depend on the keyboard layout. Characters beyond Latin-1 type
// nothing.
KeyCode Translate(int key, Qt::KeyboardModifiers modifiers, const QString& text);

} // namespace SheetKeys
