// The channel edit commands of a row's pop-up menu on small images: rows before and after, in both
// views, with Cancel and OK answers from the scripted message box.

#include "model/ChannelEdits.h"

#include "CellDocumentDouble.h"
#include "model/ChannelPlan.h"
#include "model/ImageWords.h"
#include "model/KindHandlers.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

using celltest::CellBench;
using namespace model;
using Answer = platform::IMessageBox::Answer;

constexpr std::int32_t CT_IntCh = 2;
constexpr std::int32_t CT_UsaCh = 3;
constexpr std::int32_t CT_FreeCh = 6;

struct Range {
    std::int32_t first, last;
};

class ChannelEditsTest : public ::testing::Test {
protected:
    // Row r of the International plan gets attribute byte r & 0x46 (tag, Poc, TX inhibit as a pattern).
    void SetUp() override {
        for (int row = 0; row < kPlanRowCount; ++row) {
            image().SetByte(AttributeAddress(kPlanInternational, row), Pattern(row));
        }
    }
    static std::uint8_t Pattern(int row) { return static_cast<std::uint8_t>(row * 7 & 0x64); }
    cmcEeprom& image() { return bench.document.image; }
    std::uint8_t Byte(int row) { return image().GetByte(AttributeAddress(kPlanInternational, row)); }

    // Sends pop-up command `param` on the row's cell of `category`, with a selection when given.
    cmcCellCapsule
    Command(std::int32_t param, std::int32_t row, std::optional<Range> range = {}, std::int32_t category = CT_IntCh) {
        cell.SetCategory(category);
        cell.SetKind(113);
        cell.SetIndex(row);
        cmcCellCapsule capsule;
        capsule.Cell = &cell;
        capsule.Param = param;
        if (range) {
            capsule.Range = cmcCellCapsule::kRangeSet;
            capsule.RangeFirst = range->first;
            capsule.RangeLast = range->last;
        }
        bench.behaviour.Answer(capsule, ICellBehaviour::kCommand);
        return capsule;
    }

    CellBench bench;
    cmcCellObj cell;
};

TEST_F(ChannelEditsTest, CopyTakesOnlyTheEditableRowsAndSelectsThem) {
    const cmcCellCapsule copy = Command(60, 231, Range{240, 229});
    const cmcClipCh& clip = bench.document.clipboard;
    EXPECT_EQ(clip.Plan(), kPlanInternational);
    EXPECT_EQ(clip.First(), 229);
    EXPECT_EQ(clip.Count(), 5); // 229 to 233: rows 234 on belong to the free channels
    EXPECT_TRUE(copy.RangeResult());
    EXPECT_EQ(copy.RangeFirst, 229);
    EXPECT_EQ(copy.RangeLast, 233);
    EXPECT_EQ(bench.document.messageBox.Count(), 0U);
    const auto events = bench.document.TakeEvents();
    EXPECT_NE(std::find(events.begin(),
                        events.end(),
                        "4:" + std::to_string(0x80000008) + ":" + std::to_string(0x8000000F) + ":copied"),
              events.end());
}

TEST_F(ChannelEditsTest, PasteAsksAndWritesOnlyUpToTheLastEditableRow) {
    Command(60, 10, Range{10, 14});
    const cmcEeprom before = image();
    bench.document.messageBox.Script({Answer::Cancel});
    Command(61, 231);
    EXPECT_TRUE(image().Equals(before)); // Cancel changes nothing
    EXPECT_EQ(bench.document.messageBox.Last().text, "overwrite?");
    EXPECT_EQ(bench.document.messageBox.Last().caption, "Title");

    bench.document.messageBox.Script({Answer::Ok});
    bench.document.TakeEvents();
    const cmcCellCapsule paste = Command(61, 231);
    for (int i = 0; i < 3; ++i) {
        // The simplex bit travels with its record: 5A's onto 116, duplex 5 and 6 onto 115A and 116A.
        EXPECT_EQ(Byte(231 + i), Pattern(10 + i) | (i == 1 ? kAttrSimplex : 0)) << i;
    }
    EXPECT_EQ(Byte(234), before.GetByte(AttributeAddress(kPlanInternational, 234)));
    EXPECT_EQ(paste.RangeFirst, 231);
    EXPECT_EQ(paste.RangeLast, 233);
    const auto events = bench.document.TakeEvents();
    EXPECT_NE(std::find(events.begin(), events.end(), "13:0:0:"), events.end());
}

// Free channels: a paste asks when any row it covers holds a channel, not only the first.
TEST_F(ChannelEditsTest, PasteOntoABlankFreeChannelFollowedByAFilledOneAsks) {
    constexpr std::int32_t kFree = 0x390;
    for (const int channel : {0, 1, 11}) {
        SetWord(image(), kFree + 8 * channel, static_cast<std::uint16_t>(21616 + channel)); // 156.800 MHz on
        SetWord(image(), kFree + 8 * channel + 2, 25088);
    }
    Command(60, 0, Range{0, 1}, CT_FreeCh);
    const cmcEeprom before = image();
    bench.document.messageBox.Script({Answer::Cancel});
    Command(61, 10, {}, CT_FreeCh); // 10 is blank, 11 holds a channel
    EXPECT_EQ(bench.document.messageBox.Count(), 1U) << "pasting over the filled row 11 asks";
    EXPECT_TRUE(image().Equals(before)) << "Cancel leaves rows 10 and 11";
    // Onto two blank rows it pastes without a question.
    Command(61, 20, {}, CT_FreeCh);
    EXPECT_EQ(bench.document.messageBox.Count(), 1U);
    EXPECT_EQ(GetWord(image(), kFree + 8 * 21), 21617);
}

TEST_F(ChannelEditsTest, PasteIntoAnotherPlanOrOutsideTheRangeDoesNothing) {
    Command(60, 10, Range{10, 14});
    const cmcEeprom before = image();
    bench.document.messageBox.Script({Answer::Ok, Answer::Ok});
    Command(61, 10, {}, CT_UsaCh);
    Command(61, 240); // a free channel's row
    Command(60, 250); // nor is it copied
    EXPECT_TRUE(image().Equals(before));
    EXPECT_EQ(bench.document.messageBox.Count(), 0U);
    EXPECT_EQ(bench.document.clipboard.First(), 10);
}

TEST_F(ChannelEditsTest, TheMarksTravelWithTheRow) {
    SetWord(image(), kMarkABase + 2, 5); // International: P on row 5
    Command(60, 5);
    bench.document.messageBox.Script({Answer::Ok});
    Command(61, 9);
    EXPECT_EQ(GetWord(image(), kMarkABase + 2), 9);
    EXPECT_EQ(Byte(9), Pattern(5) | kAttrSimplex);
    // The clipboard holds copies: a later edit of the source does not reach it.
    image().SetByte(AttributeAddress(kPlanInternational, 5), 0);
    bench.document.messageBox.Script({Answer::Ok});
    Command(61, 20);
    EXPECT_EQ(Byte(20), Pattern(5) | kAttrSimplex); // 2A's simplex came along
}

// In the usable-only view the rows a command reads, writes and selects are the rows shown.
TEST_F(ChannelEditsTest, UsableOnlyViewSkipsTheHiddenRows) {
    bench.document.usableOnly = true;
    image().SetByte(AttributeAddress(kPlanInternational, 12), kAttrInhibited | 0x40);
    image().SetByte(AttributeAddress(kPlanInternational, 21), kAttrInhibited | 0x20);
    const cmcCellCapsule copy = Command(60, 10, Range{10, 14});
    EXPECT_EQ(bench.document.clipboard.Count(), 4); // 10, 11, 13, 14
    EXPECT_EQ(copy.RangeLast, 14);
    bench.document.messageBox.Script({Answer::Ok});
    const cmcCellCapsule paste = Command(61, 20);
    EXPECT_EQ(Byte(20), Pattern(10));
    EXPECT_EQ(Byte(21), kAttrInhibited | 0x20);      // hidden: untouched
    EXPECT_EQ(Byte(22), Pattern(11) | kAttrSimplex); // 5A's simplex came along
    EXPECT_EQ(Byte(23), Pattern(13) | kAttrSimplex);
    EXPECT_EQ(Byte(24), Pattern(14));
    EXPECT_EQ(paste.RangeFirst, 20);
    EXPECT_EQ(paste.RangeLast, 24);
}

// Carry, Clear, Delete and Insert need a plan that allows structural edits, which none of this radio
// does: a stale menu cannot run them.
TEST_F(ChannelEditsTest, StructuralEditsAreRefusedForEveryPlan) {
    const cmcEeprom before = image();
    bench.document.messageBox.Script({Answer::Ok, Answer::Ok, Answer::Ok, Answer::Ok, Answer::Ok});
    for (const std::int32_t param : {62, 63, 64, 65, 66}) {
        Command(param, 10, Range{10, 12});
        Command(param, 3, {}, CT_FreeCh);
    }
    EXPECT_TRUE(image().Equals(before));
    EXPECT_EQ(bench.document.messageBox.Count(), 0U);
}

// The structural edits themselves, on a plan that would allow them.
class StructuralEdits : public ChannelEditsTest {
protected:
    cmcCellCapsule
    Run(std::int32_t command, std::int32_t row, std::optional<Range> range = {}, int plan = kPlanInternational) {
        cell.SetCategory(plan == kPlanFree ? CT_FreeCh : CT_IntCh);
        cell.SetIndex(row);
        cmcCellCapsule capsule;
        capsule.Cell = &cell;
        if (range) {
            capsule.Range = cmcCellCapsule::kRangeSet;
            capsule.RangeFirst = range->first;
            capsule.RangeLast = range->last;
        }
        RecordingCommands commands;
        CellAnswer answer(capsule, bench.document, commands, commands);
        answer.plan = plan;
        answer.index = row;
        std::int32_t first = 0;
        std::int32_t last = 0;
        EditableRowRange(plan, first, last);
        ChannelEdits(answer, bench.document.clipboard, first, last, true).Run(command);
        return capsule;
    }
    using RecordingCommands = celltest::RecordingCommands;
};

TEST_F(StructuralEdits, CarryMovesTheBlockAndTheNeighbourFillsTheGap) {
    const cmcCellCapsule down = Run(63, 10, Range{10, 12});
    EXPECT_EQ(Byte(10), Pattern(13) | kAttrSimplex); // every bit travels with its row, simplex too
    EXPECT_EQ(Byte(11), Pattern(10));
    EXPECT_EQ(Byte(12), Pattern(11) | kAttrSimplex);
    EXPECT_EQ(Byte(13), Pattern(12));
    EXPECT_EQ(down.RangeFirst, 11);
    EXPECT_EQ(down.RangeLast, 13);
    EXPECT_EQ(down.JumpIndex, 13);
    EXPECT_EQ(down.JumpTo, 1);
    const cmcCellCapsule up = Run(62, 11, Range{11, 13});
    for (int row = 10; row <= 13; ++row) {
        EXPECT_EQ(Byte(row) & ~kAttrSimplex, Pattern(row)) << row;
    }
    EXPECT_EQ(up.JumpIndex, 10);
    // Nothing moves past the editable rows.
    const cmcEeprom before = image();
    Run(63, 233);
    Run(62, 0);
    EXPECT_TRUE(image().Equals(before));
}

TEST_F(StructuralEdits, ClearDeleteAndInsertAskFirst) {
    bench.document.messageBox.Script({Answer::Cancel});
    const cmcEeprom before = image();
    Run(64, 5, Range{5, 6});
    EXPECT_TRUE(image().Equals(before));
    EXPECT_EQ(bench.document.messageBox.Last().text, "clear?");

    bench.document.messageBox.Script({Answer::Ok});
    Run(64, 5, Range{5, 6});
    EXPECT_EQ(Byte(5) & ~kAttrSimplex, 0);
    EXPECT_EQ(Byte(6), 0);

    bench.document.messageBox.Script({Answer::Ok});
    const cmcCellCapsule deleted = Run(65, 100, Range{100, 101});
    EXPECT_EQ(bench.document.messageBox.Last().text, "delete?");
    EXPECT_EQ(Byte(100), Pattern(102));
    EXPECT_EQ(Byte(231) & ~kAttrSimplex, Pattern(233) & ~kAttrSimplex);
    EXPECT_EQ(Byte(232), 0);
    EXPECT_EQ(Byte(234), Pattern(234)); // beyond the editable rows
    EXPECT_FALSE(deleted.RangeResult());
    EXPECT_EQ(deleted.JumpIndex, 100);

    bench.document.messageBox.Script({Answer::Ok});
    const cmcCellCapsule inserted = Run(66, 100);
    EXPECT_EQ(bench.document.messageBox.Last().text, "overflow?");
    EXPECT_EQ(Byte(100), 0);
    EXPECT_EQ(Byte(101) & ~kAttrSimplex, Pattern(102));
    EXPECT_EQ(inserted.RangeFirst, 100);
    EXPECT_EQ(inserted.RangeLast, 100);
}

// Clearing a free channel stores the empty form, and an empty channel needs no question.
TEST_F(StructuralEdits, ClearedFreeChannelsStayEmpty) {
    SetWord(image(), 0x390 + 8 * 4, 21616);
    SetWord(image(), 0x390 + 8 * 4 + 2, 25088);
    bench.document.messageBox.Script({Answer::Ok});
    Run(64, 4, {}, kPlanFree);
    EXPECT_EQ(GetWord(image(), 0x390 + 8 * 4), 0);
    EXPECT_EQ(GetWord(image(), 0x390 + 8 * 4 + 2), 0);
    const std::size_t asked = bench.document.messageBox.Count();
    Run(65, 4, {}, kPlanFree); // all of 4 is empty: deleted without a question
    EXPECT_EQ(bench.document.messageBox.Count(), asked);
    EXPECT_EQ(GetWord(image(), 0x390 + 8 * 69), 0);
}

} // namespace
