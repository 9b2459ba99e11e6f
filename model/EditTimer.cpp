#include "model/EditorKeys.h"
#include "model/EditorTexts.h"
#include "model/ValueEditors.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace model {
namespace {

using namespace keys;

bool IsOffText(const std::string& off) {
    return off.size() >= 2 && (off[0] == 'o' || off[0] == 'O') && (off[1] == 'f' || off[1] == 'F');
}

// The commit of a typed text. Returns true when the value was replaced.
bool Commit(cmcCellCapsule& capsule,
            EditorContext& context,
            std::int32_t& value,
            std::int32_t scale,
            std::int32_t min,
            std::int32_t max,
            bool offAllowed) {
    if (capsule.EditState != cmcCellCapsule::kEditTyped) {
        return false;
    }
    const std::string& input = capsule.InputText;
    const std::string number = Filtered(
        input, [](char c) { return (c >= '0' && c <= '9') || c == '.'; }, 9);
    const std::string off =
        Filtered(input, [](char c) { return (c >= '0' && c <= '9') || c == 'o' || c == 'O' || c == 'f' || c == 'F'; });
    if (IsOffText(off)) {
        if (!offAllowed) {
            // Off would store a value below the minimum, which the radio cannot use.
            context.refusal = RefusalText(context.texts, kRefusedOffNotAllowed);
            return false;
        }
        value = 0;
        return true;
    }
    const std::optional<double> seconds = ReadDecimal(number);
    if (!seconds) {
        // No number (".", ".."): the value is kept instead of becoming the minimum.
        context.refusal = RefusalText(context.texts, kRefusedNoNumber);
        return false;
    }
    // Limited while still a floating-point number, so no typed size can overflow the conversion.
    const double units = (*seconds + 0.0005) * scale;
    value =
        static_cast<std::int32_t>(std::floor(std::clamp(units, static_cast<double>(min), static_cast<double>(max))));
    return true;
}

std::string Seconds(std::int32_t value, std::int32_t scale, int trimCount) {
    char text[32];
    const std::int64_t whole = value / scale;
    const std::int64_t thousandths = (std::int64_t{value} * 1000 / scale) % 1000;
    std::snprintf(
        text, sizeof text, "%3lld.%03lld", static_cast<long long>(whole), static_cast<long long>(thousandths));
    std::string shown = text;
    for (int i = 0; i < trimCount && !shown.empty(); ++i) {
        if (shown.back() == '0') {
            shown.pop_back();
        } else {
            if (shown.back() == '.') {
                shown.pop_back();
            }
            break;
        }
    }
    return shown;
}

} // namespace

bool EditTimer(cmcCellCapsule& capsule, EditorContext& context, std::int32_t& value, const TimerField& field) {
    const auto& [givenScale, min, max, offAllowed, trimCount] = field;
    const std::int32_t scale = std::max(givenScale, 1);
    bool changed = Commit(capsule, context, value, scale, min, max, offAllowed);
    if (capsule.Command != cmcCellCapsule::kCommandNone || !offAllowed || value != 0) {
        capsule.OutText = Seconds(value, scale, trimCount);
    } else {
        capsule.OutText = context.texts.GetLine("GI_AppInd_TimerOff", 0);
    }
    SelectAll(capsule);
    if (!FromGrid(capsule)) {
        return changed;
    }
    const std::int32_t key = capsule.Command;
    if (key == cmcCellCapsule::kCommandSpace || key == cmcCellCapsule::kCommandBackspace) {
        const std::int64_t v = std::int64_t{value} + (key == cmcCellCapsule::kCommandSpace ? 1 : -1);
        // Past the maximum comes the minimum and below the minimum the maximum; stepping up from a
        // value below the minimum (off) lands on the minimum.
        if (v > max) {
            value = min;
        } else if (v < min) {
            value = key == cmcCellCapsule::kCommandSpace ? min : max;
        } else {
            value = static_cast<std::int32_t>(v);
        }
        changed = true;
    } else if (key == cmcCellCapsule::kCommandEnter) {
        context.result = kEditorOpenInPlace;
        TrimOutText(capsule);
    } else if (IsDigit(key) || key == '.' || key == 'O' || key == 'o') {
        context.result = kEditorOpenInPlace;
        StartWithKey(capsule);
    }
    return changed;
}

} // namespace model
