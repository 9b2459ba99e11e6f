// The channel list and free-channel cells: image bytes in, shown text, warnings and stored bytes out,
// the frequency editor with its raster rule, and the name character sets.

#include "CellDocumentDouble.h"
#include "model/CellKinds.h"
#include "model/ChannelPlan.h"
#include "model/FrequencyEditor.h"
#include "model/ImageWords.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

using celltest::CellBench;
using namespace model;

constexpr std::int32_t CT_IntCh = 2;
constexpr std::int32_t CT_UsaCh = 3;
constexpr std::int32_t CT_CanCh = 4;
constexpr std::int32_t CT_WxCh = 5;
constexpr std::int32_t CT_FreeCh = 6;
constexpr std::int32_t kFreeRecord = 0x390;

void SetFree(cmcEeprom& image, int channel, std::uint16_t rxStep, std::uint16_t txStep, const char* name) {
    SetWord(image, kFreeRecord + 8 * channel, rxStep);
    SetWord(image, kFreeRecord + 8 * channel + 2, txStep);
    for (int i = 0; i < 3; ++i) {
        image.SetByte(kFreeRecord + 8 * channel + 4 + i, static_cast<std::uint8_t>(name[i]));
    }
}

TEST(ChannelCells, ChannelNumbersAndTheNamesOfFreeChannelRows) {
    CellBench bench;
    SetFree(bench.document.image, 16, 21616, 25088, "16A");
    const struct {
        std::int32_t row;
        const char* text;
    } cases[] = {{0, "0  "}, {1, "0A"}, {44, "22  "}, {45, "22A"}, {233, "116A"}, {250, "16A "}, {234, "    "}};
    for (const auto& c : cases) {
        EXPECT_EQ(bench.Draw(112, c.row, CT_IntCh).OutText, c.text) << c.row;
    }
}

// Tag, TX inhibit, Poc and simplex: one bit of the row's attribute byte each, in every plan; the
// factory's own bits of the byte are kept.
TEST(ChannelCells, AttributeColumnsShowAndStoreTheirBits) {
    const struct {
        std::int32_t kind;
        std::uint8_t bit;
    } kinds[] = {{114, kAttrTagged}, {115, kAttrTxInhibit}, {116, kAttrPoc}, {117, kAttrSimplex}};
    for (const auto& [category, plan] :
         {std::pair{CT_IntCh, kPlanInternational}, {CT_UsaCh, kPlanUsa}, {CT_CanCh, kPlanCanada}}) {
        for (const auto& k : kinds) {
            CellBench bench;
            const std::int32_t address = AttributeAddress(plan, 10);
            bench.document.image.SetByte(address,
                                         static_cast<std::uint8_t>(k.bit | kAttrFactoryDsc | kAttrFactoryLowPower));
            EXPECT_EQ(bench.Draw(k.kind, 10, category).OutText, "1") << k.kind;
            bench.Choose(k.kind, 0, 10, category);
            EXPECT_EQ(bench.document.image.GetByte(address), kAttrFactoryDsc | kAttrFactoryLowPower) << k.kind;
            bench.Key(k.kind, ' ', 10, category);
            EXPECT_EQ(bench.document.image.GetByte(address), k.bit | kAttrFactoryDsc | kAttrFactoryLowPower);
            EXPECT_EQ(bench.document.answeredCount, 2);
        }
    }
}

// The simplex bit of a free channel's row belongs to the free channel: it is shown, never chosen.
TEST(ChannelCells, SimplexOfAFreeChannelRowIsOnlyShown) {
    CellBench bench;
    const std::int32_t address = AttributeAddress(kPlanUsa, 250);
    bench.document.image.SetByte(address, kAttrSimplex);
    EXPECT_EQ(bench.Draw(117, 250, CT_UsaCh).OutText, "1");
    bench.Choose(117, 0, 250, CT_UsaCh);
    EXPECT_EQ(bench.document.image.GetByte(address), kAttrSimplex);
    EXPECT_EQ(bench.behaviour.LastRefusal(), "restricted");
}

TEST(ChannelCells, MarksMoveWithTheChosenItemAndAMarkedRowMustNotBeInhibited) {
    CellBench bench;
    auto& image = bench.document.image;
    SetWord(image, kMarkABase, 20); // USA: P on row 20
    SetWord(image, kMarkBBase, 300);
    image.SetByte(AttributeAddress(kPlanUsa, 32), kAttrInhibited | kAttrTagged);
    EXPECT_EQ(bench.Draw(113, 20, CT_UsaCh).OutText, "P");
    EXPECT_EQ(bench.Draw(113, 300, CT_UsaCh).OutText, "C");

    bench.Choose(113, 1, 32, CT_UsaCh);
    EXPECT_EQ(GetWord(image, kMarkABase), 32);
    EXPECT_EQ(image.GetByte(AttributeAddress(kPlanUsa, 32)), kAttrTagged);
    EXPECT_EQ(bench.Draw(113, 20, CT_UsaCh).OutText, "");
    EXPECT_EQ(bench.Draw(113, 32, CT_UsaCh).OutText, "P");
    bench.Choose(113, 2, 32, CT_UsaCh);
    EXPECT_EQ(bench.Draw(113, 32, CT_UsaCh).OutText, "PC");
    EXPECT_EQ(GetWord(image, kMarkBBase + 2), 0); // the International plan's words are its own
    EXPECT_FALSE(bench.Draw(51, 0).Warning());

    // Inhibiting the marked row is allowed but warned about, in the row and in the plan's probe.
    bench.Choose(113, 3, 32, CT_UsaCh);
    EXPECT_EQ(image.GetByte(AttributeAddress(kPlanUsa, 32)), kAttrInhibited | kAttrTagged);
    EXPECT_TRUE(bench.Draw(113, 32, CT_UsaCh).Warning());
    EXPECT_TRUE(bench.Draw(51, 0).Warning());
    EXPECT_FALSE(bench.Draw(50, 0).Warning());
    EXPECT_FALSE(bench.Draw(52, 0).Warning());
    bench.document.TakeEvents();
    bench.Choose(113, 4, 32, CT_UsaCh);
    EXPECT_EQ(bench.document.TakeEvents(), (std::vector<std::string>{"28:0:0:"}));
}

// A mark or inhibit change repaints every cell with a kind (another row loses its mark); a change of
// another attribute repaints its row.
TEST(ChannelCells, MarkChangesRepaintEveryCell) {
    CellBench bench;
    for (const auto& [kind, item, scope] : {std::tuple{113, 1, 0x29}, {113, 3, 0x29}, {114, 1, 0x09}}) {
        cmcCellObj cell;
        cell.SetCategory(CT_IntCh);
        cell.SetKind(kind);
        cell.SetIndex(40);
        cmcCellObj chosen;
        chosen.SetKind(1);
        chosen.SetIndex(item);
        cmcCellCapsule parent;
        parent.Cell = &chosen;
        cmcCellCapsule capsule;
        capsule.Cell = &cell;
        capsule.Parent = &parent;
        capsule.EditState = cmcCellCapsule::kEditChoice;
        bench.behaviour.Answer(capsule, ICellBehaviour::kCommand);
        EXPECT_EQ(capsule.RefreshScope, scope) << kind << " " << item;
    }
}

TEST(ChannelCells, EnterOnTheMarksOpensTheListOfTheView) {
    CellBench bench;
    bench.Key(113, 13, 5, CT_IntCh);
    EXPECT_EQ(bench.lastResult, 1);
    bench.document.usableOnly = true;
    bench.Key(113, 13, 5, CT_IntCh);
    EXPECT_EQ(bench.commands.calls,
              (std::vector<std::string>{"List GI_Sheet_Sel_ChATRAll 1:0", "List GI_Sheet_Sel_ChATRUse 1:0"}));
}

TEST(ChannelCells, WeatherChannelsWarnWhenAllAreInhibited) {
    // The first or the last of the ten rows still allowed: no warning anywhere, then the warning on all.
    for (const std::int32_t allowed : {0, 9}) {
        CellBench bench;
        SetWord(bench.document.image, kWeatherBits, static_cast<std::uint16_t>(0x03FF & ~(1 << allowed)));
        EXPECT_EQ(bench.Draw(118, allowed, CT_WxCh).OutText, "0");
        for (std::int32_t row = 0; row < 10; ++row) {
            EXPECT_FALSE(bench.Draw(118, row, CT_WxCh).Warning()) << "row " << allowed << " allowed, row " << row;
        }
        EXPECT_FALSE(bench.Draw(53, 0).Warning()) << "row " << allowed << " allowed";
        bench.document.TakeEvents();
        bench.Choose(118, 1, allowed, CT_WxCh);
        EXPECT_EQ(GetWord(bench.document.image, kWeatherBits), 0x03FF);
        EXPECT_EQ(bench.document.TakeEvents(), (std::vector<std::string>{"15:0:118:"}));
        for (std::int32_t row = 0; row < 10; ++row) {
            EXPECT_TRUE(bench.Draw(118, row, CT_WxCh).Warning()) << "all inhibited, row " << row;
        }
        EXPECT_TRUE(bench.Draw(53, 0).Warning()) << "all inhibited";
    }
}

TEST(ChannelCells, SnapToRasterRespectsTheTypedPrecision) {
    const struct {
        std::int64_t hz, snapped;
    } cases[] = {
        {156'012'500, 156'012'500},
        {156'010'000, 156'012'500},
        {156'013'000, -1},
        {156'000'000, 156'000'000},
        {156'025'000, 156'025'000},
        {156'006'250, 156'006'250},
        {156'006'000, 156'006'250},
        // The typed precision bounds the snap on both sides: 156.0062 reaches up to 156.00629, 156.00624
        // only to 156.006249, short of the raster.
        {156'006'200, 156'006'250},
        {156'006'240, -1},
        {199'987'500, 199'987'500},
        {100'000'000, 100'000'000},
        {156'800'000, 156'800'000},
        {156'001'000, -1},
        {156'010'001, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SnapToRaster(c.hz), c.snapped) << c.hz << " Hz snaps to";
    }
}

// Committed frequencies: stored codes, shown text, and refusals that keep the old value.
TEST(ChannelCells, FrequencyCommitsStoreRasterCodes) {
    const struct {
        std::int32_t kind;
        const char* typed;
        std::uint16_t code; // 0: refused, the old code 21616 (or 25088) stays
        const char* shown;
        const char* refusal;
    } cases[] = {
        {119, "156.050", 21496, "156.05000", ""},
        {120, "156.050", 24968, "156.05000", ""},
        {119, "99", 12528, "100.00000", ""},
        {119, "200", 28526, "199.98750", ""},
        {119, "156.01", 21490, "156.01250", ""},
        {119, " 161.600 MHz", 22384, "161.60000", ""},
        {119, "156.013", 0, "156.80000", "off raster"},
        {119, "156.00624", 0, "156.80000", "off raster"},
        {119, "156.0062", 21489, "156.00625", ""},
        {120, "MHz", 0, "", "no number"},
        {119, "..", 0, "156.80000", "no number"},
        {119, "..5", 0, "156.80000", "no number"},
    };
    for (const auto& c : cases) {
        CellBench bench;
        SetFree(bench.document.image, 5, 21616, 24968, "ABC"); // 156.800 / 156.050
        bench.Commit(c.kind, c.typed, 5, CT_FreeCh);
        EXPECT_EQ(bench.behaviour.LastRefusal(), c.refusal) << c.typed;
        const std::int32_t at = kFreeRecord + 8 * 5 + (c.kind == 120 ? 2 : 0);
        const std::uint16_t old = c.kind == 120 ? 24968 : 21616;
        EXPECT_EQ(GetWord(bench.document.image, at), c.code ? c.code : old) << c.typed;
        if (*c.shown != 0) {
            EXPECT_EQ(bench.Draw(c.kind, 5, CT_FreeCh).OutText, c.shown) << c.typed;
        }
    }
}

TEST(ChannelCells, TransmitFollowsAnEqualReceiveFrequencyAndShowsAnArrow) {
    CellBench bench;
    auto& image = bench.document.image;
    SetFree(image, 0, 21616, 25088, "ABC"); // 156.800 both: simplex
    EXPECT_EQ(bench.Draw(120, 0, CT_FreeCh).OutText, "<-");
    bench.Commit(119, "156.050", 0, CT_FreeCh);
    EXPECT_EQ(GetWord(image, kFreeRecord + 2), 24968);
    EXPECT_EQ(bench.Draw(120, 0, CT_FreeCh).OutText, "<-");
    EXPECT_EQ(image.GetByte(0x0EA), kAttrSimplex);
    // Once they differ, the transmit frequency stays where it is.
    bench.Commit(120, "160.650", 0, CT_FreeCh);
    EXPECT_EQ(bench.Draw(120, 0, CT_FreeCh).OutText, "160.65000");
    EXPECT_EQ(image.GetByte(0x0EA), 0);
    bench.Commit(119, "157.000", 0, CT_FreeCh);
    EXPECT_EQ(bench.Draw(120, 0, CT_FreeCh).OutText, "160.65000");
}

TEST(ChannelCells, FrequencyKeysOpenTheEditor) {
    CellBench bench;
    SetFree(bench.document.image, 1, 21616, 24968, "ABC");
    const struct {
        std::int32_t kind, key;
        const char* text;
        std::int32_t selStart, selLength;
    } cases[] = {
        {119, '.', "156.80000", 4, 0},
        {119, '1', "1", 1, 0},
        {119, 13, "156.80000", 0, 9},
        {120, '=', "156.80000", 0, 9},
        {120, 13, "156.05000", 0, 9},
    };
    for (const auto& c : cases) {
        const cmcCellCapsule answer = bench.Key(c.kind, c.key, 1, CT_FreeCh);
        EXPECT_EQ(bench.lastResult, 2) << c.key;
        EXPECT_EQ(answer.OutText, c.text) << c.key;
        EXPECT_EQ(answer.SelStart, c.selStart) << c.key;
        EXPECT_EQ(answer.SelLength, c.selLength) << c.key;
    }
    // '=' copies the receive frequency into the transmit cell only; the receive cell has nothing to copy.
    for (const std::int32_t key : {'x', '='}) {
        bench.Key(119, key, 1, CT_FreeCh);
        EXPECT_EQ(bench.lastResult, 0) << static_cast<char>(key) << " in the receive cell opens no editor";
    }
}

// An empty free channel shows nothing; its other cells send keys to its receive frequency first.
TEST(ChannelCells, EmptyFreeChannel) {
    CellBench bench;
    EXPECT_EQ(bench.Draw(119, 3, CT_FreeCh).OutText, "");
    EXPECT_EQ(bench.Draw(120, 3, CT_FreeCh).OutText, "");
    const cmcCellCapsule key = bench.Key(121, 'A', 3, CT_FreeCh);
    EXPECT_EQ(key.JumpKind, 119);
    EXPECT_EQ(key.ReplayCommand, 'A');
    // Both frequency cells take their keys themselves.
    for (const std::int32_t kind : {119, 120}) {
        const cmcCellCapsule own = bench.Key(kind, '1', 3, CT_FreeCh);
        EXPECT_EQ(own.JumpTo, 0) << KindName(kind) << " answers its key without a jump";
        EXPECT_EQ(bench.lastResult, 2) << KindName(kind);
        EXPECT_EQ(own.OutText, "1") << KindName(kind);
    }
    bench.Commit(119, "156.800", 3, CT_FreeCh);
    EXPECT_EQ(bench.Draw(119, 3, CT_FreeCh).OutText, "156.80000");
    EXPECT_EQ(bench.Draw(120, 3, CT_FreeCh).OutText, ""); // the transmit side is still to be given
}

TEST(ChannelCells, NamesKeepTheCharactersTheRadioShows) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"abc", "ab "},
        {"BBB", "bbb"},
        {"aaa", "aaA"},
        {"xyz", " y "},
        {"16A", "16A"},
        {"k-=", " - "},
        {"Hi", "Hi "},
        {"\x7F"
         "1b",
         " 1b"},
    };
    for (const auto& c : cases) {
        CellBench bench;
        SetFree(bench.document.image, 2, 21616, 25088, "   ");
        bench.Commit(121, c.typed, 2, CT_FreeCh);
        std::string stored;
        for (int i = 0; i < 3; ++i) {
            stored += static_cast<char>(bench.document.image.GetByte(kFreeRecord + 8 * 2 + 4 + i));
        }
        EXPECT_EQ(stored, c.stored) << c.typed;
    }
}

} // namespace
