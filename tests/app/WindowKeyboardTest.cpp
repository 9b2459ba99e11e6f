// The keyboard in the real window with the real sheets and menus: what is typed into a cell is what is
// stored, the window's shortcuts leave an open editor alone, pop-up lists open on the current value,
// and the focus comes back where it was after lists, menus and clone operations.

#include "WalkThroughFixture.h"
#include "model/CellKinds.h"
#include "model/ModelRules.h"
#include "sheets/SheetLayout.h"
#include "sheets/cmcCellObj.h"
#include "support/KeyboardTyping.h"
#include "ui/cuiTree.h"

#include <QClipboard>
#include <QScreen>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

using testsupport::Answer;
using testsupport::ChordClick;
using testsupport::TypeWithShift;
using testsupport::WindowWalkThrough;

class WindowKeyboard : public WindowWalkThrough {
protected:
    // The first selectable cell of `kind` on the open sheet.
    std::optional<GridPos> FindCell(std::int32_t kind) {
        const SheetLayout& layout = Sheet().Layout();
        for (std::int32_t r = 0; r < layout.RowCount(); ++r) {
            for (std::int32_t c = 0; c < layout.ColumnCount(); ++c) {
                const cmcCellObj& cell = layout.Slot(c, r).Cell();
                if (cell.Selectable() && cell.Kind() == kind) {
                    return GridPos{c, r};
                }
            }
        }
        return std::nullopt;
    }
    // Puts the cursor on `pos` of the open sheet with the keyboard focus on its grid.
    void Focus(GridPos pos) {
        Sheet().SetCurrentCell(pos, 1);
        Sheet().Grid().setFocus();
        QApplication::processEvents();
    }
    std::vector<std::uint8_t> Bytes(const cmcEeprom& image) { return {image.Data(), image.Data() + image.GetSize()}; }
    // The first address where the main image differs from `before`, or -1.
    int FirstChange(const std::vector<std::uint8_t>& before) {
        const std::vector<std::uint8_t> now = Bytes(App().MainImage());
        const auto [at, _] = std::ranges::mismatch(before, now);
        return at == before.end() ? -1 : static_cast<int>(at - before.begin());
    }
    // Makes the window the active one again: the offscreen platform leaves no window active after a
    // pop-up list closes, where a desktop gives the activation back to the window below.
    void Activate() {
        QApplication::processEvents();
        if (QApplication::activeWindow() != &Form()) {
            Form().activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
        }
    }
    // The pop-up list window that is open, if any.
    QWidget* OpenList() { return QApplication::activePopupWidget(); }
};

// Capitals typed with Shift, as a keyboard sends them, reach the image whole; so do the window's
// shortcuts inside an open editor, which edit its text and leave the document alone.
TEST_F(WindowKeyboard, MixedCaseTextIsStoredAsTyped) {
    StartActive();
    OpenFromTree("GI_Sheet_ComCom");
    const auto comment = FindCell(model::KindFromName("CL_ComCom_CloneComment"));
    ASSERT_TRUE(comment);
    Focus(*comment);
    Key(Qt::Key_Return);
    ASSERT_TRUE(Sheet().EditorShown());
    Sheet().Editor()->selectAll();
    TypeWithShift(Sheet().Editor(), QStringLiteral("My Boat"));
    Key(Qt::Key_Return);
    EXPECT_EQ(model::CloneFileComment(App().MainImage()), "My Boat");

    OpenFromTree("GI_Sheet_FreeCh");
    TypeIntoFreeChannel(0, 1, "156.8");
    Key(Qt::Key_Return);
    TypeIntoFreeChannel(0, 3, "");
    TypeWithShift(Sheet().Editor(), QStringLiteral("CLA"));
    Key(Qt::Key_Return);
    EXPECT_TRUE(FreeRow(App().MainImage(), 0).ends_with(",CLA")) << FreeRow(App().MainImage(), 0);

    // A half-typed receive frequency keeps its digits while Shift is pressed.
    TypeIntoFreeChannel(1, 1, "12");
    QTest::sendKeyEvent(QTest::Press, Sheet().Editor(), Qt::Key_Shift, QString(), Qt::ShiftModifier);
    QTest::sendKeyEvent(QTest::Release, Sheet().Editor(), Qt::Key_Shift, QString(), Qt::NoModifier);
    EXPECT_TRUE(Sheet().EditorShown());
    EXPECT_EQ(Sheet().Editor()->text(), QStringLiteral("12"));
    Key(Qt::Key_Escape);
}

TEST_F(WindowKeyboard, ShortcutsInsideTheEditorEditItsText) {
    StartActive();
    OpenFromTree("GI_Sheet_FreeCh");
    TypeIntoFreeChannel(0, 1, "156.8");
    Key(Qt::Key_Return);
    TypeIntoFreeChannel(0, 2, "156.8");
    Key(Qt::Key_Return);
    Key(Qt::Key_Z, Qt::ControlModifier); // the document has a step to undo and one to redo
    ASSERT_TRUE(App().CanUndo() && App().CanRedo());
    const std::vector<std::uint8_t> before = Bytes(App().MainImage());
    QApplication::clipboard()->setText(QStringLiteral("25"));

    TypeIntoFreeChannel(1, 1, "156.7");
    InPlaceEditor* editor = Sheet().Editor();
    ChordClick(editor, Qt::Key_Control, Qt::Key_V);
    EXPECT_EQ(editor->text(), QStringLiteral("156.725"));
    ChordClick(editor, Qt::Key_Control, Qt::Key_Z);
    EXPECT_EQ(editor->text(), QStringLiteral("156.7"));
    ChordClick(editor, Qt::Key_Control, Qt::Key_Y);
    QTest::sendKeyEvent(QTest::Press, editor, Qt::Key_Z, QString(), Qt::ControlModifier | Qt::ShiftModifier);
    QTest::sendKeyEvent(QTest::Release, editor, Qt::Key_Z, QString(), Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor->text(), QStringLiteral("156.725"));
    ChordClick(editor, Qt::Key_Control, Qt::Key_Z);
    ChordClick(editor, Qt::Key_Control, Qt::Key_A);
    EXPECT_EQ(editor->selectedText(), QStringLiteral("156.7"));
    ChordClick(editor, Qt::Key_Control, Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("156.7"));
    ChordClick(editor, Qt::Key_Control, Qt::Key_X);
    EXPECT_EQ(editor->text(), QString());

    EXPECT_TRUE(Sheet().EditorShown());
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(box.Count(), 0u); // no paste question
    EXPECT_EQ(FirstChange(before), -1);
    EXPECT_TRUE(App().CanUndo() && App().CanRedo());
    Key(Qt::Key_Escape);
    EXPECT_EQ(FirstChange(before), -1);
}

// Every selection list of every sheet opens on the cell's current value, so choosing at once changes
// nothing. (The P and C column's list is a menu of actions on the row, not a value; it is left out.)
TEST_F(WindowKeyboard, EnterEnterOnEveryListChangesNothing) {
    StartActive();
    const std::int32_t actionMenu = model::KindFromName("CL_ChList_Atr");
    const char* sheetKeys[] = {"GI_Sheet_IntCh",
                               "GI_Sheet_UsaCh",
                               "GI_Sheet_CanCh",
                               "GI_Sheet_WxCh",
                               "GI_Sheet_FreeCh",
                               "GI_Sheet_ComSet",
                               "GI_Sheet_Atis",
                               "GI_Sheet_ComCom",
                               "GI_Sheet_ComExp"};
    int lists = 0;
    for (const char* key : sheetKeys) {
        if (Form().Tree()->FindNodeByArgument(key) == nullptr) {
            continue; // not shown for this model type
        }
        OpenFromTree(key);
        // Each kind once, on its first cell that answers Enter (a channel row the plan does not use
        // answers nothing).
        std::vector<std::int32_t> done;
        const SheetLayout& layout = Sheet().Layout();
        for (std::int32_t r = 0; r < layout.RowCount(); ++r) {
            for (std::int32_t c = 0; c < layout.ColumnCount(); ++c) {
                const cmcCellObj& cell = layout.Slot(c, r).Cell();
                if (!cell.Selectable() || cell.Kind() == actionMenu || std::ranges::count(done, cell.Kind()) > 0) {
                    continue;
                }
                const std::string where = std::string(key) + " " + std::string(model::KindName(cell.Kind()));
                Focus({c, r});
                Activate();
                const std::vector<std::uint8_t> before = Bytes(App().MainImage());
                Key(Qt::Key_Return);
                if (Sheet().EditorShown()) {
                    Key(Qt::Key_Escape);
                    done.push_back(cell.Kind());
                }
                if (OpenList() == nullptr) {
                    continue;
                }
                done.push_back(cell.Kind());
                ++lists;
                Key(Qt::Key_Return);
                EXPECT_EQ(OpenList(), nullptr) << where;
                EXPECT_EQ(FirstChange(before), -1) << where;
                EXPECT_TRUE(Sheet().Grid().hasFocus()) << where;
            }
        }
    }
    EXPECT_GT(lists, 20);
}

// Escape closes a list and gives the focus back to the grid, whose current cell is drawn in the focused
// highlight at once.
TEST_F(WindowKeyboard, AfterEscapeTheCurrentCellIsDrawnFocused) {
    StartActive();
    OpenFromTree("GI_Sheet_ComSet");
    const auto beep = FindCell(model::KindFromName("CL_ComSet_Beep"));
    ASSERT_TRUE(beep);
    Focus(*beep);
    const QRect cell = Sheet().Grid().CellRect(*beep);
    const QPoint inside = Sheet().Grid().viewport()->mapTo(&Form(), QPoint(cell.left() + 2, cell.bottom() - 2));
    // What the window shows (its backing store), not a fresh paint.
    auto stored = [&] {
        return Form().screen()->grabWindow(Form().winId()).toImage().pixelColor(inside).name().toStdString();
    };
    const std::string focused = Sheet().Grid().palette().color(QPalette::Highlight).name().toStdString();
    QApplication::processEvents();
    ASSERT_EQ(stored(), focused);
    Key(Qt::Key_Return);
    ASSERT_NE(OpenList(), nullptr);
    QApplication::processEvents();
    EXPECT_NE(stored(), focused); // the list has the focus
    Key(Qt::Key_Escape);
    EXPECT_EQ(OpenList(), nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(Sheet().Grid().hasFocus());
    EXPECT_EQ(stored(), focused);
}

TEST_F(WindowKeyboard, CtrlHomeAndCtrlEndReachTheFirstAndLastRow) {
    StartActive();
    cuiSheet& sheet = OpenFromTree("GI_Sheet_FreeCh");
    Focus({1, 5});
    Key(Qt::Key_End);
    EXPECT_EQ(sheet.Current(), (GridPos{1, 5})); // alone, End does nothing
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(sheet.Current().column, 1);
    EXPECT_EQ(sheet.Current().row, sheet.Layout().RowCount() - 1);
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(sheet.Current(), (GridPos{1, 1}));
    EXPECT_EQ(sheet.Grid().accessibleName().toStdString(), sheet.TitleText());
    EXPECT_FALSE(sheet.Grid().accessibleName().isEmpty());
}

// After a read the keyboard goes on working: the sheet that is opened again has it, and without a
// sheet the tree keeps it.
TEST_F(WindowKeyboard, TheFocusComesBackAfterARead) {
    StartWithSimulatedRadio();
    OpenFromTree("GI_Sheet_FreeCh");
    Sheet().Grid().setFocus();
    MenuItem(39)->trigger(); // Read
    ASSERT_TRUE(RunUntil([&] { return App().IsModified() && Form().isEnabled() && Form().CurrentSheet(); }));
    Run(100);
    ASSERT_NE(Form().CurrentSheet(), nullptr);
    EXPECT_TRUE(Sheet().Grid().hasFocus());

    Form().Tree()->setCurrentItem(Form().Tree()->topLevelItem(0));
    Run(200);
    Form().Tree()->setFocus();
    MenuItem(39)->trigger();
    ASSERT_TRUE(RunUntil([&] { return !Form().Progress().IsBusy() && Form().isEnabled(); }));
    Run(100);
    EXPECT_TRUE(Form().Tree()->hasFocus());
}

// The session that found the typing faults: read the radio, name a free channel with capitals, write,
// read back, and find the name in the radio.
TEST_F(WindowKeyboard, ANameTypedWithCapitalsReachesTheRadio) {
    StartWithSimulatedRadio();
    MenuItem(39)->trigger(); // Read
    ASSERT_TRUE(RunUntil([&] { return App().IsModified() && Form().isEnabled(); }));
    OpenFromTree("GI_Sheet_FreeCh");
    TypeIntoFreeChannel(5, 1, "157.1");
    Key(Qt::Key_Return);
    TypeIntoFreeChannel(5, 3, "");
    TypeWithShift(Sheet().Editor(), QStringLiteral("HAb")); // the radio's display shows these letters
    Key(Qt::Key_Return);
    const std::string typed = FreeRow(App().MainImage(), 5);
    ASSERT_TRUE(typed.ends_with(",HAb")) << typed;

    box.Script({Answer::Ok});
    MenuItem(40)->trigger(); // Write
    ASSERT_TRUE(RunUntil([&] { return box.Count() == 2 && Form().isEnabled(); }));
    EXPECT_EQ(FreeRow(program->Link().SimulatedRadio()->Image(), 5), typed);
    ASSERT_TRUE(RunUntil([&] { return Form().CurrentSheet() != nullptr; }));
    TypeIntoFreeChannel(5, 3, "1");
    Key(Qt::Key_Return);
    ASSERT_NE(FreeRow(App().MainImage(), 5), typed);
    box.Script({Answer::No}); // the changed name is not saved first
    MenuItem(39)->trigger();  // Read again
    ASSERT_TRUE(RunUntil([&] { return FreeRow(App().MainImage(), 5) == typed && Form().isEnabled(); }))
        << FreeRow(App().MainImage(), 5);
}

} // namespace
