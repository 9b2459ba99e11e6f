// The settings memory map: for each kind family, image bytes in and shown text, grey and stored bytes
// out, with the mended rules (showing never writes; settings the merge takes from the factory data are
// refused with a reason).

#include "CellDocumentDouble.h"
#include "model/CellKinds.h"
#include "model/ImageWords.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace {

using celltest::CellBench;

struct Byte {
    std::int32_t address;
    std::uint8_t value;
};

TEST(SettingsCells, BitSettingsShowStepAndChooseTheirBits) {
    const struct {
        std::int32_t kind, address;
        std::uint8_t mask;
    } cases[] = {
        {123, 0x636, 0x04}, {124, 0x64C, 0x04}, {125, 0x636, 0x08}, {126, 0x64C, 0x08}, {127, 0x636, 0x10},
        {128, 0x64C, 0x02}, {131, 0x637, 0x04}, {132, 0x64D, 0x08}, {133, 0x636, 0x01}, {134, 0x64C, 0x01},
        {135, 0x636, 0x20}, {136, 0x64D, 0x80}, {137, 0x637, 0x02}, {139, 0x64D, 0x40}, {140, 0x636, 0x80},
        {141, 0x64D, 0x20}, {142, 0x637, 0x01}, {143, 0x64D, 0x10}, {213, 0x648, 0x01}, {214, 0x648, 0x04},
        {219, 0x648, 0x10}, {220, 0x649, 0x80}, {221, 0x649, 0x20}, {222, 0x649, 0x01}, {223, 0x649, 0x40},
        {224, 0x648, 0x08}, {225, 0x648, 0x20}, {226, 0x649, 0x10}, {227, 0x649, 0x08}, {228, 0x649, 0x04},
        {229, 0x64D, 0x04}, {232, 0x648, 0x80}, {233, 0x648, 0x40}, {234, 0x649, 0x02},
    };
    for (const auto& c : cases) {
        CellBench bench;
        auto& image = bench.document.image;
        image.SetByte(c.address, static_cast<std::uint8_t>(~c.mask));
        EXPECT_EQ(bench.Draw(c.kind).OutText, "0") << c.kind;
        bench.Key(c.kind, ' ');
        EXPECT_EQ(image.GetByte(c.address), 0xFF) << c.kind;
        EXPECT_EQ(bench.Draw(c.kind).OutText, "1") << c.kind;
        bench.Choose(c.kind, 0);
        EXPECT_EQ(image.GetByte(c.address), static_cast<std::uint8_t>(~c.mask)) << c.kind;
        EXPECT_EQ(bench.document.answeredCount, 2) << c.kind;
    }
}

TEST(SettingsCells, WholeByteSettings) {
    for (const auto& [kind, address] : {std::pair{122, 0x638}, {210, 0x6D3}, {212, 0x6D4}}) {
        CellBench bench;
        bench.document.image.SetByte(address, 1);
        EXPECT_EQ(bench.Draw(kind).OutText, "1");
        bench.Choose(kind, 0);
        EXPECT_EQ(bench.document.image.GetByte(address), 0);
    }
}

TEST(SettingsCells, GreyWhileTheFunctionIsMissingButStillEditable) {
    const struct {
        std::int32_t kind;
        Byte enable;
    } cases[] = {
        {123, {0x648, 0x10}},
        {128, {0x648, 0x10}},
        {129, {0x648, 0x02}},
        {131, {0x649, 0xA0}},
        {138, {0x649, 0x04}},
        {139, {0x649, 0x10}},
        {146, {0x648, 0x01}},
        {147, {0x648, 0x04}},
    };
    for (const auto& c : cases) {
        CellBench bench;
        bench.document.modelType = c.kind == 129 ? 0 : 1; // the weather alert is fixed for the others
        EXPECT_EQ(bench.Draw(c.kind).TextColor, model::kColourSilver) << c.kind;
        bench.document.image.SetByte(c.enable.address, c.enable.value);
        EXPECT_EQ(bench.Draw(c.kind).TextColor, cmcCellCapsule::kDefaultTextColor) << c.kind;
    }
    // Both watch functions are needed for the dual/tri setting.
    CellBench bench;
    bench.document.image.SetByte(0x649, 0x80);
    EXPECT_EQ(bench.Draw(131).TextColor, model::kColourSilver);
    // Scan cells in silver still change their bits.
    bench.Key(123, ' ');
    EXPECT_EQ(bench.document.image.GetByte(0x636), 0x04);
}

// Every setting of the common, ATIS and expansion sheets over the bits of 0x648 and 0x649 that decide
// its grey: each bit alone set and alone clear, all and none, for both bytes at once. A rule on the
// wrong byte, bit or combination, or a rule where none belongs, shows in some combination.
TEST(SettingsCells, EachGreyRuleFollowsExactlyItsDecidingBits) {
    struct Rule {
        std::int32_t address;
        std::uint8_t mask; // 0: never grey
        bool all;          // grey unless every bit of the mask is set; otherwise unless any is
    };
    constexpr Rule kNever{0, 0, false};
    constexpr Rule kScan{0x648, 0x10, false};
    constexpr Rule kWeather{0x648, 0x02, false};
    constexpr Rule kDualTri{0x649, 0xA0, true};
    constexpr Rule kPowerSave{0x649, 0x1C, false};
    const std::pair<Rule, std::vector<std::int32_t>> rules[] = {
        {kScan, {123, 124, 125, 126, 127, 128}},
        {kWeather, {129, 130}},
        {kDualTri, {131, 132}},
        {kPowerSave, {138, 139}},
        {{0x648, 0x01, false}, {146}},
        {{0x648, 0x04, false}, {147}},
        {kNever, {122, 133, 134, 135, 136, 137, 140, 141, 142, 143, 145, 148, 210, 212, 213, 214,
                  215, 219, 220, 221, 222, 223, 224, 225, 226, 227, 228, 229, 232, 233, 234}},
    };
    std::vector<std::uint8_t> values{0x00, 0xFF};
    for (int bit = 0; bit < 8; ++bit) {
        values.push_back(static_cast<std::uint8_t>(1 << bit));
        values.push_back(static_cast<std::uint8_t>(~(1 << bit)));
    }
    for (const auto& [rule, kinds] : rules) {
        for (const std::int32_t kind : kinds) {
            CellBench bench;
            // A model type that may change the setting: a fixed one is drawn as a cell that cannot change.
            bench.document.modelType = kind == 129 || kind == 130 || kind == 215 ? 0 : 1;
            int wrong = 0;
            std::string first;
            for (const std::uint8_t plans : values) {
                for (const std::uint8_t functions : values) {
                    bench.document.image.SetByte(0x648, plans);
                    bench.document.image.SetByte(0x649, functions);
                    const std::uint8_t bits = (rule.address == 0x648 ? plans : functions) & rule.mask;
                    const bool grey = rule.mask != 0 && (rule.all ? bits != rule.mask : bits == 0);
                    const bool silver = bench.Draw(kind).TextColor == model::kColourSilver;
                    if (silver != grey && wrong++ == 0) {
                        std::ostringstream said;
                        said << std::hex << "0x648=0x" << int{plans} << " 0x649=0x" << int{functions} << ": "
                             << (silver ? "silver" : "not silver");
                        first = said.str();
                    }
                }
            }
            EXPECT_EQ(wrong, 0) << model::KindName(kind) << " is grey against its rule in " << wrong
                                << " combinations, first " << first;
        }
    }
}

TEST(SettingsCells, PowerSaveHasThreeStatesWithTheContinuation) {
    CellBench bench;
    auto& image = bench.document.image;
    image.SetByte(0x64D, 0x04);
    image.SetByte(0x636, 0x40);
    EXPECT_EQ(bench.Draw(138).OutText, "1");
    bench.Choose(138, 2);
    EXPECT_EQ(image.GetByte(0x636), 0x40);
    EXPECT_EQ(image.GetByte(0x637), 0x08);
    EXPECT_EQ(bench.Draw(138).OutText, "2");
    // Item 1 keeps the power save on and takes the continuation away.
    bench.Choose(138, 1);
    EXPECT_EQ(image.GetByte(0x636), 0x40) << "item 1 sets 0x636 bit 6";
    EXPECT_EQ(image.GetByte(0x637), 0x00) << "item 1 clears 0x637 bit 3";
    EXPECT_EQ(bench.Draw(138).OutText, "1");
    bench.Choose(138, 0);
    EXPECT_EQ(image.GetByte(0x636), 0x00);
    EXPECT_EQ(image.GetByte(0x637), 0x00);
    // Without the continuation: on or off from 0x636 bit 6 alone.
    bench.Choose(138, 2);
    bench.Choose(229, 0);
    EXPECT_EQ(image.GetByte(0x637), 0x00); // the third state went with its function
    EXPECT_EQ(bench.Draw(138).OutText, "1");
}

TEST(SettingsCells, AtisIdentityWithItsCheckByte) {
    CellBench bench;
    auto& image = bench.document.image;
    bench.Commit(144, "1234567890");
    const std::uint8_t expected[] = {12, 34, 56, 78, 90, 0xF1};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(image.GetByte(0x680 + i), expected[i]) << i;
    }
    EXPECT_EQ(bench.Draw(144).OutText, "1234567890");
    // A wrong number of digits, or letters without any, keep the identity and its check byte and say why.
    for (const char* typed : {"123", "12345678901", "none", "-", "OOOOOOOOOO"}) {
        bench.Commit(144, typed);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(image.GetByte(0x680 + i), expected[i]) << typed << " " << i;
        }
        EXPECT_EQ(bench.behaviour.LastRefusal(), "needs 10 digits") << typed;
    }
    // An empty commit clears it to "not set".
    bench.Commit(144, "");
    EXPECT_EQ(image.GetByte(0x685), 0xFF);
    EXPECT_EQ(bench.Draw(144).OutText, "not set");
    EXPECT_EQ(bench.Key(144, 13).OutText, ""); // the editor opens empty
    // Showing an identity whose check byte is wrong leaves it to the user.
    image.SetByte(0x680, 11);
    image.SetByte(0x685, 0);
    const cmcEeprom before = image;
    bench.Draw(144);
    bench.Key(144, 13);
    EXPECT_FALSE(image.Differs(before));
}

TEST(SettingsCells, CloneCommentIsShownCleanAndStoredOnlyWhenCommitted) {
    CellBench bench;
    auto& image = bench.document.image;
    image.SetByte(0x610, 'O');
    image.SetByte(0x611, 0x07);
    image.SetByte(0x612, 'K');
    EXPECT_EQ(bench.Draw(200).OutText, "O K");
    EXPECT_EQ(image.GetByte(0x611), 0x07); // showing does not write
    bench.Commit(200, "Sea Breeze 2\xE2\x82\xAC");
    EXPECT_EQ(bench.Draw(200).OutText, "Sea Breeze 2");
    EXPECT_EQ(image.GetByte(0x610 + 12), ' ');
    EXPECT_EQ(image.GetByte(0x61F), ' ');
}

TEST(SettingsCells, BeepTonesRoundTripThroughTheirDividers) {
    const std::pair<std::int32_t, std::int32_t> tones[] = {{201, 0x670},
                                                           {202, 0x672},
                                                           {203, 0x674},
                                                           {204, 0x676},
                                                           {205, 0x678},
                                                           {206, 0x66E},
                                                           {207, 0x67E},
                                                           {208, 0x67A},
                                                           {209, 0x67C}};
    for (const auto& [kind, address] : tones) {
        CellBench bench;
        model::SetWord(bench.document.image, address, 124);
        EXPECT_EQ(bench.Draw(kind).OutText, "1997") << kind;
        bench.Commit(kind, "2000");
        EXPECT_EQ(model::GetWord(bench.document.image, address), 124) << kind;
        bench.Commit(kind, "400");
        EXPECT_EQ(model::GetWord(bench.document.image, address), 623) << kind;
        EXPECT_EQ(bench.Draw(kind).OutText, "400") << kind;
    }
}

TEST(SettingsCells, TimersShowTheScaledValueAndStoreOnlyOnEdits) {
    const struct {
        std::int32_t kind;
        Byte low, high;
        const char* shown;
        const char* typed;
        std::uint16_t stored;
        bool word;
        std::int32_t address;
    } cases[] = {
        {230, {0x650, 123}, {0x651, 0}, "  1.200", "2.5", 250, true, 0x650}, // the table, not the edge case
        {231, {0x652, 0x2C}, {0x653, 0x01}, "  3.000", "off", 0, true, 0x652},
        {211, {0x6D2, 100}, {0x6D3, 0}, "  0.100", "0.2", 200, false, 0x6D2},
        {241, {0x65E, 60}, {0x65F, 0}, "  0.060", "1", 200, false, 0x65E},
        {242, {0x662, 0xE8}, {0x663, 0x03}, "  1.000", "1.2", 1200, true, 0x662},
        {242, {0x662, 0xE8}, {0x663, 0x03}, "  1.000", "1.15", 1150, true, 0x662}, // 1.15 x 100 is 114.99...
        {243, {0x664, 5}, {0x665, 0}, "  5.000", "200", 125, true, 0x664},
        {244, {0x658, 0}, {0x659, 0}, "OFF", "2", 2000, true, 0x658},
        {245, {0x654, 10}, {0x655, 0}, "  0.010", "0", 10, true, 0x654},
        {246, {0x656, 10}, {0x657, 0}, "  0.010", "OFF", 0, true, 0x656},
        {238, {0x660, 5}, {0x661, 0}, "  0.005", "0.25", 250, false, 0x660},
        {239, {0x661, 5}, {0x662, 0}, "  0.005", "0.001", 1, false, 0x661},
        {240, {0x65F, 5}, {0x660, 0}, "  0.005", "9", 255, false, 0x65F},
    };
    for (const auto& c : cases) {
        CellBench bench;
        auto& image = bench.document.image;
        image.SetByte(c.low.address, c.low.value);
        image.SetByte(c.high.address, c.high.value);
        const cmcEeprom before = image;
        EXPECT_EQ(bench.Draw(c.kind).OutText, c.shown) << c.kind;
        EXPECT_FALSE(image.Differs(before)) << c.kind; // mended: showing never writes
        bench.Commit(c.kind, c.typed);
        const std::uint16_t stored = c.word ? model::GetWord(image, c.address) : image.GetByte(c.address);
        EXPECT_EQ(stored, c.stored) << model::KindName(c.kind) << " stores " << c.typed;
    }
}

// The timer table, row by row: where the value lies, how it is scaled, its limits and whether it can be
// off. Typing below the minimum stores the minimum, above the maximum the maximum, and OFF stores 0
// where off is allowed and is refused elsewhere; the byte after the value is never touched.
struct TimerRow {
    std::int32_t kind, address;
    bool word;
    std::int32_t divisor, min, max;
    bool offAllowed;
};

void PrintTo(const TimerRow& row, std::ostream* out) {
    *out << model::KindName(row.kind);
}

class TimerLimits : public testing::TestWithParam<TimerRow> {};

TEST_P(TimerLimits, MinimumMaximumAndOff) {
    const TimerRow& row = GetParam();
    CellBench bench;
    auto& image = bench.document.image;
    const auto stored = [&] { return row.word ? model::GetWord(image, row.address) : image.GetByte(row.address); };
    const std::int32_t after = row.address + (row.word ? 2 : 1);
    image.SetByte(after, 0xA5);
    const auto start = static_cast<std::uint16_t>((row.min + 1) * row.divisor);
    row.word ? model::SetWord(image, row.address, start) : image.SetByte(row.address, static_cast<std::uint8_t>(start));

    bench.Commit(row.kind, "0");
    EXPECT_EQ(stored(), row.min * row.divisor) << "0 stores the minimum";
    bench.Commit(row.kind, "99999");
    EXPECT_EQ(stored(), row.max * row.divisor) << "99999 stores the maximum";
    EXPECT_EQ(image.GetByte(after), 0xA5) << "the byte after the value";
    bench.Commit(row.kind, "OFF");
    if (row.offAllowed) {
        EXPECT_EQ(stored(), 0) << "OFF stores 0";
        EXPECT_EQ(bench.Draw(row.kind).OutText, "OFF");
    } else {
        EXPECT_EQ(stored(), row.max * row.divisor) << "OFF is refused and keeps the value";
        EXPECT_EQ(bench.behaviour.LastRefusal(), "no off");
    }
}

INSTANTIATE_TEST_SUITE_P(SettingsCells,
                         TimerLimits,
                         testing::Values(TimerRow{211, 0x6D2, false, 1, 60, 255, false},
                                         TimerRow{230, 0x650, true, 10, 20, 255, false},
                                         TimerRow{231, 0x652, true, 100, 0, 255, true},
                                         TimerRow{238, 0x660, false, 1, 0, 255, false},
                                         TimerRow{239, 0x661, false, 1, 0, 255, false},
                                         TimerRow{240, 0x65F, false, 1, 0, 255, false},
                                         TimerRow{241, 0x65E, false, 1, 60, 200, false},
                                         TimerRow{242, 0x662, true, 10, 80, 150, true},
                                         TimerRow{243, 0x664, true, 1, 1, 125, false},
                                         TimerRow{244, 0x658, true, 10, 1, 255, true},
                                         TimerRow{245, 0x654, true, 10, 1, 255, true},
                                         TimerRow{246, 0x656, true, 10, 1, 255, true}),
                         [](const testing::TestParamInfo<TimerRow>& row) {
                             return std::string(model::KindName(row.param.kind));
                         });

TEST(SettingsCells, TimerRefusalsKeepTheValue) {
    CellBench bench;
    bench.document.image.SetByte(0x6D2, 100);
    bench.Commit(211, "off"); // off is not allowed for the volume timer
    EXPECT_EQ(bench.document.image.GetByte(0x6D2), 100);
    EXPECT_EQ(bench.behaviour.LastRefusal(), "no off");
    for (const char* typed : {"soon", ".", "..", "-."}) {
        bench.Commit(211, typed);
        EXPECT_EQ(bench.document.image.GetByte(0x6D2), 100) << typed;
        EXPECT_EQ(bench.behaviour.LastRefusal(), "no number") << typed;
    }
}

TEST(SettingsCells, NumericFactorySettings) {
    CellBench bench;
    auto& image = bench.document.image;
    bench.Commit(235, "300");
    EXPECT_EQ(image.GetByte(0x687), 255);
    bench.Commit(236, "17");
    EXPECT_EQ(image.GetByte(0x688), 17);
    bench.Commit(247, "0");
    EXPECT_EQ(image.GetByte(0x6D1), 1);
    model::SetWord(image, 0x65A, 1200);
    EXPECT_EQ(bench.Draw(237).OutText, "1200"); // no clamp when shown
    bench.Commit(237, "1000");
    EXPECT_EQ(model::GetWord(image, 0x65A), 999);
    bench.Key(237, ' ');
    EXPECT_EQ(model::GetWord(image, 0x65A), 0);
}

TEST(SettingsCells, AdjustmentCopiesAreShownSignedAndReadOnly) {
    CellBench bench;
    bench.document.adjustments = {0xF0, 0x10, 0x80, 0x7F, 0x00, 0xF0};
    const char* const shown[] = {"-10", "  10", "-80", "  7F", "  00", "  F0"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(bench.Draw(248 + i).OutText, shown[i]) << i;
    }
    bench.document.image.SetByte(0x7F0, 0x33); // the image's byte is not what the cell shows
    EXPECT_EQ(bench.Draw(248).OutText, "-10");
    const cmcCellCapsule key = bench.Key(248, '5');
    EXPECT_EQ(key.TextColor, model::kColourOlive);
    EXPECT_EQ(bench.behaviour.LastRefusal(), "restricted");
}

TEST(SettingsCells, SettingsTheMergeFixesAreRefusedWithTheReason) {
    const struct {
        std::int32_t kind;
        int modelType;
        Byte byte;
        const char* list;
    } cases[] = {
        {129, 1, {0x636, 0x02}, "GI_Sheet_Sel_Misc_OnOff"},
        {130, 4, {0x64C, 0x10}, "GI_Sheet_Sel_Misc_Appear"},
        {215, 2, {0x648, 0x02}, "GI_Sheet_Sel_Misc_OnOff"},
        {145, 0, {0x64E, 0x02}, "GI_Sheet_Sel_Misc_Able"},
        {146, 0, {0x64E, 0x01}, "GI_Sheet_Sel_Misc_Able"},
        {147, 0, {0x64E, 0x04}, "GI_Sheet_Sel_Misc_Able"},
        {148, 0, {0x64E, 0x08}, "GI_Sheet_Sel_Misc_Accept"},
    };
    for (const auto& c : cases) {
        CellBench bench;
        bench.document.modelType = c.modelType;
        auto& image = bench.document.image;
        image.SetByte(c.byte.address, c.byte.value);
        EXPECT_EQ(bench.Draw(c.kind).OutText, "1") << c.kind;
        EXPECT_EQ(bench.Draw(c.kind).TextColor, model::kColourOlive) << c.kind;
        bench.Key(c.kind, ' ');
        bench.Choose(c.kind, 0);
        EXPECT_EQ(image.GetByte(c.byte.address), c.byte.value) << c.kind;
        EXPECT_EQ(bench.behaviour.LastRefusal(), "fixed for M" + std::to_string(c.modelType)) << c.kind;
        // Choosing the value it has is no change, not a refusal: what was read can be set again.
        bench.Choose(c.kind, 1);
        EXPECT_EQ(image.GetByte(c.byte.address), c.byte.value) << c.kind;
        EXPECT_EQ(bench.behaviour.LastRefusal(), "") << c.kind;
        // Enter opens no list, but names it for a caller without a window.
        bench.Key(c.kind, 13);
        EXPECT_EQ(bench.commands.calls.back(), "RefusedList " + std::string(c.list) + " 1") << c.kind;
        // The other model types may change it.
        bench.document.modelType = c.modelType == 0 ? 1 : 0;
        bench.Choose(c.kind, 0);
        EXPECT_EQ(image.GetByte(c.byte.address), 0) << c.kind;
    }
}

TEST(SettingsCells, DisplayOfChannelListsSplitsOverTwoBytes) {
    const struct {
        std::int32_t kind;
        std::uint8_t bit;
    } cases[] = {{216, 0x02}, {217, 0x01}, {218, 0x04}};
    for (const auto& c : cases) {
        CellBench bench;
        auto& image = bench.document.image;
        image.SetByte(0x64A, c.bit);
        EXPECT_EQ(bench.Draw(c.kind).OutText, "2") << c.kind;
        bench.Choose(c.kind, 1);
        EXPECT_EQ(image.GetByte(0x64A), 0) << c.kind;
        EXPECT_EQ(image.GetByte(0x64B), c.bit) << c.kind;
        // The USA variant keeps the factory's half.
        bench.document.modelType = 0;
        bench.Choose(c.kind, 3);
        EXPECT_EQ(image.GetByte(0x64A), 0) << c.kind;
        EXPECT_FALSE(bench.behaviour.LastRefusal().empty()) << c.kind;
        bench.Choose(c.kind, 0);
        EXPECT_EQ(image.GetByte(0x64B), 0) << c.kind;
    }
}

// The plans the radio has decide the tree's channel sheets: each change of one sends event 27.
TEST(SettingsCells, FunctionListsSendImageChanged) {
    for (const std::int32_t kind : {213, 214, 215}) {
        CellBench bench;
        bench.document.modelType = 0; // every variant but the USA one takes the weather plan from the factory
        bench.document.TakeEvents();
        bench.Key(kind, ' ');
        bool changed = false;
        for (const auto& event : bench.document.TakeEvents()) {
            changed = changed || event.starts_with("27:");
        }
        EXPECT_TRUE(changed) << model::KindName(kind) << " sends event 27";
    }
}

} // namespace
