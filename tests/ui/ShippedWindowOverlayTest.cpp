// The main window's parts of the shipped overlay: the menu, tool bar and tree build, every tree entry
// names a sheet that exists, and every warning-check cell marks an entry of the tree.

#include "WidgetFixture.h"
#include "events/cmcEvMan.h"
#include "model/CellKinds.h"
#include "support/FakeClock.h"
#include "ui/BodyLines.h"
#include "ui/IconSet.h"
#include "ui/cuiMenu.h"
#include "ui/cuiToolBar.h"
#include "ui/cuiTree.h"

#include <QMainWindow>
#include <QMenuBar>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace {

std::string ReadOverlay() {
    std::ifstream file(VQN58_BIN_DIR "/VQN58.OVL", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class ShippedWindowOverlay : public ::testing::Test {
protected:
    std::set<std::string> Headers() const {
        std::set<std::string> headers;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (line.size() > 1 && line[0] == '#') {
                headers.insert(line.substr(1, line.find_last_not_of('\r')));
            }
        }
        return headers;
    }

    QApplication& application = uitest::Application();
    std::string text = ReadOverlay();
    TextDefinitionSource source{text};
    testsupport::FakeTime time;
    cmcEvMan events{time.Timers()};
    uitest::RecordingBehaviour behaviour;
    std::vector<QIcon> images = std::vector<QIcon>(13);
};

TEST_F(ShippedWindowOverlay, TreeEntriesNameSheetsAndTheWarningCheckMarksThem) {
    ASSERT_FALSE(text.empty());
    QWidget panel;
    cuiTree tree(&panel, source, time.Timers(), "GI_Tree_Main", images);
    tree.Build();
    const std::set<std::string> headers = Headers();
    int sheets = 0;
    for (QTreeWidgetItem* item : tree.NodesInOrder()) {
        const cmcCellObj* cell = cuiTree::CellOf(item);
        if (cell->Argument()) {
            EXPECT_TRUE(headers.contains(*cell->Argument() + "_Cells")) << *cell->Argument();
            ++sheets;
        }
    }
    EXPECT_GE(sheets, 9);
    EXPECT_NE(tree.FindNodeByArgument("GI_Sheet_MakerR"), nullptr);
    // Every sheet the warning check names is an entry the tree can mark.
    cuiTree::CheckMarks marks;
    for (const std::string& line : ui::ReadBodyLines(source, "GI_WarningCheckList")) {
        cmcCellObj check;
        check.Parse(line, nullptr, nullptr, source);
        marks.warnings.insert(check.Argument().value_or(""));
    }
    EXPECT_EQ(marks.warnings.size(), 4u);
    EXPECT_EQ(tree.ShowMarks(marks).warnings, 4);
}

TEST_F(ShippedWindowOverlay, MainMenuAndToolBarBuild) {
    QMainWindow window;
    cuiMenu menu(window.menuBar(), source, events, behaviour, "GI_Menu_Main");
    menu.Build();
    for (const int kind : {25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 39, 40, 41, 42, 43, 44}) {
        EXPECT_TRUE(menu.HasKind(kind)) << kind;
    }
    cuiToolBar bar(&window, source, events, behaviour, "GI_ToolBar_Main", images);
    bar.Build();
    EXPECT_EQ(bar.Buttons().size(), 10U);
    // Undo and Redo, then the placeholder of the Edit menu, which the behaviour object asks for, after a
    // separator.
    events.SendText(11, 0, 33, "GI_PMenu_NoItem");
    const std::vector<QAction*> edit = menu.Items(menu.FindByKind(33)->menu());
    ASSERT_EQ(edit.size(), 4U);
    EXPECT_EQ(cuiMenu::CellOf(edit[0])->Kind(), model::kKindUndo);
    EXPECT_EQ(edit[1]->shortcuts(), QKeySequence::listFromString(QStringLiteral("Ctrl+Shift+Z; Ctrl+Y")));
    EXPECT_TRUE(edit[2]->isSeparator());
    EXPECT_EQ(menu.EventItemCount(33), 1) << "the placeholder is the Edit menu's only pop-up item";
    events.Send(10, 0, 33); // the sheet's items go, Undo and Redo stay
    EXPECT_EQ(menu.Items(menu.FindByKind(33)->menu()).size(), 2U);
}

TEST_F(ShippedWindowOverlay, EveryPictureIsThereAt1xAnd2x) {
    std::vector<std::string> names = ui::TreeIconNames();
    for (const std::string& name : ui::ToolBarIconNames()) {
        names.push_back(name);
    }
    names.emplace_back(ui::kAppIconName);
    const std::vector<QIcon> icons = ui::LoadIcons(VQN58_BIN_DIR "/icons", names);
    ASSERT_EQ(icons.size(), names.size());
    for (std::size_t i = 0; i < icons.size(); ++i) {
        const QList<QSize> sizes = icons[i].availableSizes();
        ASSERT_EQ(sizes.size(), 2) << names[i];
        EXPECT_EQ(sizes[1], sizes[0] * 2) << names[i];
    }
}

} // namespace
