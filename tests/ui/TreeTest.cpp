#include "WidgetFixture.h"
#include "support/FakeClock.h"
#include "ui/OptionalTreeEntries.h"
#include "ui/cuiTree.h"

#include <gtest/gtest.h>

namespace {

// A tree with a root, a channel folder of four plan sheets and a maker entry; the plan sheets carry
// the flags of their optional groups.
const char* const kOverlay = R"(#GI_Sys_TreeChangeDelay
300
#GI_Tree_MarkTips
In error
Needs a look
#T_BasicCell
{(%CallSheet)}
#T_Body
+{(ImageIndex=0)}Rig
 +{(%CallSheet:GI_Sheet_IntCh)(ImageIndex=2)}International
 +{(%CallSheet:GI_Sheet_UsaCh)(ImageIndex=2)(Flag1=1)}USA
 +{(%CallSheet:GI_Sheet_CanCh)(ImageIndex=2)(Flag2=1)}Canada
 +{(%CallSheet:GI_Sheet_WxCh)(ImageIndex=2)(Flag3=1)}Weather
 +{(%CallSheet:GI_Sheet_FreeCh)(ImageIndex=2)}Free
 +{(%CallSheet:)(ImageIndex=1)}Settings
  +{(%CallSheet:GI_Sheet_ComSet)(ImageIndex=3)}Common
  +{(%CallSheet:GI_Sheet_MakerR)(ImageIndex=3)(Flag0=1)}Factory
#
#End_Of_Ovl
)";

class TreeTest : public ::testing::Test {
protected:
    TreeTest() {
        for (int i = 0; i < 6; ++i) {
            QPixmap pixmap(16, 16);
            pixmap.fill(QColor::fromHsv(i * 50, 200, 200));
            images.emplace_back(pixmap);
        }
        tree.Build();
    }

    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (QTreeWidgetItem* item : tree.NodesInOrder()) {
            texts.push_back(item->text(0).toStdString());
        }
        return texts;
    }

    QApplication& application = uitest::Application(); // before any widget
    TextDefinitionSource source{kOverlay};
    testsupport::FakeTime time;
    std::vector<QIcon> images;
    QWidget panel;
    cuiTree tree{&panel, source, time.Timers(), "T", images};
    uitest::RecordingBehaviour behaviour;
};

TEST_F(TreeTest, BuildsNodesFromTheBodyWithTheFirstExpanded) {
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{
                  "Rig", "International", "USA", "Canada", "Weather", "Free", "Settings", "Common", "Factory"}));
    EXPECT_TRUE(tree.topLevelItem(0)->isExpanded());
    EXPECT_FALSE(tree.FindNodeByArgument("GI_Sheet_ComSet")->parent()->isExpanded());
    EXPECT_EQ(tree.FindNodeByArgument("GI_Sheet_ComSet")->parent()->text(0).toStdString(), "Settings");
    EXPECT_EQ(tree.FindNodeByArgument("GI_Sheet"), nullptr); // exact match only
    EXPECT_FALSE(tree.topLevelItem(0)->icon(0).isNull());
}

TEST_F(TreeTest, OptionalEntriesFollowThePlansTheModelAndMakerMode) {
    ui::AdjustOptionalTreeEntries(tree, {.usaPlan = false, .canadaPlan = false, .weatherPlan = false});
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Rig", "International", "Free", "Settings", "Common"}));
    // Back in their order after the International sheet, each once, and the maker entry in maker mode.
    ui::AdjustOptionalTreeEntries(tree, {.usaPlan = true, .canadaPlan = true, .weatherPlan = true, .makerMode = true});
    ui::AdjustOptionalTreeEntries(tree, {.usaPlan = true, .canadaPlan = true, .weatherPlan = true, .makerMode = true});
    EXPECT_EQ(
        Texts(),
        (std::vector<std::string>{"Rig", "International", "USA", "Canada", "Weather", "Free", "Settings", "Common"}));
    // The maker entry, deleted before, is not a plan entry: only a tree build brings it back.
    EXPECT_EQ(tree.FindNodeByArgument("GI_Sheet_MakerR"), nullptr);
    EXPECT_EQ(tree.FindNodeByArgument("GI_Sheet_UsaCh")->parent(), tree.topLevelItem(0));
}

TEST_F(TreeTest, InsertFromBodyTakesTheSubtreeAndAppendsPastTheEnd) {
    delete tree.FindNodeByArgument("GI_Sheet_ComSet")->parent();
    EXPECT_TRUE(tree.InsertFromBody("", 1000)); // the Settings folder has an empty argument
    EXPECT_EQ(Texts().back(), "Factory");
    EXPECT_EQ(tree.FindNodeByArgument("GI_Sheet_MakerR")->parent()->parent(), tree.topLevelItem(0));
    EXPECT_FALSE(tree.InsertFromBody("GI_Sheet_IntCh", 0)); // present already
    EXPECT_FALSE(tree.InsertFromBody("GI_Sheet_Nothing", 0));
}

TEST_F(TreeTest, WarningWinsOverCautionAndACollapsedParentShowsItsChildsMark) {
    const cuiTree::CheckMarks marks{{"GI_Sheet_IntCh", "GI_Sheet_ComSet", "GI_Sheet_Absent"},
                                    {"GI_Sheet_UsaCh", "GI_Sheet_IntCh"},
                                    {{"GI_Sheet_UsaCh", "Look at USA"}}};
    const cuiTree::CheckCounts counts = tree.ShowMarks(marks);
    EXPECT_EQ(counts.warnings, 2); // a sheet the tree does not have counts nothing
    EXPECT_EQ(counts.cautions, 2);
    EXPECT_EQ(cuiTree::MarkOf(tree.FindNodeByArgument("GI_Sheet_IntCh")), cuiTree::kWarning);
    EXPECT_EQ(cuiTree::MarkOf(tree.FindNodeByArgument("GI_Sheet_UsaCh")), cuiTree::kCaution);
    QTreeWidgetItem* settings = tree.FindNodeByArgument("GI_Sheet_ComSet")->parent();
    EXPECT_EQ(cuiTree::MarkOf(settings), cuiTree::kWarning);
    EXPECT_EQ(settings->toolTip(0).toStdString(), "In error");
    EXPECT_EQ(tree.FindNodeByArgument("GI_Sheet_UsaCh")->toolTip(0).toStdString(), "Needs a look\nLook at USA");
    EXPECT_EQ(cuiTree::MarkOf(tree.topLevelItem(0)), cuiTree::kNoMark); // expanded
    settings->setExpanded(true);
    tree.ShowMarks(marks);
    EXPECT_EQ(cuiTree::MarkOf(settings), cuiTree::kNoMark);
    EXPECT_TRUE(settings->toolTip(0).isEmpty());
    EXPECT_EQ(tree.ShowMarks({}).warnings, 0);
    EXPECT_EQ(cuiTree::MarkOf(tree.FindNodeByArgument("GI_Sheet_IntCh")), cuiTree::kNoMark);
}

TEST_F(TreeTest, SelectionSettlesAfterTheDelayAndOnlySheetEntriesOpen) {
    std::vector<std::string> settled;
    tree.OnSelectionSettled([&](cmcCellObj& cell) { settled.push_back(cell.Argument().value_or("")); });
    tree.setCurrentItem(tree.FindNodeByArgument("GI_Sheet_UsaCh"));
    time.Advance(200);
    tree.setCurrentItem(tree.FindNodeByArgument("GI_Sheet_CanCh"));
    time.Advance(299);
    EXPECT_TRUE(settled.empty());
    time.Advance(1);
    EXPECT_EQ(settled, (std::vector<std::string>{"GI_Sheet_CanCh"}));

    cmcCellObj& canada = *tree.SelectedCell();
    EXPECT_FALSE(cuiTree::ActivateCell(canada, behaviour, "GI_Sheet_CanCh")); // already open
    EXPECT_TRUE(cuiTree::ActivateCell(canada, behaviour, "GI_Sheet_IntCh"));
    EXPECT_FALSE(cuiTree::ActivateCell(*cuiTree::CellOf(tree.topLevelItem(0)), behaviour, "")); // a folder
    ASSERT_EQ(behaviour.requests.size(), 1U);
    EXPECT_EQ(behaviour.requests[0].command, 13);
    EXPECT_EQ(behaviour.requests[0].argument, "GI_Sheet_CanCh");
}

} // namespace
