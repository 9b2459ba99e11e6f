// The behaviour object's common steps and the kinds it answers itself: selection items, indicators,
// the free byte, main-window commands, clone information, pop-up items, drawing helpers, the channel
// category rules and "%d *Yet*".

#include "CellDocumentDouble.h"
#include "model/ChannelPlan.h"

#include <gtest/gtest.h>

namespace {

using celltest::CellBench;

// Category numbers of the cell tables.
constexpr std::int32_t CT_PopupMenu = 1;
constexpr std::int32_t CT_IntCh = 2;
constexpr std::int32_t CT_UsaCh = 3;
constexpr std::int32_t CT_CanCh = 4;

TEST(ActiveCell, DrawingNeverChangesTheImageNorArmsTheCheck) {
    CellBench bench;
    bench.document.image.SetByte(0x650, 123);
    bench.document.image.SetByte(0x610, 0x01);
    const cmcEeprom before = bench.document.image;
    for (std::int32_t kind = 0; kind <= 256; ++kind) {
        bench.Draw(kind, 0, kind >= 112 && kind <= 121 ? CT_IntCh : 7);
    }
    EXPECT_FALSE(bench.document.image.Differs(before));
    EXPECT_EQ(bench.document.answeredCount, 0);
    EXPECT_TRUE(bench.commands.calls.empty());
}

TEST(ActiveCell, KindsWithoutBehaviourShowTheirNumber) {
    CellBench bench;
    for (const std::int32_t kind : {2, 4, 24, 38, 45, 60, 67, 110, 149, 199, 254, 255}) {
        EXPECT_EQ(bench.Draw(kind).OutText, std::to_string(kind) + " *Yet*");
    }
    EXPECT_EQ(bench.Draw(0).OutText, "");
    EXPECT_EQ(bench.Draw(256).OutText, "");
}

TEST(ActiveCell, ItemsIndicatorsRowNumbersAndTheFreeByte) {
    CellBench bench;
    cmcCellObj item;
    item.SetKind(1);
    item.SetDisplayText("an item");
    cmcCellCapsule capsule;
    capsule.Cell = &item;
    bench.behaviour.Answer(capsule, 0);
    EXPECT_EQ(capsule.OutText, "an item");
    EXPECT_EQ(bench.Draw(3, 1).OutText, "(Factory)");
    EXPECT_EQ(bench.Draw(77, 41).OutText, "41");
    EXPECT_EQ(bench.Draw(78, 41).OutText, "42");
    EXPECT_EQ(bench.Draw(78, 2147483647).OutText, "2147483648"); // counted on past the largest index
    EXPECT_EQ(bench.Draw(79).Mark, cmcCellCapsule::kMarkQuarterPillar);
    bench.Commit(22, "300", 0x7FF);
    EXPECT_EQ(bench.document.image.GetByte(0x7FF), 255);
    EXPECT_EQ(bench.Draw(22, 0x7FF).OutText, "255");
    EXPECT_EQ(bench.document.answeredCount, 1);
}

TEST(ActiveCell, RestrictedCellsRefuseKeysWithTheStatusText) {
    CellBench bench;
    bench.document.TakeEvents();
    const cmcCellCapsule key = bench.Key(81, '5');
    EXPECT_EQ(key.TextColor, model::kColourOlive);
    EXPECT_EQ(bench.behaviour.LastRefusal(), "restricted");
    const auto events = bench.document.TakeEvents();
    ASSERT_EQ(events.size(), 2U);
    EXPECT_EQ(events[0], "4:" + std::to_string(0x80000008) + ":" + std::to_string(0x8000000F) + ":");
    EXPECT_EQ(events[1], "4:65535:128:restricted");
    EXPECT_EQ(bench.document.answeredCount, 0); // the cancelled key is no edit
    EXPECT_EQ(bench.Key(80, 13).Mark, cmcCellCapsule::kMarkCannotEdit);
}

TEST(ActiveCell, MenuCommandsRunOnEnterAndStateTheirFlags) {
    CellBench bench;
    bench.commands.recent0 = "/boats/a.qcf";
    const struct {
        std::int32_t kind, index;
        const char* call;
    } cases[] = {
        {25, 0, "New"},
        {26, 0, "Open"},
        {27, 0, "Save"},
        {28, 0, "SaveAs"},
        {29, 0, "PrintCurrent"},
        {30, 0, "PrintAll"},
        {31, 0, "OpenRecent 0"},
        {32, 0, "Exit"},
        {34, 150, "FontSize 150"},
        {35, 0, "ToolBar"},
        {36, 3, "Port 3"},
        {37, 0, "PortNotice"},
        {39, 0, "CloneRead"},
        {40, 0, "CloneWrite"},
        {41, 0, "CloneInfo"},
        {42, 2, "Model 2"},
        {44, 0, "Help vqn58.html"},
    };
    for (const auto& c : cases) {
        bench.commands.calls.clear();
        bench.Draw(c.kind, c.index);
        EXPECT_TRUE(bench.commands.calls.empty()) << c.kind;
        bench.Key(c.kind, 256, c.index); // a double click is Enter
        EXPECT_EQ(bench.commands.calls, std::vector<std::string>{c.call}) << c.kind;
    }
    // The recent file becomes the caption; an empty entry is disabled, and hidden unless it is the first.
    cmcCellObj recent;
    recent.SetKind(31);
    EXPECT_EQ(bench.behaviour.RunCellCommand(recent, 0), 0);
    EXPECT_EQ(recent.DisplayText(), "&1 /boats/a.qcf");
    EXPECT_TRUE(recent.Flag(3));
    recent.SetIndex(1);
    bench.behaviour.RunCellCommand(recent, 0);
    EXPECT_TRUE(recent.Flag(1));
    EXPECT_TRUE(recent.Flag(2));
    // Check marks.
    cmcCellObj port;
    port.SetKind(36);
    port.SetIndex(1);
    bench.behaviour.RunCellCommand(port, 0);
    EXPECT_TRUE(port.Flag(0));
    // The USB item stands for every port past the four serial ones.
    cmcCellObj usb;
    usb.SetKind(37);
    for (const auto& [chosen, ticked] : {std::pair{1, false}, {4, false}, {5, true}, {12, true}}) {
        bench.commands.port = chosen;
        usb.SetFlag(0, !ticked);
        bench.behaviour.RunCellCommand(usb, 0);
        EXPECT_EQ(usb.Flag(0), ticked) << "CL_Menu_Port_Usb with port " << chosen;
    }
    cmcCellObj model;
    model.SetKind(42);
    model.SetIndex(1); // the double's model type
    bench.behaviour.RunCellCommand(model, 0);
    EXPECT_TRUE(model.Flag(0));
    // A sheet call needs its argument.
    bench.commands.calls.clear();
    cmcCellObj call;
    call.SetKind(49);
    call.SetArgument("GI_Sheet_ComSet");
    bench.behaviour.RunCellCommand(call, 13);
    EXPECT_EQ(bench.commands.calls, std::vector<std::string>{"Sheet GI_Sheet_ComSet"});
}

TEST(ActiveCell, CloneInformationCells) {
    CellBench bench;
    auto& id = bench.document.identity;
    id[1] = 0x23;
    id[21] = 3;
    id[20] = 0x02;
    const char comment[] = "Harbour  master\x01";
    std::copy(comment, comment + 16, id.begin() + 3);
    EXPECT_EQ(bench.Draw(54).OutText, "M3");
    EXPECT_EQ(bench.Draw(55).OutText, "2.3");
    EXPECT_EQ(bench.Draw(56).OutText, "Harbour  master");
    EXPECT_EQ(bench.Key(56, 13).OutText, "Harbour  master");
    EXPECT_EQ(bench.lastResult, 0); // read-only: no editor
    EXPECT_EQ(bench.Draw(57).OutText, "Li-ion");
}

TEST(ActiveCell, PopupItemsOfChannelRows) {
    CellBench bench;
    cmcCellObj item;
    item.SetCategory(CT_PopupMenu);
    for (const std::int32_t kind : {62, 63, 64, 65, 66}) {
        item.SetKind(kind);
        item.SetFlag(2, false);
        bench.behaviour.RunCellCommand(item, 0);
        EXPECT_TRUE(item.Flag(2)) << kind;
    }
    // The placeholder shows only where it is the pop-up menu's one item.
    item.SetKind(58);
    for (const auto& [items, hidden] : {std::pair{0, true}, {1, false}, {2, true}, {9, true}}) {
        bench.commands.popupItems = items;
        item.SetFlag(1, !hidden);
        item.SetFlag(2, false);
        bench.behaviour.RunCellCommand(item, 0);
        EXPECT_TRUE(item.Flag(2)) << "CL_PMenu_NoItem is always disabled";
        EXPECT_EQ(item.Flag(1), hidden) << "CL_PMenu_NoItem in a menu of " << items << " items";
    }
}

TEST(ActiveCell, TheEditItemOfAPopupMenuActsAsEnter) {
    CellBench bench;
    cmcCellObj cell;
    cell.SetKind(137); // display contrast: Enter opens its list
    cmcCellCapsule capsule;
    capsule.Cell = &cell;
    capsule.Grid = celltest::AnyGrid();
    capsule.Param = 59;
    EXPECT_EQ(bench.behaviour.Answer(capsule, 1), 1);
    EXPECT_EQ(bench.commands.calls, std::vector<std::string>{"List GI_Sheet_Sel_Contrast 1:0"});
    EXPECT_EQ(capsule.Param, 0);
}

TEST(ActiveCell, PopupEditCommandOutsideTheEditableRowsIsHandledWithoutTheKind) {
    CellBench bench;
    cmcCellObj cell;
    cell.SetCategory(CT_IntCh);
    cell.SetKind(81);
    cell.SetIndex(250);
    cmcCellCapsule capsule;
    capsule.Cell = &cell;
    capsule.Param = 60;
    capsule.Command = 13;
    bench.behaviour.Answer(capsule, 1);
    EXPECT_EQ(capsule.Command, 0);
    EXPECT_EQ(capsule.OutText, ""); // the kind's own behaviour was skipped
    EXPECT_EQ(bench.document.answeredCount, 1);
}

TEST(ActiveCell, ChannelCategoryRules) {
    CellBench bench;
    // International row 6 inhibited: every column but number and attribute shows "---" and refuses keys.
    bench.document.image.SetByte(model::AttributeAddress(model::kPlanInternational, 6), model::kAttrInhibited);
    const cmcEeprom before = bench.document.image;
    EXPECT_EQ(bench.Draw(114, 6, CT_IntCh).OutText, "---");
    const cmcCellCapsule key = bench.Key(114, '1', 6, CT_IntCh);
    EXPECT_EQ(key.OutText, "---");
    EXPECT_EQ(bench.behaviour.LastRefusal(), "restricted");
    EXPECT_FALSE(bench.document.image.Differs(before));
    EXPECT_EQ(bench.Draw(112, 6, CT_IntCh).OutText, "3  "); // the number column is not covered
    // The simplex column of an "A" channel shows "---"; on a free channel's row it keeps its text but
    // refuses keys.
    EXPECT_EQ(bench.Draw(117, 7, CT_UsaCh).OutText, "---");
    EXPECT_EQ(bench.Draw(117, 8, CT_UsaCh).OutText, "0");
    const cmcCellCapsule freeRow = bench.Key(117, ' ', 250, CT_CanCh);
    EXPECT_EQ(freeRow.TextColor, model::kColourOlive);
    EXPECT_EQ(bench.behaviour.LastRefusal(), "restricted");
    EXPECT_EQ(bench.Draw(117, 8, CT_UsaCh).JumpKind, 117);
}

} // namespace
