#include "sheets/qt/SheetKeys.h"

#include <array>
#include <cstdint>
#include <utility>

namespace SheetKeys {
namespace {

constexpr std::array<std::pair<int, int>, 8> kNavigation = {{
    {Qt::Key_PageUp, kPageUp},
    {Qt::Key_PageDown, kPageDown},
    {Qt::Key_End, kEnd},
    {Qt::Key_Home, kHome},
    {Qt::Key_Left, kLeft},
    {Qt::Key_Up, kUp},
    {Qt::Key_Right, kRight},
    {Qt::Key_Down, kDown},
}};

constexpr std::array<std::pair<int, int>, 6> kControlCharacters = {{
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Backspace, 8},
    {Qt::Key_Escape, 27},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
}};

int Signed8(int code) {
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(code));
}

} // namespace

KeyCode Translate(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    KeyCode code;
    for (const auto& [qtKey, virtualKey] : kNavigation) {
        if (key == qtKey) {
            code.virtualKey = virtualKey;
            return code;
        }
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        code.virtualKey = kF1 + (key - Qt::Key_F1);
        return code;
    }
    for (const auto& [qtKey, character] : kControlCharacters) {
        if (key == qtKey) {
            code.character = character;
            return code;
        }
    }
    const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
    if (ctrl) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            code.character = key - Qt::Key_A + 1;
        }
        return code;
    }
    if (text.size() == 1 && text.at(0).unicode() >= 0x20 && text.at(0).unicode() <= 0xFF &&
        text.at(0).unicode() != 0x7F) {
        code.character = Signed8(text.at(0).unicode());
        return code;
    }
    if (text.isEmpty() && key >= 0x20 && key <= 0xFF) {
        // No text (some platforms send none): letters are lower case unless Shift is held.
        int character = key;
        if (key >= Qt::Key_A && key <= Qt::Key_Z && (modifiers & Qt::ShiftModifier) == 0) {
            character = key - Qt::Key_A + 'a';
        }
        code.character = Signed8(character);
    }
    return code;
}

} // namespace SheetKeys
