#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class cmcCellCapsule;
class cmcHash2;
class IDefinitionSource;
class IViewCommands;

// The shared value editors: each formats one stored value into the capsule's OutText, takes a
// committed InputText (EditState 1) or a selection list's answer (EditState 2) back, steps the value
// with space (up) and backspace (down), and decides whether a typed key opens the in-place editor. Keys
// count only when the capsule's Grid is set (a real key in a grid); drawing and probing only format.
//
// Each editor returns true when it replaced the value. It never touches the image: the caller stores
// the value when it changed.
namespace model {

// What an editor asks of the sheet after its answer.
enum EditorResult : int {
    kEditorDone = 0,       // nothing more
    kEditorListOpened = 1, // a selection list window was opened
    kEditorOpenInPlace = 2 // open the in-place editor with OutText
};

// What the editors share for one answer.
struct EditorContext {
    IDefinitionSource& texts;
    cmcHash2& tables;
    IViewCommands& commands;
    // Out: what the sheet is to do next.
    EditorResult result = kEditorDone;
    // Out: set when a commit was refused and the value kept; the status text that says why.
    std::string refusal;
};

// Numeric text of a commit: every character but digits, '.' and '-' removed, the first 9 kept, read
// as a decimal number and rounded half away from zero. None when no number can be read (no digit, as
// in "." or "-.", or signs and points before the digits, as in "--5").
std::optional<std::int32_t> ReadNumber(std::string_view text);
// ReadNumber, with 0 for a text from which no number can be read.
std::int32_t ParseNumber(std::string_view text);

// One item of the selection list `listName` (the Flex0 cells of that sheet; an item's index is the
// value it stands for). Space and backspace step through the items in their position order, wrapping;
// Enter opens the list window. OutText: the item's text, empty when no item has the value.
bool EditSelection(cmcCellCapsule& capsule, EditorContext& context, std::string_view listName, std::int32_t& value);

// Shows `value` as EditSelection does, without taking a key, a commit or a choice from the capsule.
void ShowSelection(cmcCellCapsule& capsule, EditorContext& context, std::string_view listName, std::int32_t value);

// How an integer cell shows its value and takes an entry: shown as value + offset (or `fixedText` when
// not empty), committed within min..max and rounded to a multiple of `step`; stepping wraps between
// min and max. With `clamp` a stored value outside min..max is shown limited.
struct IntegerField {
    std::int32_t min = 0;
    std::int32_t max = 0;
    std::int32_t offset = 0;
    std::int32_t step = 1;
    std::string_view fixedText = {};
    bool clamp = false;
};

// An integer as `field` says. A commit without any digit is refused and keeps the value.
bool EditInteger(cmcCellCapsule& capsule, EditorContext& context, std::int32_t& value, const IntegerField& field);

// EditInteger on one byte, offset 0, step 1; the byte is replaced only when the value changed.
bool EditByte(cmcCellCapsule& capsule, EditorContext& context, std::uint8_t& byte, std::int32_t min, std::int32_t max);

// EditInteger for tone frequencies in Hz: a step moves to the next tone the radio can make (the next
// value whose tone round trip differs from the current value), trying at most (max - min) / step + 1
// candidates.
bool EditTone(cmcCellCapsule& capsule, EditorContext& context, std::int32_t& value, const IntegerField& field);

// The tone divider of a frequency and the frequency of a divider: floor(499200 / (2 x f) + 0.5).
std::int32_t ToneDivider(std::int32_t frequency);

// How a timer cell shows its value and takes an entry: a time counted in 1/scale seconds, shown
// "%3d.%03d" seconds (trailing zeros trimmed up to trimCount times), committed within min..max;
// whether "OFF" may store 0.
struct TimerField {
    std::int32_t scale = 1;
    std::int32_t min = 0;
    std::int32_t max = 0;
    bool offAllowed = false;
    int trimCount = 0;
};

// A timer as `field` says. A commit reads seconds, limited to min..max; "OFF" (any letter case) stores
// 0 where offAllowed, and is refused elsewhere. With offAllowed a value 0 shows line 0 of
// "GI_AppInd_TimerOff" unless a key is pending. Stepping moves one raw unit and wraps.
bool EditTimer(cmcCellCapsule& capsule, EditorContext& context, std::int32_t& value, const TimerField& field);

// A fixed-length text of printable ASCII padded with spaces. A commit takes its first bytes.size()
// characters (a character outside printable ASCII becomes one space); bytes outside 32..126 are shown
// and kept as spaces. OutText: the text without trailing spaces.
bool EditText(cmcCellCapsule& capsule, EditorContext& context, std::span<std::uint8_t> bytes);

// A run of `digitCount` decimal digits, two per byte (each byte 0..99). A commit of exactly digitCount
// digits stores them (other characters between them are ignored), an empty commit clears the run
// (every byte 0xFF, "not set"), and any other text is refused and keeps the old digits. OutText: the
// digits, empty when a byte is above 99.
bool EditDigits(cmcCellCapsule& capsule, EditorContext& context, std::span<std::uint8_t> bytes, int digitCount);

} // namespace model
