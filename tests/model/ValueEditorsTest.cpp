// The shared value editors on a capsule: typed text or a key in, value, shown text, result and the
// changed flag out.

#include "model/ValueEditors.h"

#include "CellDocumentDouble.h"

#include <gtest/gtest.h>

namespace {

using namespace model;

struct Editors : testing::Test {
    celltest::CellDocumentDouble doc;
    celltest::RecordingCommands commands;
    EditorContext context{doc.texts, doc.tables, commands, kEditorDone, {}};

    // A capsule carrying typed text (commit) or a key from a grid.
    static cmcCellCapsule Typed(const std::string& text) {
        cmcCellCapsule c;
        c.EditState = cmcCellCapsule::kEditTyped;
        c.InputText = text;
        return c;
    }
    static cmcCellCapsule Key(std::int32_t key) {
        cmcCellCapsule c;
        c.Grid = celltest::AnyGrid();
        c.Command = key;
        return c;
    }
};

TEST_F(Editors, ParseNumberKeepsNineCharactersAndRoundsHalfAway) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"300", 300}, {"-5", -5}, {" 2.5 Hz", 3}, {"-2.5", -3}, {"abc", 0}, {"", 0}, {"1234567890", 123456789}};
    for (const auto& c : cases) {
        EXPECT_EQ(ParseNumber(c.text), c.value) << c.text;
    }
}

TEST_F(Editors, IntegerCommitsLimitsAndRefusesTextWithoutNumber) {
    const struct {
        const char* text;
        std::int32_t before, min, max, offset, step;
        std::int32_t after;
        bool changed;
        const char* shown;
    } cases[] = {
        {"300", 7, 0, 255, 0, 1, 255, true, "255"},
        {"-5", 7, 0, 255, 0, 1, 0, true, "0"},
        {"letters", 7, 0, 255, 0, 1, 7, false, "7"}, // mended: the value stays
        // Points and signs without a number are no number either: the minimum is not stored.
        {".", 7, 0, 255, 0, 1, 7, false, "7"},
        {"..", 7, 0, 255, 0, 1, 7, false, "7"},
        {"-.", 7, -9, 255, 0, 1, 7, false, "7"},
        {"--5", 7, -9, 255, 0, 1, 7, false, "7"},
        {"-.5", 7, -9, 255, 0, 1, -1, true, "-1"},
        {".5", 7, 0, 255, 0, 1, 1, true, "1"},
        {"101", 0, 0, 999, 1, 1, 100, true, "101"}, // offset: shown value + 1
        {"17", 0, 0, 100, 0, 5, 15, true, "15"},    // rounded to the step
        {"18", 0, 0, 100, 0, 5, 20, true, "20"},
    };
    for (const auto& c : cases) {
        context.refusal.clear();
        cmcCellCapsule capsule = Typed(c.text);
        std::int32_t value = c.before;
        EXPECT_EQ(
            EditInteger(capsule, context, value, {.min = c.min, .max = c.max, .offset = c.offset, .step = c.step}),
            c.changed)
            << c.text;
        EXPECT_EQ(value, c.after) << c.text;
        EXPECT_EQ(capsule.OutText, c.shown) << c.text;
        EXPECT_EQ(context.refusal.empty(), c.changed) << c.text;
    }
}

TEST_F(Editors, IntegerKeysStepWrapAndStartEdits) {
    const struct {
        std::int32_t key, before, min, after, result;
        const char* editorText;
    } cases[] = {
        {' ', 255, 0, 0, 0, "255"},
        {8, 0, 0, 255, 0, "0"},
        {' ', 4, 0, 5, 0, "4"},
        {13, 42, 0, 42, 2, "42"},
        {'7', 42, 0, 42, 2, "7"},
        {'-', 42, 0, 42, 0, "42"}, // '-' only below 0
        {'-', 42, -9, 42, 2, "-"},
        {'x', 42, 0, 42, 0, "42"},
    };
    for (const auto& c : cases) {
        context.result = kEditorDone;
        cmcCellCapsule capsule = Key(c.key);
        std::int32_t value = c.before;
        EditInteger(capsule, context, value, {.min = c.min, .max = 255});
        EXPECT_EQ(value, c.after) << c.key;
        EXPECT_EQ(context.result, c.result) << c.key;
        EXPECT_EQ(capsule.OutText, c.editorText) << c.key;
    }
    // Without a grid a key only formats.
    cmcCellCapsule drawn = Key(' ');
    drawn.Grid = nullptr;
    std::int32_t value = 3;
    EXPECT_FALSE(EditInteger(drawn, context, value, {.min = 0, .max = 255}));
    EXPECT_EQ(value, 3);
}

TEST_F(Editors, ByteKeepsTheOldByteUnlessChanged) {
    std::uint8_t byte = 9;
    cmcCellCapsule letters = Typed("none");
    EXPECT_FALSE(EditByte(letters, context, byte, 0, 255));
    EXPECT_EQ(byte, 9);
    cmcCellCapsule typed = Typed("200");
    EXPECT_TRUE(EditByte(typed, context, byte, 1, 255));
    EXPECT_EQ(byte, 200);
}

TEST_F(Editors, ToneRoundTripAndBoundedSearch) {
    EXPECT_EQ(ToneDivider(125), 1997);
    EXPECT_EQ(ToneDivider(624), 400);
    EXPECT_EQ(ToneDivider(1), 249600);
    EXPECT_EQ(ToneDivider(2000) - 1, 124);
    // A step goes to the next tone the radio can make, and wraps at the ends.
    cmcCellCapsule up = Key(' ');
    std::int32_t tone = 1997;
    EXPECT_TRUE(EditTone(up, context, tone, {.min = 400, .max = 2971}));
    EXPECT_GT(tone, 1997);
    EXPECT_EQ(ToneDivider(ToneDivider(tone)), tone);
    cmcCellCapsule down = Key(8);
    tone = 400;
    EXPECT_TRUE(EditTone(down, context, tone, {.min = 400, .max = 2971}));
    EXPECT_GT(tone, 2900);
    // A range where no candidate gives a new tone ends after its candidates, value kept.
    cmcCellCapsule stuck = Key(' ');
    tone = 249600;
    EditTone(stuck, context, tone, {.min = 249600, .max = 249600});
    EXPECT_EQ(tone, 249600);
}

TEST_F(Editors, TimerCommitsOffAndLimits) {
    const struct {
        const char* text;
        std::int32_t before, scale, min, max;
        bool offAllowed;
        std::int32_t after;
        bool changed;
        const char* shown;
    } cases[] = {
        {"0.1", 60, 1000, 60, 255, false, 100, true, "  0.100"},
        {"0.01", 100, 1000, 60, 255, false, 60, true, "  0.060"},
        {"OFF", 100, 1000, 60, 255, true, 0, true, "OFF"},
        {"off", 100, 1000, 60, 255, true, 0, true, "OFF"},
        {"OFF", 100, 1000, 60, 255, false, 100, false, "  0.100"}, // mended: off only where allowed
        {"nothing", 100, 1000, 60, 255, false, 100, false, "  0.100"},
        {".", 100, 1000, 60, 255, true, 100, false, "  0.100"}, // not off, not the minimum: kept
        {"..", 100, 1000, 60, 255, true, 100, false, "  0.100"},
        {"-.", 100, 1000, 60, 255, true, 100, false, "  0.100"},
        {".07", 100, 1000, 60, 255, true, 70, true, "  0.070"},
        {"99999999999", 100, 1000, 60, 255, false, 255, true, "  0.255"}, // limited before converting
        {"12", 5, 10, 20, 255, false, 120, true, " 12.000"},
    };
    for (const auto& c : cases) {
        context.refusal.clear();
        cmcCellCapsule capsule = Typed(c.text);
        std::int32_t value = c.before;
        EXPECT_EQ(
            EditTimer(
                capsule, context, value, {.scale = c.scale, .min = c.min, .max = c.max, .offAllowed = c.offAllowed}),
            c.changed)
            << c.text;
        EXPECT_EQ(value, c.after) << c.text;
        EXPECT_EQ(capsule.OutText, c.shown) << c.text;
        EXPECT_EQ(context.refusal.empty(), c.changed) << c.text;
    }
    cmcCellCapsule five;
    std::int32_t value = 5;
    EditTimer(five, context, value, {.scale = 1, .min = 1, .max = 125});
    EXPECT_EQ(five.OutText, "  5.000");
}

TEST_F(Editors, TimerKeysStepOneUnitAndWrap) {
    const struct {
        std::int32_t key, before, after, result;
        const char* text;
    } cases[] = {
        {' ', 255, 60, 0, "  0.255"},
        {8, 60, 255, 0, "  0.060"},
        {' ', 0, 60, 0, "  0.000"},
        {13, 100, 100, 2, "0.100"},
        {'o', 100, 100, 2, "o"},
        {'x', 100, 100, 0, "  0.100"},
    };
    for (const auto& c : cases) {
        context.result = kEditorDone;
        cmcCellCapsule capsule = Key(c.key);
        std::int32_t value = c.before;
        EditTimer(capsule, context, value, {.scale = 1000, .min = 60, .max = 255, .offAllowed = true});
        EXPECT_EQ(value, c.after) << c.key;
        EXPECT_EQ(context.result, c.result) << c.key;
        EXPECT_EQ(capsule.OutText, c.text) << c.key;
    }
}

TEST_F(Editors, TextPadsCleansAndTakesCharacters) {
    std::array<std::uint8_t, 3> three{};
    cmcCellCapsule ab = Typed("AB");
    EXPECT_TRUE(EditText(ab, context, three));
    EXPECT_EQ(three, (std::array<std::uint8_t, 3>{'A', 'B', ' '}));
    EXPECT_EQ(ab.OutText, "AB");
    // One non-ASCII character is one space, not one per byte, whatever the length of its sequence.
    const struct {
        std::string typed;
        std::array<std::uint8_t, 3> stored;
    } characters[] = {
        {"\xC3\xA4x", {' ', 'x', ' '}},                           // two bytes
        {std::string("\xE2\x82\xAC") + "AB", {' ', 'A', 'B'}},    // three bytes: the euro sign
        {std::string("\xF0\x9F\x9A\xA4") + "A", {' ', 'A', ' '}}, // four bytes
    };
    for (const auto& c : characters) {
        cmcCellCapsule typed = Typed(c.typed);
        EditText(typed, context, three);
        EXPECT_EQ(three, c.stored) << c.typed;
    }
    // Unprintable bytes show as spaces.
    std::array<std::uint8_t, 3> dirty{'a', 0x01, 0xFF};
    cmcCellCapsule drawn;
    EXPECT_FALSE(EditText(drawn, context, dirty));
    EXPECT_EQ(drawn.OutText, "a");
    // Every printable key opens the editor with itself, the last one ('~') too.
    for (const char typed : {'!', 'Q', '~'}) {
        context.result = kEditorDone;
        cmcCellCapsule key = Key(typed);
        EditText(key, context, dirty);
        EXPECT_EQ(context.result, 2) << typed << " opens the editor";
        EXPECT_EQ(key.OutText, std::string(1, typed));
    }
}

TEST_F(Editors, DigitsStoreExactCountKeepOnWrongCountClearOnEmpty) {
    std::array<std::uint8_t, 5> id{12, 34, 56, 78, 90};
    const std::array<std::uint8_t, 5> old = id;
    // A wrong count keeps the identity; so does a text without digits, which is no request to clear it.
    for (const char* text : {"123456789", "12345678901", "none", "-", "OOOOOOOOOO", " "}) {
        context.refusal.clear();
        cmcCellCapsule wrong = Typed(text);
        EXPECT_FALSE(EditDigits(wrong, context, id, 10)) << text;
        EXPECT_EQ(id, old) << text;
        EXPECT_EQ(context.refusal, "needs 10 digits") << text;
        EXPECT_EQ(wrong.OutText, "1234567890") << text;
    }
    cmcCellCapsule ten = Typed("98-765 43210");
    EXPECT_TRUE(EditDigits(ten, context, id, 10));
    EXPECT_EQ(id, (std::array<std::uint8_t, 5>{98, 76, 54, 32, 10}));
    cmcCellCapsule empty = Typed("");
    EXPECT_TRUE(EditDigits(empty, context, id, 10));
    EXPECT_EQ(id, (std::array<std::uint8_t, 5>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(empty.OutText, "");
}

TEST_F(Editors, SelectionShowsStepsWrapsAndOpensTheList) {
    std::int32_t value = 9;
    cmcCellCapsule drawn;
    EXPECT_FALSE(EditSelection(drawn, context, "L", value));
    EXPECT_EQ(drawn.OutText, "nine");
    const struct {
        std::int32_t key, before, after;
    } steps[] = {{' ', 5, 9}, {' ', 1, 5}, {8, 5, 1}, {' ', 7, 5}}; // 7 is no item: the first
    for (const auto& s : steps) {
        cmcCellCapsule capsule = Key(s.key);
        value = s.before;
        EXPECT_TRUE(EditSelection(capsule, context, "L", value));
        EXPECT_EQ(value, s.after) << s.before;
    }
    cmcCellCapsule enter = Key(13);
    value = 1;
    EXPECT_FALSE(EditSelection(enter, context, "L", value));
    EXPECT_EQ(context.result, 1);
    EXPECT_EQ(commands.calls, std::vector<std::string>{"List L 1:1"});
    value = 4;
    cmcCellCapsule none;
    EditSelection(none, context, "L", value);
    EXPECT_EQ(none.OutText, "");
}

} // namespace
