// Every sheet, tree, menu, tool bar and list the shipped overlay defines is parsed and laid out here, so
// that no definition error can reach a user. A definition error ends this test's process with its
// fault message, as it would end the program.

#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"
#include "overlay/cmcHash2.h"
#include "platform/FontMetrics.h"
#include "sheets/CellListReader.h"
#include "sheets/ChannelSheetLayout.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <set>

namespace {

const std::string kOverlayPath = std::string(VQN58_BIN_DIR) + "/VQN58.OVL";

bool EndsWith(const std::string& text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The keys of the overlay's sections, up to the End_Of_Ovl header.
std::vector<std::string> SectionKeys() {
    const std::string text = testsupport::ReadFileBytes(kOverlayPath);
    std::vector<std::string> keys;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() >= 2 && line[0] == '#') {
            keys.push_back(line.substr(1));
            if (keys.back() == "End_Of_Ovl") {
                break;
            }
        }
        start = end + 1;
    }
    return keys;
}

std::vector<std::string> KeysEndingWith(std::string_view suffix) {
    std::vector<std::string> names;
    for (const auto& key : SectionKeys()) {
        if (EndsWith(key, suffix)) {
            names.push_back(key.substr(0, key.size() - suffix.size()));
        }
    }
    return names;
}

// Model states every sheet must lay out under: the plain view, the usable-only view with every other
// channel usable, and the European variant with every option bit.
std::vector<ChannelSheetState> States() {
    ChannelSheetState usable;
    usable.usableOnly = true;
    usable.isUsable = [](int, int channel) { return channel % 2 == 0; };
    ChannelSheetState european;
    european.modelVariant = 1;
    european.optionBits = 0xFF;
    return {ChannelSheetState{}, usable, european};
}

class ShippedOverlay : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(testsupport::ReadFileBytes(kOverlayPath).empty()) << kOverlayPath;
        gtex.SetSourceFile(kOverlayPath);
    }

    // Everything a cell refers to by key must exist: its pop-up menu and the sheet it calls.
    void CheckReferences(const cmcCellObj& cell) {
        if (const std::string_view menu = cell.EffectivePopupMenu(); !menu.empty()) {
            source.GetLine(std::string(menu) + "_Body", 0);
        }
        if (cell.Kind() == 49 && cell.Argument()) { // CallSheet
            source.GetLine(*cell.Argument() + "_Cells", 0);
        }
    }

    cmcGTex gtex;
    GTexDefinitionSource source{gtex};
    platform::FixedFontMetrics metrics;
};

TEST_F(ShippedOverlay, EverySheetLaysOut) {
    const auto sheets = KeysEndingWith("_Cells");
    EXPECT_FALSE(sheets.empty());
    for (const auto& name : sheets) {
        for (const auto& state : States()) {
            for (const bool printing : {false, true}) {
                SCOPED_TRACE(name);
                ChannelSheetLayout layout(source, name, metrics, state);
                layout.SetForPrinting(printing);
                layout.Build();
                EXPECT_GT(layout.RowCount(), 0);
                for (std::int32_t row = 0; row < layout.RowCount(); ++row) {
                    for (std::int32_t column = 0; column < layout.ColumnCount(); ++column) {
                        CheckReferences(layout.Slot(column, row).Cell());
                    }
                }
            }
        }
    }
}

TEST_F(ShippedOverlay, EveryListSectionParses) {
    const auto lists = KeysEndingWith("_Body");
    ASSERT_FALSE(lists.empty()) << "no list section found in the shipped overlay";
    int cells = 0;
    for (const auto& name : lists) {
        SCOPED_TRACE(name);
        const std::string key = name + "_Body";
        for (int line = 0;; ++line) {
            const std::string text = source.GetLine(key, line);
            if (!text.empty() && text.front() == '#') {
                break;
            }
            for (std::string_view rest = text; !rest.empty();) {
                cmcCellObj cell;
                rest = cell.Parse(rest, nullptr, nullptr, source);
                CheckReferences(cell);
                ++cells;
            }
        }
    }
    EXPECT_GT(cells, 0) << "the list sections hold no cell";
}

// Selection lists: every item (kind Flex0) stands for a value of its own and has a text to show.
TEST_F(ShippedOverlay, SelectionListsHaveDistinctItems) {
    cmcHash2 registry(source, CellListReader(source));
    int lists = 0;
    for (const auto& name : KeysEndingWith("_Cells")) {
        if (name.rfind("GI_Sheet_Sel_", 0) != 0) {
            continue;
        }
        SCOPED_TRACE(name);
        ++lists;
        registry.BuildCellTable(name, 1);
        const auto& items = registry.Find(name, 1)->byNumber;
        EXPECT_FALSE(items.empty());
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_FALSE(items[i].name.empty()) << items[i].number;
            EXPECT_TRUE(i == 0 || items[i - 1].number != items[i].number) << items[i].number;
        }
    }
    EXPECT_GT(lists, 0);
}

TEST_F(ShippedOverlay, ChannelPlanSheetsShowEveryChannel) {
    const ChannelSheetState state;
    for (const char* name : {"GI_Sheet_IntCh", "GI_Sheet_UsaCh", "GI_Sheet_CanCh"}) {
        SCOPED_TRACE(name);
        ChannelSheetLayout layout(source, name, metrics, state);
        layout.Build();
        ASSERT_EQ(layout.RowCount(), 1 + 304);
        ASSERT_EQ(layout.ColumnCount(), 8);
        std::set<std::int32_t> kinds;
        for (std::int32_t column = 0; column < 8; ++column) {
            kinds.insert(layout.Slot(column, 304).Cell().Kind());
            EXPECT_EQ(layout.Slot(column, 304).Cell().Index(), 303);
        }
        // The row number, the channel number, the marks and the four channel attributes.
        for (const std::int32_t kind : {78, 112, 113, 114, 115, 116, 117}) {
            EXPECT_EQ(kinds.count(kind), 1U) << kind;
        }
        EXPECT_EQ(layout.FirstSelectableRow(), 1);
        EXPECT_TRUE(layout.Slot(1, 1).MultiSelectable());
        EXPECT_FALSE(layout.Slot(1, 0).MultiSelectable());
    }
}

// The selection lists and texts the setting cells name: each list has an item for every value it must
// show, numbered from 0, and each text is there.
TEST_F(ShippedOverlay, SettingListsAndTextsExist) {
    cmcHash2 registry(source, CellListReader(source));
    const std::pair<const char*, std::int32_t> lists[] = {
        {"GI_Sheet_Sel_Beep", 2},           {"GI_Sheet_Sel_ScanF", 2},          {"GI_Sheet_Sel_Misc_Appear", 2},
        {"GI_Sheet_Sel_Misc_OnOff", 2},     {"GI_Sheet_Sel_DualTri", 2},        {"GI_Sheet_Sel_Moni", 2},
        {"GI_Sheet_Sel_Contrast", 2},       {"GI_Sheet_Sel_UserSetPowSave", 3}, {"GI_Sheet_Sel_Misc_Able", 2},
        {"GI_Sheet_Sel_Misc_Accept", 2},    {"GI_Sheet_Sel_SQLkey", 2},         {"GI_Sheet_Sel_UserSetLcdIntE", 4},
        {"GI_Sheet_Sel_UserSetLcdIntU", 4}, {"GI_Sheet_Sel_UserSetLcdUsaE", 4}, {"GI_Sheet_Sel_UserSetLcdUsaU", 4},
        {"GI_Sheet_Sel_UserSetLcdCanE", 4}, {"GI_Sheet_Sel_UserSetLcdCanU", 4}, {"GI_Sheet_Sel_UserSetTxPow", 2},
        {"GI_Sheet_Sel_Misc_I_Accept", 2},
    };
    for (const auto& [name, values] : lists) {
        SCOPED_TRACE(name);
        for (std::int32_t value = 0; value < values; ++value) {
            EXPECT_NE(registry.NameByNumber(name, 1, value), "error") << value;
        }
        // In the order of the values they stand for.
        const auto& items = registry.Find(name, 1)->byPosition;
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].number, static_cast<std::int32_t>(i));
        }
    }
    for (const char* key : {"GI_AppInd_TimerOff",
                            "GI_AppInd_Dsc_SelfIdOff",
                            "GI_Botttom_EditRestrected",
                            "GI_AppMess_S_NoNumber",
                            "GI_AppMess_S_OffNotAllowed",
                            "GI_AppMess_S_DigitCount",
                            "GI_AppMess_S_FixedByModel",
                            "GI_Sys_MyHelpFile"}) {
        const std::string text = source.GetLine(key, 0);
        EXPECT_FALSE(text.empty() || text.front() == '#') << key;
    }
    for (const char* key : {"GI_AppInd_Mode", "GI_Sheet_Info_Batt_Cells"}) {
        EXPECT_NE(source.GetLine(key, 1).front(), '#') << key; // two lines: values 0 and 1
    }
}

// Every setting kind has its cell on exactly one of the settings sheets.
TEST_F(ShippedOverlay, SettingsSheetsHoldEverySetting) {
    std::multiset<std::int32_t> kinds;
    for (const char* name :
         {"GI_Sheet_ComSet", "GI_Sheet_Atis", "GI_Sheet_ComCom", "GI_Sheet_ComExp", "GI_Sheet_MakerR"}) {
        const ChannelSheetState state;
        ChannelSheetLayout layout(source, name, metrics, state);
        layout.Build();
        ASSERT_TRUE(layout.TitleString().has_value()) << name;
        for (std::int32_t row = 0; row < layout.RowCount(); ++row) {
            for (std::int32_t column = 0; column < layout.ColumnCount(); ++column) {
                const cmcCellObj& cell = layout.Slot(column, row).Cell();
                if (cell.HasKind()) {
                    kinds.insert(cell.Kind());
                    EXPECT_TRUE(cell.Selectable()) << name << " " << cell.Kind();
                }
            }
        }
    }
    for (std::int32_t kind = 122; kind <= 253; ++kind) {
        if (kind < 149 || kind >= 200) {
            EXPECT_EQ(kinds.count(kind), 1U) << kind;
        }
    }
}

// The free-channel sheet: 70 rows of receive and transmit frequency and name; every channel sheet names
// the row menu, whose items are the seven edit commands with Edit and the placeholder.
TEST_F(ShippedOverlay, FreeChannelSheetAndTheChannelRowMenu) {
    const ChannelSheetState state;
    ChannelSheetLayout free(source, "GI_Sheet_FreeCh", metrics, state);
    free.Build();
    ASSERT_EQ(free.RowCount(), 1 + 70);
    for (const std::int32_t kind : {119, 120, 121}) {
        bool found = false;
        for (std::int32_t column = 0; column < free.ColumnCount(); ++column) {
            const cmcCellObj& cell = free.Slot(column, 70).Cell();
            if (cell.Kind() == kind) {
                found = true;
                EXPECT_EQ(cell.Index(), 69);
                EXPECT_EQ(cell.Category(), 6);
            }
        }
        EXPECT_TRUE(found) << kind;
    }
    for (const char* name :
         {"GI_Sheet_IntCh", "GI_Sheet_UsaCh", "GI_Sheet_CanCh", "GI_Sheet_WxCh", "GI_Sheet_FreeCh"}) {
        ChannelSheetLayout layout(source, name, metrics, state);
        layout.Build();
        EXPECT_EQ(layout.Slot(layout.ColumnCount() - 1, layout.RowCount() - 1).Cell().EffectivePopupMenu(),
                  "GI_PMenu_ChList")
            << name;
    }
    std::set<std::int32_t> kinds;
    cmcCellObj basic;
    basic.Parse(source.GetLine("GI_PMenu_ChList_BasicCell", 0), nullptr, nullptr, source);
    for (int line = 0;; ++line) {
        const std::string text = source.GetLine("GI_PMenu_ChList_Body", line);
        if (!text.empty() && text.front() == '#') {
            break;
        }
        cmcCellObj item;
        item.Parse(std::string_view(text).substr(text.find('+') + 1), &basic, nullptr, source);
        EXPECT_EQ(item.Category(), 1) << text;
        kinds.insert(item.Kind());
    }
    EXPECT_EQ(kinds, (std::set<std::int32_t>{58, 59, 60, 61, 62, 63, 64, 65, 66}));
    for (const char* key : {"GI_AppMess_Conv_Overwrite",
                            "GI_AppMess_Conv_Clear",
                            "GI_AppMess_Conv_Delete",
                            "GI_AppMess_Conv_Overflow",
                            "GI_AppMess_S_Copy",
                            "GI_AppMess_S_Paste",
                            "GI_AppMess_S_Clear",
                            "GI_AppMess_S_Delete",
                            "GI_AppMess_S_Insert",
                            "GI_AppMess_S_OffRaster",
                            "GI_AppInd_chSheet_Usable_Title"}) {
        const std::string text = source.GetLine(key, 0);
        EXPECT_FALSE(text.empty() || text.front() == '#') << key;
    }
}

} // namespace
