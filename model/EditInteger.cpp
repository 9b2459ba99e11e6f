#include "model/EditorKeys.h"
#include "model/EditorTexts.h"
#include "model/ValueEditors.h"

#include <algorithm>
#include <cmath>

namespace model {
namespace {

using namespace keys;

// Rounds half away from zero; `v` is small enough for 32 bits (at most nine characters were read).
std::int32_t RoundHalfAway(double v) {
    return static_cast<std::int32_t>(v < 0 ? -std::floor(-v + 0.5) : std::floor(v + 0.5));
}

std::int32_t Wrap(std::int64_t v, std::int32_t min, std::int32_t max) {
    if (v < min) {
        return max;
    }
    if (v > max) {
        return min;
    }
    return static_cast<std::int32_t>(v);
}

bool Clamp(std::int32_t& value, std::int32_t min, std::int32_t max) {
    const std::int32_t limited = std::clamp(value, min, max);
    const bool moved = limited != value;
    value = limited;
    return moved;
}

// Steps 1 and 2 of both integer editors: the commit and the clamp.
bool Commit(cmcCellCapsule& capsule,
            EditorContext& context,
            std::int32_t& value,
            std::int32_t min,
            std::int32_t max,
            std::int32_t offset,
            std::int32_t step) {
    if (capsule.EditState != cmcCellCapsule::kEditTyped) {
        return false;
    }
    const std::optional<std::int32_t> typed = ReadNumber(capsule.InputText);
    if (!typed) {
        // A text without a number (".", "-.") keeps the value instead of storing the minimum.
        context.refusal = RefusalText(context.texts, kRefusedNoNumber);
        return false;
    }
    std::int64_t v = std::int64_t{*typed} - offset;
    if (step > 1) {
        v = std::int64_t{step} * RoundHalfAway(static_cast<double>(v) / step);
    }
    value = static_cast<std::int32_t>(std::clamp<std::int64_t>(v, min, max));
    return true;
}

// The commit, then steps 3 to 5, with the stepping rule of the caller: stepBy(sign, step) gives the
// value one step up (sign 1) or down (-1). Whether the value changed.
template <typename StepFn>
bool EditStepped(
    cmcCellCapsule& capsule, EditorContext& context, std::int32_t& value, const IntegerField& field, StepFn stepBy) {
    const auto& [min, max, offset, givenStep, fixedText, clamp] = field;
    const std::int32_t step = std::max(givenStep, 1);
    const bool committed = Commit(capsule, context, value, min, max, offset, step);
    bool changed = false;
    if (clamp) {
        changed = Clamp(value, min, max);
    }
    capsule.OutText = fixedText.empty() ? std::to_string(std::int64_t{value} + offset) : std::string(fixedText);
    SelectAll(capsule);
    if (FromGrid(capsule)) {
        const std::int32_t key = capsule.Command;
        if (key == cmcCellCapsule::kCommandSpace || key == cmcCellCapsule::kCommandBackspace) {
            value = stepBy(key == cmcCellCapsule::kCommandSpace ? 1 : -1, step);
            changed = true;
        } else if (IsDigit(key) || (key == '-' && min < 0) || key == cmcCellCapsule::kCommandEnter) {
            context.result = kEditorOpenInPlace;
            TrimOutText(capsule);
            if (key != cmcCellCapsule::kCommandEnter) {
                StartWithKey(capsule);
            }
        }
    }
    if (clamp) {
        changed = Clamp(value, min, max) || changed;
    }
    return committed || changed;
}

double ToneOf(double f) {
    return std::floor(499200.0 / (2.0 * f) + 0.5);
}

} // namespace

std::optional<std::int32_t> ReadNumber(std::string_view text) {
    const std::string kept = Filtered(
        text, [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; }, 9);
    const std::optional<double> number = ReadDecimal(kept);
    if (!number) {
        return std::nullopt;
    }
    return RoundHalfAway(*number);
}

std::int32_t ParseNumber(std::string_view text) {
    return ReadNumber(text).value_or(0);
}

std::int32_t ToneDivider(std::int32_t frequency) {
    if (frequency <= 0) {
        return 0; // no tone; never reached by the editors, whose minimum is above 0
    }
    return static_cast<std::int32_t>(ToneOf(frequency));
}

bool EditInteger(cmcCellCapsule& capsule, EditorContext& context, std::int32_t& value, const IntegerField& field) {
    return EditStepped(capsule, context, value, field, [&](int sign, int by) {
        const std::int32_t v = Wrap(std::int64_t{value} + std::int64_t{sign} * by, field.min, field.max);
        return by * (v / by);
    });
}

bool EditByte(cmcCellCapsule& capsule, EditorContext& context, std::uint8_t& byte, std::int32_t min, std::int32_t max) {
    std::int32_t value = byte;
    if (!EditInteger(capsule, context, value, {.min = min, .max = max})) {
        return false;
    }
    byte = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
    return true;
}

bool EditTone(cmcCellCapsule& capsule, EditorContext& context, std::int32_t& value, const IntegerField& field) {
    return EditStepped(capsule, context, value, field, [&](int sign, int by) {
        // The next tone the radio can make: stop at the first candidate whose round trip differs.
        const std::int64_t tries = (std::int64_t{field.max} - field.min) / by + 1;
        std::int32_t candidate = value;
        for (std::int64_t i = 0; i < tries; ++i) {
            candidate = Wrap(std::int64_t{candidate} + std::int64_t{sign} * by, field.min, field.max);
            const auto tone = static_cast<std::int32_t>(ToneOf(ToneOf(candidate)));
            if (tone != value) {
                return tone;
            }
        }
        return value;
    });
}

} // namespace model
