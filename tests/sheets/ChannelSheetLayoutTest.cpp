#include "sheets/ChannelSheetLayout.h"

#include "overlay/DefinitionSource.h"
#include "platform/FontMetrics.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>

namespace {

using ::testing::ElementsAre;

std::string ChannelSheet(const std::string& key, const std::string& style, const std::vector<std::string>& cells) {
    std::string text =
        "#" + key + "_Style\n" + style + "\n#" + key + "_BasicCell\n{(%CT_UsaCh.)}\n#" + key + "_Cells\n";
    for (const auto& line : cells) {
        text += line + "\n";
    }
    return text + "#\n#GI_AppInd_chSheet_Usable_Title\n(usable)\n#GI_AppInd_chSheet_Usable_Font\n,,,-30\n#End_Of_Ovl\n";
}

struct ChannelLayout {
    ChannelLayout(const std::string& key,
                  const std::string& style,
                  const std::vector<std::string>& cells,
                  ChannelSheetState sheetState)
        : source(ChannelSheet(key, style, cells)), state(std::move(sheetState)), layout(source, key, metrics, state) {
        layout.Build();
    }

    std::vector<std::int32_t> Indices(std::int32_t column) const {
        std::vector<std::int32_t> indices;
        for (std::int32_t row = 0; row < layout.RowCount(); ++row) {
            indices.push_back(layout.Slot(column, row).Cell().Index());
        }
        return indices;
    }

    TextDefinitionSource source;
    platform::FixedFontMetrics metrics;
    ChannelSheetState state;
    ChannelSheetLayout layout;
};

const std::vector<std::string> kChannelList = {
    ":(LoopFrom)", "{S(%CL_ChList_No[0])}000|{S(%CL_ChList_Tag[0])}t", ":(LoopTo)"};

ChannelSheetState UsableOnly(std::set<int> usable, std::set<int>* askedPlans = nullptr) {
    ChannelSheetState state;
    state.usableOnly = true;
    state.isUsable = [usable, askedPlans](int plan, int channel) {
        if (askedPlans != nullptr) {
            askedPlans->insert(plan);
        }
        return usable.count(channel) != 0;
    };
    return state;
}

TEST(ChannelSheetLayout, AllChannelsWhenTheViewIsOff) {
    const ChannelLayout sheet("GI_Sheet_UsaCh", "(TitleString=USA)(WithUsable)", kChannelList, {});
    ASSERT_EQ(sheet.layout.RowCount(), 304);
    EXPECT_EQ(sheet.Indices(0).back(), 303);
    EXPECT_EQ(sheet.Indices(1)[150], 150);
    EXPECT_EQ(sheet.layout.TitleString(), "USA");
    EXPECT_EQ(sheet.layout.TitleFont(), nullptr);
}

TEST(ChannelSheetLayout, UsableViewStepsOverUnusableChannels) {
    std::set<int> plans;
    const ChannelLayout sheet(
        "GI_Sheet_UsaCh_Extra", "(TitleString=USA)(WithUsable)", kChannelList, UsableOnly({0, 1, 2, 5}, &plans));
    EXPECT_THAT(sheet.Indices(0), ElementsAre(0, 1, 2, 5));
    EXPECT_THAT(sheet.Indices(1), ElementsAre(0, 1, 2, 5));
    EXPECT_EQ(plans, std::set<int>{2}) << "the plan of the basic cell's category";
    EXPECT_EQ(sheet.layout.TitleString(), "USA (usable)");
    ASSERT_NE(sheet.layout.TitleFont(), nullptr);
    EXPECT_EQ(sheet.layout.TitleFont()->height, -30);

    // Other sheets count the usable channels but keep their indices; none usable shows one row.
    const ChannelLayout other("GI_Sheet_Other", "", kChannelList, UsableOnly({0, 1, 2, 5}));
    EXPECT_THAT(other.Indices(0), ElementsAre(0, 1, 2, 3));
    const ChannelLayout none("GI_Sheet_IntCh", "", kChannelList, UsableOnly({}));
    EXPECT_THAT(none.Indices(0), ElementsAre(304));
    for (std::int32_t column = 0; column < none.layout.ColumnCount(); ++column) {
        const cmcCellObj& empty = none.layout.Slot(column, 0).Cell();
        EXPECT_FALSE(empty.HasKind() || empty.Selectable()) << column;
        EXPECT_EQ(empty.DisplayText(), "");
    }
    EXPECT_EQ(none.layout.FirstSelectableRow(), -1);
}

// The heading row stays whatever the usable-only view leaves of the channel rows, down to none.
TEST(ChannelSheetLayout, TheHeadingRowStaysInTheUsableView) {
    const std::vector<std::string> cells = {
        "{H}No.|{H}Tag", ":(LoopFrom)", "{S(%CL_ChList_No[0])}000|{S(%CL_ChList_Tag[0])}t", ":(LoopTo)"};
    struct Case {
        const char* name;
        ChannelSheetState state;
        std::int32_t rows;
    };
    const Case cases[] = {
        {"AllChannels", {}, 305},
        {"SomeUsable", UsableOnly({3, 7}), 3},
        {"NoneUsable", UsableOnly({}), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChannelLayout sheet("GI_Sheet_IntCh", "", cells, c.state);
        ASSERT_EQ(sheet.layout.RowCount(), c.rows);
        EXPECT_EQ(sheet.layout.Slot(0, 0).Cell().DisplayText(), "No.");
        EXPECT_EQ(sheet.layout.Slot(1, 0).Cell().DisplayText(), "Tag");
    }
}

TEST(ChannelSheetLayout, ModelDirectivesSkipLines) {
    const std::vector<std::string> cells = {":(Only_UsaModel 2)",
                                            "usa1",
                                            "usa2",
                                            ":(Only_EurModel 1)",
                                            "eur",
                                            ":(OnlyWett 1)",
                                            "wett",
                                            ":(OnlyVolt 1)",
                                            "volt",
                                            ":(OnlyTemp 1)",
                                            "temp",
                                            ":(OnlyVolt)",
                                            "always"};
    const struct {
        int variant;
        std::uint8_t bits;
        std::vector<std::string> texts;
    } cases[] = {
        {0, 0x00, {"usa1", "usa2", "always"}},
        {1, 0x00, {"eur", "always"}},
        {0, 0x08, {"usa1", "usa2", "wett", "always"}},
        {0, 0x10, {"usa1", "usa2", "volt", "always"}},
        {0, 0x02, {"usa1", "usa2", "temp", "always"}},
        {0, 0x04, {"usa1", "usa2", "temp", "always"}},
    };
    for (const auto& c : cases) {
        ChannelSheetState state;
        state.modelVariant = c.variant;
        state.optionBits = c.bits;
        const ChannelLayout sheet("GI_Sheet_X", "", cells, state);
        std::vector<std::string> texts;
        for (std::int32_t row = 0; row < sheet.layout.RowCount(); ++row) {
            texts.emplace_back(sheet.layout.Slot(0, row).Cell().DisplayText());
        }
        EXPECT_EQ(texts, c.texts) << "variant " << c.variant << " bits " << int(c.bits);
    }
}

} // namespace
