#include "model/DecimalDigits.h"
#include "model/EditorKeys.h"
#include "model/EditorTexts.h"
#include "model/ValueEditors.h"

#include <algorithm>

namespace model {
namespace {

using namespace keys;

bool IsPrintable(std::uint32_t c) {
    return c >= 32 && c <= 126;
}

// The characters of a UTF-8 text as single bytes: printable ASCII kept, every other character (a
// whole multi-byte sequence, or a stray byte) one space.
std::string OneBytePerCharacter(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0xC0 && lead < 0xF8) {
            length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            // A truncated or broken sequence counts its lead byte alone.
            for (std::size_t k = 1; k < length; ++k) {
                if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                    length = 1;
                    break;
                }
            }
        }
        bytes += IsPrintable(lead) ? static_cast<char>(lead) : ' ';
        i += length;
    }
    return bytes;
}

} // namespace

bool EditText(cmcCellCapsule& capsule, EditorContext& context, std::span<std::uint8_t> bytes) {
    bool changed = false;
    if (capsule.EditState == cmcCellCapsule::kEditTyped || capsule.EditState == cmcCellCapsule::kEditChoice) {
        const std::string text = OneBytePerCharacter(capsule.InputText);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{' '};
        }
        changed = true;
    }
    std::string shown;
    for (std::uint8_t& byte : bytes) {
        if (!IsPrintable(byte)) {
            byte = ' ';
        }
        shown += static_cast<char>(byte);
    }
    shown.erase(shown.find_last_not_of(' ') + 1);
    capsule.OutText = shown;
    SelectAll(capsule);
    if (FromGrid(capsule)) {
        const std::int32_t key = capsule.Command;
        if (key == cmcCellCapsule::kCommandSpace || key == cmcCellCapsule::kCommandBackspace ||
            key == cmcCellCapsule::kCommandEnter) {
            context.result = kEditorOpenInPlace;
        } else if (key > cmcCellCapsule::kCommandSpace && key <= cmcCellCapsule::kCommandLastTyped) {
            context.result = kEditorOpenInPlace;
            StartWithKey(capsule);
        }
    }
    return changed;
}

bool EditDigits(cmcCellCapsule& capsule, EditorContext& context, std::span<std::uint8_t> bytes, int digitCount) {
    bool changed = false;
    const std::size_t byteCount = std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(DigitBytes(digitCount)));
    const auto run = bytes.first(byteCount);
    if (capsule.EditState == cmcCellCapsule::kEditTyped) {
        const std::string digits = Filtered(capsule.InputText, [](char c) { return c >= '0' && c <= '9'; });
        if (capsule.InputText.empty()) {
            // Only an empty text clears the number; "none" or "-" is a mistyped number like any other.
            std::fill(run.begin(), run.end(), std::uint8_t{0xFF});
            changed = true;
        } else if (digits.size() == static_cast<std::size_t>(digitCount)) {
            std::fill(run.begin(), run.end(), std::uint8_t{0});
            for (int i = 0; i < digitCount; ++i) {
                SetDecimalDigit(run, i, digits[static_cast<std::size_t>(i)] - '0');
            }
            changed = true;
        } else {
            // A mistyped identity must not wipe the one the radio holds.
            context.refusal = RefusalText(context.texts, kRefusedDigitCount, {std::to_string(digitCount)});
        }
    }
    capsule.OutText.clear();
    if (AreDecimalDigitsValid(run, digitCount)) {
        for (int i = 0; i < digitCount; ++i) {
            capsule.OutText += static_cast<char>('0' + GetDecimalDigit(run, i));
        }
    }
    SelectAll(capsule);
    if (FromGrid(capsule)) {
        const std::int32_t key = capsule.Command;
        if (key == cmcCellCapsule::kCommandSpace || key == cmcCellCapsule::kCommandBackspace ||
            key == cmcCellCapsule::kCommandEnter) {
            context.result = kEditorOpenInPlace;
            TrimOutText(capsule);
        } else if (IsDigit(key) || key == '.') {
            context.result = kEditorOpenInPlace;
            StartWithKey(capsule);
        }
    }
    return changed;
}

} // namespace model
