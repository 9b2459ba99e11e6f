// The in-place editor: opening on an answer, the keys that commit or discard it, and what happens to
// an open editor when the sheet goes away.
#include "SheetHarness.h"
#include "sheets/qt/InPlaceEditor.h"
#include "support/KeyboardTyping.h"

#include <QMenu>
#include <gtest/gtest.h>

namespace {

using sheetsqt::ChannelSheet;
using sheetsqt::Harness;

// A sheet whose cells answer Enter by opening the editor with "old" and the caret after it.
struct EditorFixture : ::testing::Test {
    EditorFixture() : h(ChannelSheet(30)) {
        h.Build();
        h.behaviour.command = [](cmcCellCapsule& capsule) {
            if (capsule.Command != 13) {
                return 0;
            }
            capsule.OutText = "old";
            capsule.SelStart = 0;
            capsule.SelLength = 3;
            return 2;
        };
    }

    // Opens the editor on the current cell and types "new" over the selected text.
    void OpenAndType() {
        h.Key(Qt::Key_Return);
        ASSERT_TRUE(h.sheet->EditorShown());
        QTest::keyClicks(h.sheet->Editor(), QStringLiteral("new"));
        h.TakeCalls();
    }

    // The one commit recorded since, or an empty call when there was none.
    testsupport::RecordingBehaviour::Call Commit() {
        for (const auto& call : h.TakeCalls()) {
            if (call.editState == cmcCellCapsule::kEditTyped) {
                return call;
            }
        }
        return {};
    }

    Harness h;
};

TEST_F(EditorFixture, OpensOverTheCellWithTheAnswer) {
    h.Key(Qt::Key_Down);
    h.Key(Qt::Key_Return);
    ASSERT_TRUE(h.sheet->EditorShown());
    InPlaceEditor* editor = h.sheet->Editor();
    EXPECT_EQ(editor->text(), QStringLiteral("old"));
    EXPECT_EQ(editor->selectedText(), QStringLiteral("old"));
    EXPECT_EQ(editor->maxLength(), 1024);
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_TRUE(h.Grid().CellRect({1, 2}).contains(editor->geometry().center()));
}

TEST_F(EditorFixture, KeysThatCommitAndEscape) {
    struct Case {
        const char* what;
        Qt::Key key;
        bool commits;
        GridPos after;
    };
    const Case cases[] = {
        {"Enter", Qt::Key_Return, true, {1, 1}},
        {"Down", Qt::Key_Down, true, {1, 2}},
        {"Up", Qt::Key_Up, true, {1, 1}},
        {"Page Down", Qt::Key_PageDown, true, {1, 11}},
        {"Page Up", Qt::Key_PageUp, true, {1, 1}},
        {"Escape", Qt::Key_Escape, false, {1, 1}},
    };
    for (const Case& c : cases) {
        OpenAndType();
        const GridPos edited = h.sheet->Current();
        h.Key(c.key);
        EXPECT_FALSE(h.sheet->EditorShown()) << c.what;
        EXPECT_TRUE(h.Grid().hasFocus()) << c.what;
        const auto commit = Commit();
        EXPECT_EQ(commit.editState == cmcCellCapsule::kEditTyped, c.commits) << c.what;
        if (c.commits) {
            EXPECT_EQ(commit.inputText, "new") << c.what;
            EXPECT_EQ(commit.command, 0) << c.what;
            EXPECT_EQ(commit.cell.index, edited.row - 1) << c.what;
        }
        EXPECT_EQ(h.sheet->Current(), c.after) << c.what;
    }
}

// Modifier keys arrive as key presses of their own under a window system; they, and every other key
// but the committing ones, edit and never reach the grid.
TEST_F(EditorFixture, ModifierPressesAndOtherKeysStayInTheEditor) {
    h.Key(Qt::Key_Return);
    InPlaceEditor* editor = h.sheet->Editor();
    editor->clear();
    h.TakeCalls();
    testsupport::TypeWithShift(editor, QStringLiteral("My Boat CLA"));
    EXPECT_TRUE(h.sheet->EditorShown());
    EXPECT_EQ(editor->text(), QStringLiteral("My Boat CLA"));

    // Shift with the arrows, Home and End selects, as in every line editor.
    testsupport::ChordClick(editor, Qt::Key_Shift, Qt::Key_Left);
    testsupport::ChordClick(editor, Qt::Key_Shift, Qt::Key_Left);
    EXPECT_EQ(editor->selectedText(), QStringLiteral("LA"));
    testsupport::ChordClick(editor, Qt::Key_Shift, Qt::Key_Home);
    EXPECT_EQ(editor->selectedText(), QStringLiteral("My Boat CLA"));
    QTest::keyClick(editor, Qt::Key_End);
    QTest::sendKeyEvent(QTest::Press, editor, Qt::Key_Alt, QString(), Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Release, editor, Qt::Key_Alt, QString(), Qt::NoModifier);
    QTest::keyClick(editor, Qt::Key_F5);
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_TRUE(h.sheet->EditorShown());
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->text(), QStringLiteral("y Boat CLA"));
    EXPECT_TRUE(h.TakeCalls().empty()) << "a key while editing reached the cell";

    h.Key(Qt::Key_Return);
    EXPECT_EQ(Commit().inputText, "y Boat CLA");
}

TEST_F(EditorFixture, AClickOnAnotherCellCommitsBeforeTheMove) {
    OpenAndType();
    h.Click({2, 3});
    const auto commit = Commit();
    EXPECT_EQ(commit.inputText, "new");
    EXPECT_EQ(commit.cell.index, 0);
    EXPECT_TRUE(commit.isCurrent); // evaluated while the edited cell was still current
    EXPECT_EQ(h.sheet->Current(), (GridPos{2, 3}));
}

TEST_F(EditorFixture, AMenuTakingTheFocusDoesNotCommit) {
    OpenAndType();
    QMenu menu;
    menu.addAction(QStringLiteral("item"));
    menu.popup(h.area.mapToGlobal(QPoint(10, 10)));
    QApplication::processEvents();
    EXPECT_TRUE(h.sheet->EditorShown());
    menu.close();
    QApplication::processEvents();
    EXPECT_TRUE(h.sheet->EditorShown());
    EXPECT_TRUE(h.TakeCalls().empty());
}

TEST_F(EditorFixture, AClosedSheetDropsItsOpenEditor) {
    OpenAndType();
    delete h.sheet;
    h.sheet = nullptr;
    EXPECT_TRUE(h.TakeCalls().empty());
}

} // namespace
