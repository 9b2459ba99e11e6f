#include "WidgetFixture.h"
#include "events/Event.h"
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "support/FakeClock.h"
#include "ui/cuiMenu.h"
#include "ui/cuiToolBar.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// A main menu with File (New, Recent, Exit), Port (COM1, COM2) and an empty Edit; a pop-up body for
// event 11; a tool bar of two buttons, a gap, a row break and a third button.
const char* const kOverlay = R"(#M_BasicCell
{}
#M_Body
+{(%CL_Menu_Edit_Top)}&Edit
+&File
 +{(%CL_Menu_File_New:Ctrl+N)}&New
 +{(%CL_Menu_File_Recent[0])}Recent
 +-
 +{(%CL_Menu_File_Exit)}E&xit
+&Port
 +{(%CL_Menu_Port_Com[1])}COM1
 +{(%CL_Menu_Port_Com[2])}COM2
#
#P_BasicCell
{(%CT_PopupMenu.)}
#P_Body
+{(%CL_PMenu_Copy)}Copy
+{(%CL_PMenu_Paste)}Paste
#
#Q_BasicCell
{(%CT_PopupMenu.)}
#Q_Body
+{(%CL_PMenu_NoItem)}(none)
#
#B_BasicCell
{}
#B_Body
{(%CL_Menu_File_New)(ImageIndex=0)}New
{(%CL_Menu_Port_Com[1])(ImageIndex=3)}COM1
-
{(%CL_Menu_Port_Com[2])(ImageIndex=4)}COM2
/
{(%CL_Menu_Clone_Read)(ImageIndex=7)}Read
#
#End_Of_Ovl
)";

std::vector<std::string> Captions(const std::vector<QAction*>& actions) {
    std::vector<std::string> texts;
    for (const QAction* action : actions) {
        texts.push_back(action->isSeparator() ? std::string("-") : action->text().toStdString());
    }
    return texts;
}

class MenuTest : public ::testing::Test {
protected:
    MenuTest() {
        images.assign(13, QIcon());
        // The port of the behaviour's world: ticks COM<port>, and a recent file only when there is one.
        behaviour.answer = [this](cmcCellCapsule& c) {
            cmcCellObj& cell = *c.Cell;
            if (cell.Kind() == 36) {
                if (c.Command == 13) {
                    port = cell.Index();
                }
                cell.SetFlag(0, cell.Index() == port);
            }
            if (cell.Kind() == 31) {
                cell.SetFlag(2, recent.empty());
                cell.SetDisplayText("&1 " + recent);
                cell.SetFlag(3, !recent.empty());
            }
        };
    }

    QApplication& application = uitest::Application(); // before any widget
    TextDefinitionSource source{kOverlay};
    testsupport::FakeTime time;
    cmcEvMan events{time.Timers()};
    uitest::RecordingBehaviour behaviour;
    std::vector<QIcon> images;
    int port = 1;
    std::string recent;
};

TEST_F(MenuTest, BuildsTheNestingWithShortcutsAndSeparators) {
    QMenuBar bar;
    cuiMenu menu(&bar, source, events, behaviour, "M");
    menu.Build();
    EXPECT_EQ(Captions(menu.Items()), (std::vector<std::string>{"&Edit", "&File", "&Port"}));
    QMenu* file = menu.Items()[1]->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(Captions(menu.Items(file)), (std::vector<std::string>{"&New", "Recent", "-", "E&xit"}));
    EXPECT_EQ(menu.Items(file)[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    ASSERT_NE(menu.Items()[0]->menu(), nullptr); // a top item without children still opens a menu
    menu.Build();                                // again: from scratch
    EXPECT_EQ(menu.Items().size(), 3U);
}

TEST_F(MenuTest, RefreshShowsEachCellsAnswerAndAClickRunsItsCommand) {
    QMenuBar bar;
    cuiMenu menu(&bar, source, events, behaviour, "M");
    menu.Build();
    events.Send(kEvRefreshMenu);
    QAction* com1 = menu.FindByKind(36);
    QAction* com2 = menu.Items(menu.Items()[2]->menu())[1];
    QAction* recentItem = menu.FindByKind(31);
    EXPECT_TRUE(com1->isChecked());
    EXPECT_FALSE(com2->isChecked());
    EXPECT_FALSE(recentItem->isEnabled());
    EXPECT_EQ(recentItem->text().toStdString(), "Recent");

    recent = "radio.qcf";
    com2->trigger(); // command 13, then the whole menu is refreshed
    EXPECT_EQ(port, 2);
    EXPECT_FALSE(com1->isChecked());
    EXPECT_TRUE(com2->isChecked());
    EXPECT_TRUE(recentItem->isEnabled());
    EXPECT_EQ(recentItem->text().toStdString(), "&1 radio.qcf");
    EXPECT_EQ(behaviour.requests.back().kind, 36);

    behaviour.answer = [](cmcCellCapsule& c) {
        c.Cell->SetFlag(1, c.Cell->Kind() == 25);
        c.Cell->SetFlag(2, c.Cell->Kind() == 32);
    };
    menu.Refresh();
    EXPECT_FALSE(menu.FindByKind(25)->isVisible());
    EXPECT_TRUE(menu.FindByKind(32)->isVisible());
    EXPECT_FALSE(menu.FindByKind(32)->isEnabled());
}

TEST_F(MenuTest, SubmenuEventsFillAndEmptyTheItemOfAKind) {
    QMenuBar bar;
    cuiMenu menu(&bar, source, events, behaviour, "M");
    menu.Build();
    EXPECT_EQ(menu.EventItemCount(33), 0);
    events.SendText(kEvRebuildSubmenu, 0, 33, "P");
    QMenu* edit = menu.FindByKind(33)->menu();
    EXPECT_EQ(Captions(menu.Items(edit)), (std::vector<std::string>{"Copy", "Paste"}));
    EXPECT_EQ(menu.EventItemCount(33), 2);
    events.SendText(kEvRebuildSubmenu, 0, 33, "P"); // rebuilt, not added twice
    EXPECT_EQ(menu.Items(edit).size(), 2U);
    events.Send(kEvClearSubmenu, 0, 99); // no item of that kind: nothing
    EXPECT_EQ(menu.Items(edit).size(), 2U);
    events.Send(kEvClearSubmenu, 0, 33);
    EXPECT_TRUE(menu.Items(edit).empty());
    EXPECT_EQ(menu.EventItemCount(33), 0);
    events.SendText(kEvRebuildSubmenu, 0, 33, "Q");
    EXPECT_EQ(menu.EventItemCount(33), 1) << "the placeholder alone";
    EXPECT_EQ(menu.EventItemCount(99), 0);
}

// A sheet that answers for its own menu with its current cell and records the items chosen for it.
struct AnsweringSheet {
    static void OnEvent(void* context, const Event& event) {
        auto* self = static_cast<AnsweringSheet*>(context);
        if (event.first != reinterpret_cast<cmcEvArg>(self->menu)) {
            return;
        }
        if (event.type == kEvQueryActiveCell) {
            const cmcCellObj* cell = &self->current;
            self->events->Answer(&cell, sizeof cell);
        } else if (event.type == kEvChooseContextItem) {
            self->chosen.push_back(static_cast<int>(event.second));
        }
    }
    cmcEvMan* events;
    QObject* menu;
    cmcCellObj current;
    std::vector<int> chosen;
};

TEST_F(MenuTest, ItemsPutInForASheetsMenuAreRunByThatSheet) {
    QMenuBar bar;
    cuiMenu menu(&bar, source, events, behaviour, "M");
    menu.Build();
    // The sheet fills the Edit menu with its own context menu's items, naming itself by its menu.
    QMenu sheetMenu;
    events.SendText(kEvRebuildSubmenu, reinterpret_cast<cmcEvArg>(&sheetMenu), 33, "P");
    QMenu* edit = menu.FindByKind(33)->menu();
    AnsweringSheet sheet{&events, &sheetMenu, {}, {}};
    sheet.current.SetKind(120);
    events.Register(&AnsweringSheet::OnEvent, &sheet);
    menu.Items(edit)[1]->trigger();
    EXPECT_EQ(sheet.chosen, std::vector<int>{61}); // CL_PMenu_Paste, on the sheet's current cell
    EXPECT_TRUE(std::none_of(
        behaviour.requests.begin(), behaviour.requests.end(), [](const auto& r) { return r.command == 13; }));
    menu.FindByKind(25)->trigger(); // an item of the menu itself: command 13, no sheet's cell as parent
    events.Unregister(&AnsweringSheet::OnEvent, &sheet);
    const auto command = std::find_if(
        behaviour.requests.begin(), behaviour.requests.end(), [](const auto& r) { return r.command == 13; });
    ASSERT_NE(command, behaviour.requests.end());
    EXPECT_EQ(command->kind, 25);
    EXPECT_EQ(command->parentKind, -1);

    // The placeholder asked for at a refresh leaves the sheet's items; it fills the menu once the sheet
    // has emptied it.
    events.SendText(kEvRebuildSubmenu, 0, 33, "Q");
    EXPECT_EQ(Captions(menu.Items(edit)), (std::vector<std::string>{"Copy", "Paste"}));
    events.Send(kEvClearSubmenu, 0, 33);
    events.SendText(kEvRebuildSubmenu, 0, 33, "Q");
    EXPECT_EQ(Captions(menu.Items(edit)), (std::vector<std::string>{"(none)"}));
}

TEST_F(MenuTest, ASubmenuAskedForByItsItemsAnswerIsBuiltOnce) {
    QMenuBar bar;
    cuiMenu menu(&bar, source, events, behaviour, "M");
    menu.Build();
    // As the behaviour object does for the Edit menu: every answer of its item asks for the placeholder.
    behaviour.answer = [this](cmcCellCapsule& c) {
        if (c.Cell->Kind() == 33) {
            events.PostText(kEvRebuildSubmenu, 0, 33, "P");
        }
    };
    menu.Refresh();
    time.Advance(200);
    EXPECT_EQ(menu.Items(menu.FindByKind(33)->menu()).size(), 2U);
    EXPECT_EQ(events.QueuedEvents(), 0U);
}

TEST_F(MenuTest, EmptyBodyBuildsNothing) {
    TextDefinitionSource empty("#E_BasicCell\n{}\n#E_Body\n#x\n#End_Of_Ovl\n");
    QMenuBar bar;
    cuiMenu menu(&bar, empty, events, behaviour, "E");
    menu.Build();
    EXPECT_TRUE(menu.Items().empty());
}

TEST_F(MenuTest, ToolBarRowsGapsAndPressedButtonsFollowTheCells) {
    QMainWindow window;
    cuiToolBar bar(&window, source, events, behaviour, "B", images);
    bar.Build();
    ASSERT_EQ(bar.Rows().size(), 2U);
    EXPECT_EQ(Captions(bar.Buttons()), (std::vector<std::string>{"New", "COM1", "COM2", "Read"}));
    EXPECT_EQ(bar.Rows()[0]->actions().size(), 4); // three buttons and the gap
    EXPECT_EQ(bar.Buttons()[1]->toolTip().toStdString(), "COM1");

    events.Send(kEvRefreshToolBar);
    EXPECT_TRUE(bar.Buttons()[1]->isChecked());
    bar.Buttons()[2]->trigger();
    EXPECT_EQ(port, 2);
    EXPECT_FALSE(bar.Buttons()[1]->isChecked()); // flags cleared before the refresh
    EXPECT_TRUE(bar.Buttons()[2]->isChecked());
    EXPECT_FALSE(bar.Buttons()[0]->isChecked());
}

} // namespace
