// The sheet on screen: building, cursor keys, selection, commands and their follow-ups.
#include "SheetHarness.h"
#include "sheets/qt/SheetKeys.h"
#include "sheets/qt/iuiSheet.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using sheetsqt::ChannelSheet;
using sheetsqt::Harness;

TEST(SheetBuild, FirstSelectableCellAndDisabledGrid) {
    Harness h(ChannelSheet());
    cuiSheet& sheet = h.Build();
    EXPECT_EQ(sheet.Current(), (GridPos{1, 1}));
    EXPECT_TRUE(h.Grid().isEnabled());
    EXPECT_EQ(sheet.TitleText(), "");

    Harness none(sheetstest::SheetText("(TitleString=Nothing here)", "{<-}", {"{W}a|{W}b", "{W}c|{W}d"}));
    cuiSheet& empty = none.Build();
    EXPECT_EQ(empty.Current(), (GridPos{0, 0}));
    EXPECT_FALSE(none.Grid().isEnabled());
    EXPECT_EQ(empty.TitleText(), "Nothing here");
}

TEST(SheetBuild, SavedPositionAndInitialCell) {
    // A saved cell outside the grid is forgotten; the initial kind then decides.
    Harness outside(ChannelSheet());
    const std::int32_t kind = [] {
        Harness probe(ChannelSheet());
        return probe.Build().Layout().Slot(2, 1).Cell().Kind();
    }();
    cuiSheet& a = outside.Build([](cuiSheet& s) { s.SetSavedPosition({{9, 99}, {1, 1}}); }, kind, 6);
    EXPECT_EQ(a.Current(), (GridPos{2, 7}));

    // A saved scroll position beyond the end is clamped to the grid, and the cell is restored.
    Harness saved(ChannelSheet(200));
    cuiSheet& b = saved.Build([](cuiSheet& s) { s.SetSavedPosition({{3, 150}, {1, 100000}}); });
    EXPECT_EQ(b.Current(), (GridPos{3, 150}));
    EXPECT_EQ(saved.Grid().TopRow(), saved.Grid().Geometry().MaxTopRow());
    EXPECT_EQ(b.CurrentPosition().cursor.row, 150);
}

TEST(SheetKeys, ArrowsPagesAndFunctionKeys) {
    Harness h(ChannelSheet(30));
    cuiSheet& sheet = h.Build();
    h.Key(Qt::Key_Down);
    h.Key(Qt::Key_Right);
    EXPECT_EQ(sheet.Current(), (GridPos{2, 2}));
    h.Key(Qt::Key_PageDown);
    EXPECT_EQ(sheet.Current(), (GridPos{2, 12}));
    h.Key(Qt::Key_PageUp);
    h.Key(Qt::Key_PageUp);
    EXPECT_EQ(sheet.Current(), (GridPos{2, 1}));
    EXPECT_EQ(h.Grid().TopRow(), 1); // nothing selectable above: the sheet shows its start
    h.Key(Qt::Key_Home);
    h.Key(Qt::Key_End);
    h.Key(Qt::Key_Down, Qt::ControlModifier); // Ctrl alone holds the cursor
    EXPECT_EQ(sheet.Current(), (GridPos{2, 1}));
    EXPECT_TRUE(h.TakeCalls().empty());

    // Left in the first selectable column and Right in the last stay and tell the cell.
    h.Key(Qt::Key_Left);
    h.Key(Qt::Key_Left);
    h.Key(Qt::Key_Right);
    h.Key(Qt::Key_Right);
    h.Key(Qt::Key_Right);
    h.Key(Qt::Key_F5);
    h.Key(Qt::Key_A);
    h.Key(Qt::Key_Return);
    h.Key(Qt::Key_A, Qt::ControlModifier);
    const auto calls = h.TakeCalls();
    ASSERT_EQ(calls.size(), 6U);
    EXPECT_EQ(calls[0].command, 0x2500);
    EXPECT_EQ(calls[0].cell.index, 0);
    EXPECT_EQ(calls[1].command, 0x2700);
    EXPECT_EQ(calls[2].command, 0x7400);
    EXPECT_EQ(calls[3].command, 'a');
    EXPECT_EQ(calls[4].command, 13);
    EXPECT_EQ(calls[5].command, 1);
    EXPECT_TRUE(calls[5].isCurrent);
}

TEST(SheetKeys, TranslationTable) {
    using SheetKeys::Translate;
    EXPECT_EQ(Translate(Qt::Key_F12, Qt::NoModifier, QString()).virtualKey, 0x7B);
    EXPECT_EQ(Translate(Qt::Key_Left, Qt::ShiftModifier, QString()).virtualKey, 0x25);
    EXPECT_EQ(*Translate(Qt::Key_Escape, Qt::NoModifier, QString()).character, 27);
    EXPECT_EQ(*Translate(Qt::Key_Backspace, Qt::NoModifier, QString()).character, 8);
    EXPECT_EQ(*Translate(Qt::Key_C, Qt::ControlModifier, QString()).character, 3);
    EXPECT_EQ(*Translate(Qt::Key_C, Qt::ControlModifier, QStringLiteral("c")).character, 3);
    EXPECT_EQ(*Translate(Qt::Key_Exclam, Qt::ShiftModifier, QStringLiteral("!")).character, '!');
    EXPECT_EQ(*Translate(Qt::Key_A, Qt::NoModifier, QString()).character, 'a');
    // Characters 128 to 255 arrive as signed 8-bit values; beyond Latin-1 nothing is typed.
    EXPECT_EQ(*Translate(Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9))).character, -23);
    EXPECT_FALSE(Translate(0x20AC, Qt::NoModifier, QString(QChar(0x20AC))).character.has_value());
    EXPECT_FALSE(Translate(Qt::Key_Shift, Qt::ShiftModifier, QString()).character.has_value());
}

TEST(SheetSelection, ShiftDownSelectsLinesAndAPlainMoveDrops) {
    Harness h(ChannelSheet());
    cuiSheet& sheet = h.Build();
    for (int i = 0; i < 4; ++i) {
        h.Key(Qt::Key_Down);
    }
    ASSERT_EQ(sheet.Current(), (GridPos{1, 5}));
    h.Key(Qt::Key_Down, Qt::ShiftModifier);
    h.Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(sheet.Selection().Exists());
    EXPECT_EQ(sheet.Selection().Anchor(), (GridPos{1, 5}));
    for (int row = 5; row <= 7; ++row) {
        EXPECT_TRUE(sheet.Layout().Slot(1, row).Selected()) << row;
        EXPECT_TRUE(sheet.Highlighted({3, row})) << row; // the whole line is marked
    }
    EXPECT_FALSE(sheet.Highlighted({1, 8}));
    EXPECT_TRUE(sheetsqt::ShowsWhatItPaints(h.Grid()));

    // A command is sent with the selected range and drops the selection after the answer.
    h.Key(Qt::Key_X);
    const auto calls = h.TakeCalls();
    ASSERT_EQ(calls.size(), 1U);
    EXPECT_TRUE(calls[0].rangeSet);
    EXPECT_EQ(calls[0].rangeFirst, 4);
    EXPECT_EQ(calls[0].rangeLast, 6);
    EXPECT_FALSE(sheet.Selection().Exists());

    h.Key(Qt::Key_Down, Qt::ShiftModifier);
    h.Key(Qt::Key_Down);
    EXPECT_FALSE(sheet.Selection().Exists());
    EXPECT_FALSE(sheet.Layout().Slot(1, 8).Selected());
    EXPECT_TRUE(sheetsqt::ShowsWhatItPaints(h.Grid()));
}

TEST(SheetSelection, AnAnswerThatSelectsARangeKeepsIt) {
    Harness h(ChannelSheet());
    cuiSheet& sheet = h.Build();
    h.behaviour.command = [](cmcCellCapsule& capsule) {
        capsule.Range |= cmcCellCapsule::kRangeResult;
        capsule.RangeFirst = 0;
        capsule.RangeLast = 3;
        return 0;
    };
    h.Key(Qt::Key_Space);
    EXPECT_TRUE(sheet.Selection().Exists());
    EXPECT_TRUE(sheet.Layout().Slot(1, 4).Selected());
    EXPECT_FALSE(sheet.Layout().Slot(1, 5).Selected());
    EXPECT_EQ(sheet.Selection().Anchor(), (GridPos{1, 4}));
}

// Follow-up commands: each answer jumps one row down and asks for the command again.
struct ChainFixture : ::testing::Test {
    ChainFixture() : h(ChannelSheet()) {
        h.Build();
        h.behaviour.command = [this](cmcCellCapsule& capsule) {
            if (static_cast<int>(h.behaviour.calls.size()) < chainLength) {
                capsule.JumpTo = jump ? 1 : 0;
                capsule.JumpCategory = capsule.Cell->Category();
                capsule.JumpKind = capsule.Cell->Kind();
                capsule.JumpIndex = capsule.Cell->Index() + step;
                capsule.ReplayCommand = 'r';
            }
            return 0;
        };
    }
    Harness h;
    int chainLength = 7;
    bool jump = true;
    int step = 1;
};

TEST_F(ChainFixture, PausesShrinkBySixMilliseconds) {
    const std::uint32_t start = h.time.Clock().NowMs();
    h.Key(Qt::Key_Q);
    EXPECT_EQ(h.behaviour.calls.size(), 7U);
    EXPECT_EQ(h.pauses, (std::vector<int>{30, 24, 18, 12, 6}));
    EXPECT_EQ(h.time.Clock().NowMs() - start, 90U);
    EXPECT_EQ(h.behaviour.calls[1].command, 'r');
    EXPECT_EQ(h.sheet->Current(), (GridPos{1, 7}));
}

TEST_F(ChainFixture, AChainThatDoesNotMoveEnds) {
    jump = false;
    h.Key(Qt::Key_Q);
    EXPECT_EQ(h.behaviour.calls.size(), 1U);
    EXPECT_TRUE(h.pauses.empty());
}

TEST_F(ChainFixture, AChainNeverRunsMoreOftenThanTheSheetHasRows) {
    chainLength = 1000;
    step = 0; // jumps to the next cell of the same identity: a cycle between two rows
    h.behaviour.command = [this](cmcCellCapsule& capsule) {
        capsule.JumpTo = 1;
        capsule.JumpCategory = capsule.Cell->Category();
        capsule.JumpKind = capsule.Cell->Kind();
        capsule.JumpIndex = capsule.Cell->Index() == 0 ? 1 : 0;
        capsule.ReplayCommand = 'r';
        return 0;
    };
    h.Key(Qt::Key_Q);
    EXPECT_EQ(static_cast<int>(h.behaviour.calls.size()), h.sheet->Layout().RowCount());
}

TEST(SheetMouse, ClicksFollowLeftAndDoubleClick) {
    Harness h(sheetstest::SheetText(
        "(MultiSelect=Line)",
        "{<-(%CT_IntCh.)}",
        {":(LoopFrom 10)", "{SWH(%CL_ChList_No[0])}AAAA|{TW}tail|{SWH(%CL_ChList_Atr[0])}BBBB", ":(LoopTo)"}));
    cuiSheet& sheet = h.Build();
    h.Click({2, 4});
    EXPECT_EQ(sheet.Current(), (GridPos{2, 4}));
    h.Click({1, 6}); // a FollowLeft cell passes the click to its owner
    EXPECT_EQ(sheet.Current(), (GridPos{0, 6}));
    EXPECT_TRUE(sheet.Highlighted({1, 6}));
    EXPECT_TRUE(h.TakeCalls().empty());
    QTest::mouseDClick(h.Grid().viewport(), Qt::LeftButton, Qt::NoModifier, h.Centre({1, 6}));
    const auto calls = h.TakeCalls();
    ASSERT_EQ(calls.size(), 1U);
    EXPECT_EQ(calls[0].command, 256);
    EXPECT_EQ(calls[0].cell.index, 6);
}

TEST(SheetMouse, DraggingBeyondTheBottomStepsAndExtends) {
    Harness h(ChannelSheet(60));
    cuiSheet& sheet = h.Build();
    QWidget* viewport = h.Grid().viewport();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, h.Centre({1, 2}));
    EXPECT_EQ(sheet.Current(), (GridPos{1, 2}));
    QMouseEvent drag(QEvent::MouseMove,
                     QPointF(h.Centre({1, 2}).x(), viewport->height() + 20),
                     viewport->mapToGlobal(QPointF(h.Centre({1, 2}).x(), viewport->height() + 20)),
                     Qt::NoButton,
                     Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(viewport, &drag);
    QTest::qWait(180); // the auto-scroll steps every 50 ms
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, h.Centre({1, 2}));
    const std::int32_t reached = sheet.Current().row;
    EXPECT_GE(reached, 4);
    EXPECT_TRUE(sheet.Selection().Exists());
    EXPECT_TRUE(sheet.Layout().Slot(1, 2).Selected());
    EXPECT_TRUE(sheet.Layout().Slot(1, reached).Selected());
    QTest::qWait(120);
    EXPECT_EQ(sheet.Current().row, reached); // the release stopped it
}

TEST(SheetMouse, ContextMenuOnlyForACellWithItsOwnKey) {
    Harness h(sheetstest::SheetText(
        "", "{<-(%CT_IntCh.)}", {"{SWH(%CL_ChList_No[0])(PopupMenu=M_Cell)}AAAA|{SWH(%CL_ChList_Atr[0])}BBBB"}));
    std::vector<std::string> filled;
    h.env.fillMenu = [&filled](QMenu& menu, const std::string& key, std::function<void(int)> chosen) {
        filled.push_back(key);
        menu.addAction(QStringLiteral("item"), [chosen] { chosen(61); });
    };
    cuiSheet& sheet = h.Build();
    ASSERT_NE(sheet.ContextMenu(), nullptr);
    EXPECT_EQ(filled, (std::vector<std::string>{"M_Cell"}));
    // The menu's owner is asked for the cell the menu belongs to.
    const cmcEvAns* answer = h.events.Query(kEvQueryActiveCell, reinterpret_cast<cmcEvArg>(sheet.ContextMenu()));
    ASSERT_NE(answer, nullptr);
    const cmcCellObj* cell = nullptr;
    ASSERT_EQ(answer->Length(), static_cast<std::int32_t>(sizeof cell));
    std::memcpy(&cell, answer->Data(), sizeof cell);
    EXPECT_EQ(cell, &sheet.Layout().Slot(0, 0).Cell());
    h.Click({0, 0}, Qt::RightButton);
    EXPECT_TRUE(sheet.ContextMenu()->isVisible());
    sheet.ContextMenu()->actions().front()->trigger();
    sheet.ContextMenu()->hide();
    auto calls = h.TakeCalls();
    ASSERT_EQ(calls.size(), 1U);
    EXPECT_EQ(calls[0].param, 61);
    // The neighbour has no menu of its own: the menu the first cell left behind is not shown.
    h.Click({1, 0}, Qt::RightButton);
    EXPECT_EQ(sheet.Current(), (GridPos{1, 0}));
    EXPECT_TRUE(sheet.ContextMenu() == nullptr || !sheet.ContextMenu()->isVisible());
}

TEST(SheetBuild, ShippedInternationalSheet) {
    const std::string overlay = [] {
        std::ifstream in(VQN58_BIN_DIR "/VQN58.OVL", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }();
    ASSERT_FALSE(overlay.empty());
    Harness h(overlay);
    const ChannelSheetState state;
    h.sheet = new iuiSheet(h.env, &h.area, nullptr, 0, 0, "GI_Sheet_IntCh", state);
    h.sheet->Build();
    h.area.show();
    h.Grid().setFocus();
    cuiSheet& sheet = *h.sheet;
    EXPECT_EQ(sheet.Layout().RowCount(), 305);
    EXPECT_EQ(sheet.TitleText(), "International channels");
    EXPECT_EQ(sheet.Current(), (GridPos{1, 1}));
    // Rows are as high as their text, so the channels show.
    EXPECT_GT(h.Grid().CellRect({2, 1}).height(), 10);
    h.Key(Qt::Key_PageDown);
    h.Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(sheet.Current(), (GridPos{1, 12}));
    EXPECT_TRUE(sheet.Highlighted({7, 11}));
    if (const QByteArray shot = qgetenv("VQN58_SHEET_SHOT"); !shot.isEmpty()) {
        h.area.grab().save(QString::fromLocal8Bit(shot));
    }
    // Thumb tracking: the rows follow the scroll bar's value.
    h.Grid().verticalScrollBar()->setValue(100);
    EXPECT_EQ(h.Grid().TopRow(), 100);
    for (int i = 0; i < 40; ++i) {
        h.Key(Qt::Key_PageDown);
    }
    EXPECT_EQ(sheet.Current(), (GridPos{1, 304}));
    EXPECT_EQ(h.Grid().TopRow(), h.Grid().Geometry().MaxTopRow());
    h.Key(Qt::Key_Left); // the row number column is not selectable
    EXPECT_EQ(sheet.Current(), (GridPos{1, 304}));
    EXPECT_EQ(h.TakeCalls().back().command, 0x2500);
}

TEST(SheetEvents, RepaintRequestsAndCommitReachTheSheet) {
    Harness h(ChannelSheet());
    cuiSheet& sheet = h.Build();
    h.behaviour.command = [](cmcCellCapsule& capsule) {
        capsule.OutText = "typed";
        return 2;
    };
    h.Key(Qt::Key_T);
    ASSERT_TRUE(sheet.EditorShown());
    h.behaviour.command = nullptr;
    h.TakeCalls();
    h.events.Send(kEvCommitInput);
    EXPECT_FALSE(sheet.EditorShown());
    const auto calls = h.TakeCalls();
    ASSERT_EQ(calls.size(), 1U);
    EXPECT_EQ(calls[0].editState, 1);
    EXPECT_EQ(calls[0].inputText, "typed");

    // A repaint request redraws the visible cells with a kind (through the behaviour).
    QApplication::processEvents();
    const int before = h.behaviour.drawn;
    h.events.Send(kEvRepaintKindCells);
    h.Grid().RepaintNow();
    EXPECT_GT(h.behaviour.drawn, before);
}

// A text wider than its column is shown whole in the cell's tool tip; one that fits has none.
TEST(SheetToolTips, ATextCutByItsColumnIsShownWhole) {
    Harness h(ChannelSheet(3));
    const std::string longText = "A note far too long to be shown whole in a column of four letters";
    h.behaviour.draw = [&](cmcCellCapsule& capsule) { capsule.OutText = capsule.Cell->Index() == 1 ? longText : "ok"; };
    h.Build();
    auto tipAt = [&](GridPos pos) {
        QHelpEvent help(QEvent::ToolTip, h.Centre(pos), h.Grid().viewport()->mapToGlobal(h.Centre(pos)));
        QApplication::sendEvent(h.Grid().viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
    };
    EXPECT_EQ(tipAt({1, 1}), "");
    EXPECT_EQ(tipAt({0, 0}), ""); // a header that fits
    EXPECT_EQ(tipAt({1, 2}), longText);
}

} // namespace
