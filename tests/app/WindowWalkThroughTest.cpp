// A new user's session in the real window with the real sheets: read the simulated radio, edit free
// channels and copy a row with the keyboard, save, reopen the file and write it back into the radio.

#include "WalkThroughFixture.h"
#include "model/CellKinds.h"
#include "model/datCh.h"

#include <QDesktopServices>
#include <QMenu>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>

namespace {

using testsupport::Answer;
using testsupport::WindowWalkThrough;

TEST_F(WindowWalkThrough, ReadEditSaveReopenAndWriteBack) {
    StartWithSimulatedRadio();
    MenuItem(39)->trigger(); // Read
    ASSERT_TRUE(RunUntil([&] { return App().IsModified() && Form().isEnabled(); }));
    EXPECT_EQ(box.Count(), 0u);

    cuiSheet& free = OpenFromTree("GI_Sheet_FreeCh");
    TypeIntoFreeChannel(0, 1, "156.800");
    Key(Qt::Key_Return);
    TypeIntoFreeChannel(0, 3, "16A");
    Key(Qt::Key_Return);
    EXPECT_EQ(FreeRow(App().MainImage(), 0), "free,0,1,,,,,,,156800000,156800000,16A");

    // Copy the row with Ctrl+C and paste it two rows down with Ctrl+V.
    free.SetCurrentCell({1, 1}, 1);
    free.Grid().setFocus();
    Run(50);
    Key(Qt::Key_C, Qt::ControlModifier);
    free.SetCurrentCell({1, 3}, 1);
    box.Script({Answer::Ok});
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.Count(), 1u); // the paste is confirmed first
    EXPECT_EQ(FreeRow(App().MainImage(), 2), "free,2,3,,,,,,,156800000,156800000,16A");

    // An edit still open when another sheet is chosen in the tree is kept.
    TypeIntoFreeChannel(1, 3, "10b");
    OpenFromTree("GI_Sheet_ComSet");
    EXPECT_TRUE(FreeRow(App().MainImage(), 1).ends_with(",10b")) << FreeRow(App().MainImage(), 1);

    const std::filesystem::path saved = dir.Path() / "boat.qcf";
    dialogs.Script({saved});
    MenuItem(28)->trigger(); // Save As
    ASSERT_TRUE(std::filesystem::exists(saved));
    EXPECT_FALSE(App().IsModified());
    EXPECT_EQ(Form().windowTitle().toStdString(), "boat.qcf - VQ-N58 Cloning Program");

    // A new document, then the saved file opened again: the edits are there.
    MenuItem(25)->trigger(); // New
    EXPECT_FALSE(FreeRow(App().MainImage(), 0).ends_with(",16A"));
    dialogs.Script({saved});
    MenuItem(26)->trigger(); // Open
    EXPECT_EQ(FreeRow(App().MainImage(), 2), "free,2,3,,,,,,,156800000,156800000,16A");

    box.Clear();
    box.Script({Answer::Ok});
    MenuItem(40)->trigger(); // Write
    ASSERT_TRUE(RunUntil([&] { return box.Count() == 2 && Form().isEnabled(); }));
    EXPECT_EQ(box.Last().icon, platform::IMessageBox::Icon::Information);
    EXPECT_EQ(FreeRow(program->Link().SimulatedRadio()->Image(), 2), FreeRow(App().MainImage(), 2));
    EXPECT_TRUE(FreeRow(program->Link().SimulatedRadio()->Image(), 1).ends_with(",10b"));
}

// A first start sizes the window for the settings sheets (their notes are wide) as far as the screen
// allows; a size the user left wins.
TEST_F(WindowWalkThrough, AFirstStartFitsTheSettingsSheetAndAStoredSizeWins) {
    StartActive();
    const QRect work = Form().screen()->availableGeometry();
    int widest = 0;
    for (const char* key : {"GI_Sheet_ComSet", "GI_Sheet_Atis", "GI_Sheet_ComCom", "GI_Sheet_ComExp"}) {
        widest = std::max(widest, OpenFromTree(key).NeededSize().width());
    }
    const int wanted = App().Environ().splitterV + widest;
    EXPECT_GE(Form().width(), std::min(wanted, work.width() * 9 / 10));
    EXPECT_LE(Form().width(), work.width() * 9 / 10);
    EXPECT_LE(Form().height(), work.height() * 9 / 10);
    EXPECT_LE(std::abs(Form().geometry().center().x() - work.center().x()), 1);
    program.reset();

    RestartSettings([](testsupport::MemorySettingsStore& saved) {
        saved.WriteInt("Window Position", "Width", 500);
        saved.WriteInt("Window Position", "Height", 300);
    });
    ASSERT_TRUE(settings.LoadedFromStore());
    Start();
    EXPECT_EQ(Form().geometry().size(), QSize(500, 300));
}

TEST_F(WindowWalkThrough, TabMovesBetweenTreeAndSheetAndShiftF10OpensTheRowMenu) {
    StartActive();
    cuiSheet& sheet = OpenFromTree("GI_Sheet_IntCh");
    Form().Tree()->setFocus();
    Key(Qt::Key_Tab);
    EXPECT_TRUE(sheet.Grid().hasFocus());
    Key(Qt::Key_Backtab);
    EXPECT_TRUE(Form().Tree()->hasFocus());

    Key(Qt::Key_Tab);
    sheet.SetCurrentCell({0, 5}, 1);
    Run(50);
    ASSERT_NE(sheet.ContextMenu(), nullptr);
    Key(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(sheet.ContextMenu()->isVisible());
    sheet.ContextMenu()->hide();
}

// The Edit menu holds the current row's pop-up menu; without one it says so by its placeholder alone.
TEST_F(WindowWalkThrough, TheEditMenuShowsItsPlaceholderOnlyWithoutARowMenu) {
    constexpr int kNoItem = 58; // CL_PMenu_NoItem
    StartActive();
    OpenFromTree("GI_Sheet_ComSet");
    Run(50);
    Form().Menu().Refresh();
    ASSERT_NE(MenuItem(kNoItem), nullptr);
    EXPECT_TRUE(MenuItem(kNoItem)->isVisible()) << "the placeholder alone is shown";

    cuiSheet& sheet = OpenFromTree("GI_Sheet_IntCh");
    sheet.Grid().setFocus();
    sheet.SetCurrentCell({1, 5}, 1);
    Run(50);
    Form().Menu().Refresh();
    const std::vector<QAction*> edit = Form().Menu().Items(MenuItem(33)->menu());
    const auto shown = std::count_if(edit.begin(), edit.end(), [](const QAction* a) {
        return !a->isSeparator() && a->isVisible() && cuiMenu::CellOf(a)->Kind() == kNoItem;
    });
    EXPECT_EQ(shown, 0) << "beside a row's commands the placeholder is hidden";
}

// The grid takes the function keys as cell commands: the menu's F1 must still come first.
TEST_F(WindowWalkThrough, F1OnASheetsGridOpensTheShippedManual) {
    QTextBrowser browser; // stands in for the desktop's browser
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "setSource");
    StartActive();
    OpenFromTree("GI_Sheet_IntCh");
    ASSERT_TRUE(Form().CurrentSheet()->FocusGrid());
    Key(Qt::Key_F1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(browser.source(), QUrl::fromLocalFile(QStringLiteral(VQN58_BIN_DIR "/vqn58-help.html")));
    EXPECT_EQ(browser.documentTitle().toStdString(), "VQ-N58 Cloning Program - User Manual");
    EXPECT_EQ(box.Count(), 0u);
}

// A change the radio must not take shows on the tree a moment after the key that made it, and the mark's
// tool tip says what is wrong.
TEST_F(WindowWalkThrough, TheDelayedWarningCheckMarksTheSheetInError) {
    StartActive();
    cuiSheet& sheet = OpenFromTree("GI_Sheet_IntCh");
    QTreeWidgetItem* node = Form().Tree()->FindNodeByArgument("GI_Sheet_IntCh");
    EXPECT_EQ(cuiTree::MarkOf(node), cuiTree::kNoMark);

    datCh channel(App().MainImage());
    channel.Load(1, 10);
    channel.MarkA = true;
    channel.Inhibited = true;
    channel.Store(1, 10);
    sheet.Grid().setFocus();
    Key(Qt::Key_Space); // any key a cell answers asks for the check
    Run(100);
    EXPECT_EQ(cuiTree::MarkOf(node), cuiTree::kNoMark); // not at once: the check waits for typing to stop
    Run(300);
    EXPECT_EQ(cuiTree::MarkOf(node), cuiTree::kWarning);
    EXPECT_EQ(Form().CellsInError(), 1);
    EXPECT_TRUE(node->toolTip(0).contains(QStringLiteral("A channel with a P or C mark is inhibited.")));
}

// The usable-channels view saved by the last run: the sheet shows the usable rows and a Paste of two
// rows lands on the two rows shown under the cursor, not on a channel the view hides between them.
TEST_F(WindowWalkThrough, AStartWithTheUsableViewSavedPastesOnTheRowsShown) {
    constexpr std::uint8_t kIntPlan = 1;
    settings.chListType = true; // as loaded from the settings at start
    StartActive();
    cmcEeprom& image = App().MainImage();
    std::vector<std::int32_t> shown;
    for (std::int32_t channel = 0; channel < 304; ++channel) {
        if (IsUsableChannel(image, kIntPlan, channel)) {
            shown.push_back(channel);
        }
    }
    // Pairs of rows shown one under the other with hidden channels between them: the rows copied and,
    // further down, the rows pasted on.
    std::vector<std::size_t> gaps;
    for (std::size_t row = 0; row + 1 < shown.size(); ++row) {
        if (shown[row + 1] != shown[row] + 1) {
            gaps.push_back(row);
        }
    }
    ASSERT_GE(gaps.size(), 2u);
    const std::size_t source = gaps[0];
    const std::size_t target =
        *std::find_if(gaps.begin(), gaps.end(), [&](std::size_t row) { return row > source + 1; });
    const std::int32_t hidden = shown[target] + 1;
    for (const std::size_t row : {std::size_t{0}, std::size_t{1}}) {
        datCh copied(image);
        copied.Load(kIntPlan, shown[source + row]);
        copied.Tagged = true;
        copied.Poc = row == 1;
        copied.Store(kIntPlan, shown[source + row]);
    }
    // The hidden rows between the copied ones differ from the one between the rows pasted on.
    datCh hiddenRow(image);
    hiddenRow.Load(kIntPlan, hidden);
    for (std::int32_t channel = shown[source] + 1; channel < shown[source + 1]; ++channel) {
        datCh between(image);
        between.Load(kIntPlan, channel);
        between.TxInhibit = !hiddenRow.TxInhibit;
        between.Store(kIntPlan, channel);
    }
    const std::string hiddenBefore = model::ChannelCsvRow(image, kIntPlan, hidden);

    cuiSheet& sheet = OpenFromTree("GI_Sheet_IntCh");
    ASSERT_EQ(sheet.Layout().RowCount(), static_cast<std::int32_t>(shown.size()) + 1);
    constexpr std::int32_t kTagColumn = 3;
    sheet.SetCurrentCell({kTagColumn, static_cast<std::int32_t>(source) + 1}, 1);
    sheet.Grid().setFocus();
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    sheet.SetCurrentCell({kTagColumn, static_cast<std::int32_t>(target) + 1}, 1);
    box.Script({Answer::Ok, Answer::Ok});
    Key(Qt::Key_V, Qt::ControlModifier);

    for (const std::size_t row : {std::size_t{0}, std::size_t{1}}) {
        datCh pasted(image);
        pasted.Load(kIntPlan, shown[target + row]);
        EXPECT_TRUE(pasted.Tagged) << row;
        EXPECT_EQ(pasted.Poc, row == 1) << row;
    }
    EXPECT_EQ(model::ChannelCsvRow(image, kIntPlan, hidden), hiddenBefore);
}

TEST_F(WindowWalkThrough, UndoTakesAnEditBackOnItsSheetAndRedoMakesItAgain) {
    StartActive();
    QAction* undo = MenuItem(model::kKindUndo);
    ASSERT_NE(undo, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    OpenFromTree("GI_Sheet_FreeCh");
    const std::string before = FreeRow(App().MainImage(), 0);
    TypeIntoFreeChannel(0, 3, "16A");
    Key(Qt::Key_Return);
    const std::string edited = FreeRow(App().MainImage(), 0);
    ASSERT_NE(edited, before);
    const GridPos editedAt = Sheet().Current();
    Sheet().SetCurrentCell({editedAt.column, editedAt.row + 5}, 1); // the user moved on

    OpenFromTree("GI_Sheet_ComSet");
    Form().Tree()->setFocus();
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(FreeRow(App().MainImage(), 0), before);
    EXPECT_FALSE(App().IsModified()); // back where the document started
    ASSERT_NE(Form().CurrentSheet(), nullptr);
    EXPECT_EQ(Form().CurrentSheet()->Key(), "GI_Sheet_FreeCh"); // shown where the change was made
    EXPECT_EQ(Sheet().Current(), editedAt);

    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(FreeRow(App().MainImage(), 0), edited);
    EXPECT_TRUE(App().IsModified());
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); // nothing left to redo
    EXPECT_EQ(FreeRow(App().MainImage(), 0), edited);
}

} // namespace
