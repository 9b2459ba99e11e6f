// The window's parts on title-only sheets: start-up, menus and tool bar, cloning, questions.

#include "WindowFixture.h"
#include "app/qt/WindowPlacement.h"
#include "events/cmcEvMan.h"
#include "model/CellKinds.h"
#include "model/ImageMap.h"
#include "ui/AboutWindow.h"
#include "ui/StartPanel.h"

#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace {

using testsupport::Answer;
using MainWindowTest = testsupport::WindowFixture;

TEST_F(MainWindowTest, StartsUntitledWithTheTreeOfTheModelAndTheFirstSheetOpens) {
    settings.modelType = 7; // outside 0 to 4: model type 0
    Start();
    EXPECT_EQ(Form().windowTitle().toStdString(), "Untitled - VQ-N58 Cloning Program");
    EXPECT_EQ(Form().minimumSize(), QSize(400, 200));
    EXPECT_EQ(App().ModelType(), 0);
    EXPECT_EQ(Form().Tree()->topLevelItem(0)->text(0).toStdString(), "VQ-N58 (USA)");
    EXPECT_EQ(Form().Tree()->FindNodeByArgument("GI_Sheet_MakerR"), nullptr); // factory entry: maker mode only
    EXPECT_FALSE(App().IsModified());
    // The root entry names no sheet: the main task opens nothing for it.
    Run(500);
    EXPECT_EQ(Form().CurrentSheet(), nullptr);
    Form().Tree()->setCurrentItem(Form().Tree()->FindNodeByArgument("GI_Sheet_ComSet"));
    Run(500);
    ASSERT_NE(Form().CurrentSheet(), nullptr);
    EXPECT_EQ(Form().CurrentSheet()->Key(), "GI_Sheet_ComSet");
}

TEST_F(MainWindowTest, PortItemsOfMenuAndToolBarFollowTheChosenPort) {
    Start();
    settings.comPort = 1;
    events.Send(2);
    EXPECT_TRUE(MenuItem(36)->isChecked());
    QAction* com3 = Form().ToolBar().Buttons()[5];
    ASSERT_EQ(cuiToolBar::CellOf(com3)->Index(), 3);
    com3->trigger();
    EXPECT_EQ(settings.comPort, 3);
    for (QAction* button : Form().ToolBar().Buttons()) {
        const cmcCellObj* cell = cuiToolBar::CellOf(button);
        if (cell->Kind() == 36) {
            EXPECT_EQ(button->isChecked(), cell->Index() == 3) << cell->Index();
        }
    }
    EXPECT_FALSE(MenuItem(36)->isChecked()); // COM1 of the menu
    EXPECT_FALSE(MenuItem(29)->isEnabled()); // nothing to print
}

// Before the user chose a port, the one USB adapter plugged in is the port in use: the menu's hint
// names it, and choosing the ticked item keeps it rather than the port node the number stands for.
TEST_F(MainWindowTest, ThePortMenuNamesTheDeviceAndChoosingItKeepsIt) {
    devices = {{"/dev/ttyS0", "", true, "", false}, {"/dev/ttyUSB9", "USB serial cable", true, "", true}};
    Start();
    QAction* com1 = MenuItem(36);
    ASSERT_EQ(Form().Menu().CellOf(com1)->Index(), 1);
    emit Form().menuBar()->actions()[0]->menu()->aboutToShow(); // a menu opens: the devices are listed
    EXPECT_EQ(com1->statusTip().toStdString(), "COM1 — /dev/ttyUSB9 (USB serial cable)");
    EXPECT_TRUE(com1->isChecked());

    devices.clear(); // the cable is unplugged: the next menu that opens says so
    emit Form().menuBar()->actions()[0]->menu()->aboutToShow();
    EXPECT_EQ(com1->statusTip().toStdString(), "COM1 — simulated radio");

    devices = {{"/dev/ttyUSB9", "USB serial cable", true, "", true}};
    emit Form().menuBar()->actions()[0]->menu()->aboutToShow();
    com1->trigger();
    EXPECT_TRUE(settings.portChosen);
    EXPECT_EQ(settings.ConfiguredPortPath(1), "/dev/ttyUSB9");
    EXPECT_EQ(com1->statusTip().toStdString(), "COM1 — /dev/ttyUSB9 (USB serial cable)");
}

// With nothing open the right side offers the first steps, each a real action, and names the port in
// use; a read from it shows the first sheet instead.
TEST_F(MainWindowTest, TheStartPanelOffersTheFirstStepsAndThePort) {
    Start();
    Run(100);
    auto* panel = dynamic_cast<StartPanel*>(Form().findChild<QWidget*>(QStringLiteral("StartPanel")));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->PortText().toStdString(), "Port in use: COM1 — simulated radio");
    QStringList buttons;
    QPushButton* read = nullptr;
    for (QPushButton* button : panel->findChildren<QPushButton*>()) {
        buttons << button->text();
        if (button->text().startsWith(QStringLiteral("Read"))) {
            read = button;
        }
    }
    EXPECT_EQ(buttons.join(QStringLiteral("|")).toStdString(),
              "Read from Radio...|Open a Clone File...|New (the factory data of the model)|Change...");
    ASSERT_NE(read, nullptr);
    read->click();
    ASSERT_TRUE(RunUntil([&] { return App().IsModified() && Form().isEnabled(); }));
    Run(200);
    EXPECT_NE(Form().CurrentSheet(), nullptr);
    EXPECT_FALSE(panel->isVisible());
}

// Opening a clone file or making a new document from the start panel shows the document's first sheet:
// the panel's "Nothing is open yet" would be wrong once a document is open.
class StartPanelGoesTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StartPanelGoesTest, WhenADocumentIsOpenedOrMadeNew) {
    Start();
    Run(100);
    auto* panel = dynamic_cast<StartPanel*>(Form().findChild<QWidget*>(QStringLiteral("StartPanel")));
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(panel->isVisible());
    ASSERT_EQ(Form().CurrentSheet(), nullptr);
    if (GetParam()) {
        ASSERT_EQ(App().OpenFile(std::filesystem::path(VQN58_BIN_DIR) / "VQN58_0.qcf"), 0);
    } else {
        for (QPushButton* button : panel->findChildren<QPushButton*>()) {
            if (button->text().startsWith(QStringLiteral("New"))) {
                button->click();
            }
        }
    }
    Run(200);
    EXPECT_NE(Form().CurrentSheet(), nullptr);
    EXPECT_FALSE(panel->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Ways, StartPanelGoesTest, ::testing::Bool(), [](const ::testing::TestParamInfo<bool>& way) {
    return std::string(way.param ? "OpenedFile" : "NewDocument");
});

// The cloning window names what runs on which device, counts the bytes, and says when the simulated
// radio answers.
TEST_F(MainWindowTest, TheCloningWindowNamesTheOperationAndTheSimulatedRadio) {
    Start();
    MenuItem(39)->trigger(); // Read
    ASSERT_TRUE(RunUntil([&] { return Form().Progress().isVisible(); }));
    EXPECT_EQ(Form().Progress().windowTitle().toStdString(), "Cloning: simulated radio");
    EXPECT_EQ(Form().Progress().DoingText().toStdString(), "Reading from the simulated radio");
    ASSERT_TRUE(RunUntil([&] { return Form().Progress().DetailText().contains(QStringLiteral(" s left")); }));
    EXPECT_TRUE(Form().Progress().DetailText().contains(QStringLiteral(" of 2,048 bytes, about ")))
        << Form().Progress().DetailText().toStdString();
    ASSERT_TRUE(RunUntil([&] { return !Form().Progress().IsBusy() && Form().isEnabled(); }));
}

TEST_F(MainWindowTest, AReadFromTheSimulatedRadioReplacesTheDocument) {
    settings.comPort = 2;
    store.WriteString("Ports", "COM2", "sim");
    Start();
    App().Environ().SetConfiguredPortPath(2, "sim");
    App().SetBackupFolder(dir / "backups");
    MenuItem(39)->trigger(); // Read
    ASSERT_TRUE(RunUntil([&] { return App().IsModified() && Form().isEnabled(); }));
    EXPECT_EQ(Form().windowTitle().toStdString(), "*Untitled - VQ-N58 Cloning Program");
    EXPECT_FALSE(Form().Progress().isVisible());
    EXPECT_EQ(box.Count(), 0u);
    // The status bar says what happened, and the first sheet of the tree shows what was read.
    const std::string status = Form().Status().MessageText().toStdString();
    EXPECT_TRUE(status.starts_with("Read 2,048 bytes from the simulated radio in ")) << status;
    EXPECT_TRUE(status.ends_with(" s; a copy is in the backups folder")) << status;
    Run(200);
    ASSERT_NE(Form().CurrentSheet(), nullptr);
    EXPECT_EQ(Form().CurrentSheet()->Key(), "GI_Sheet_IntCh");
    // The image read was kept as a backup before it replaced the document.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "backups"), {}), 1);

    // Written back after a change, and read again with the change.
    App().MainImage().SetByte(model::kCommentAddress, 'W');
    box.Script({Answer::Ok});
    MenuItem(40)->trigger(); // Write
    ASSERT_TRUE(RunUntil([&] { return box.Count() == 2 && Form().isEnabled(); }));
    EXPECT_EQ(box.Last().icon, platform::IMessageBox::Icon::Information);
    EXPECT_EQ(program->Link().SimulatedRadio()->Image().GetByte(model::kCommentAddress), 'W');
    // Read back and found as written; the message says the simulated radio answered.
    EXPECT_NE(box.Last().text.find("read back"), std::string::npos) << box.Last().text;
    EXPECT_NE(box.Last().text.find("simulated radio"), std::string::npos) << box.Last().text;
    const std::string written = Form().Status().MessageText().toStdString();
    EXPECT_TRUE(written.starts_with("Wrote 1,792 bytes to the simulated radio in ")) << written;
    EXPECT_TRUE(written.ends_with("; read back, the radio holds what was written")) << written;

    // A radio that keeps a byte wrong: the check names the address and where the sheets show it.
    program->Link().SimulatedRadio()->SetFaults({.misstore = 0x3AC}); // free channel 4's name
    box.Clear();
    box.Script({Answer::Ok});
    MenuItem(40)->trigger();
    ASSERT_TRUE(RunUntil([&] { return box.Count() == 2 && Form().isEnabled(); }));
    EXPECT_EQ(box.Last().icon, platform::IMessageBox::Icon::Error);
    EXPECT_NE(box.Last().text.find("other data at address 0x3AC (Free channels: 4, Name)"), std::string::npos)
        << box.Last().text;
    EXPECT_EQ(App().MainImage().GetByte(model::kCommentAddress), 'W'); // the document as it was

    // Option > Check After Writing turns the read back off.
    QAction* check = MenuItem(model::kKindCheckAfterWrite);
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->isChecked());
    check->trigger();
    EXPECT_FALSE(settings.checkAfterWrite);
    box.Clear();
    box.Script({Answer::Ok});
    MenuItem(40)->trigger();
    ASSERT_TRUE(RunUntil([&] { return box.Count() == 2 && Form().isEnabled(); }));
    EXPECT_EQ(box.Last().icon, platform::IMessageBox::Icon::Information);
    EXPECT_EQ(box.Last().text.find("read back"), std::string::npos) << box.Last().text;
}

// Each fault of the radio ends the read in one error message, and the document stays as it was.
TEST_F(MainWindowTest, EveryCloneFailureEndsInItsOneMessage) {
    struct Case {
        const char* name;
        radiosim::Faults faults;
        bool wrongRadio;
    };
    const Case cases[] = {
        {"silent", {.silent = true}, false},
        {"bad checksum", {.badChecksum = true}, false},
        {"bad end count", {.badEndCount = true}, false},
        {"another radio", {}, true},
    };
    settings.comPort = 2;
    store.WriteString("Ports", "COM2", "sim");
    Start();
    App().Environ().SetConfiguredPortPath(2, "sim");
    MenuItem(41)->trigger(); // information: the simulated radio starts
    ASSERT_TRUE(RunUntil([&] { return program->Link().SimulatedRadio() != nullptr && Form().isEnabled(); }));
    Run(100);
    QWidget* info = Form().findChild<QDialog*>(QStringLiteral("cuiInformation"));
    ASSERT_NE(info, nullptr);
    info->close();
    for (const Case& c : cases) {
        box.Clear();
        radiosim::RadioSim& radio = *program->Link().SimulatedRadio();
        radio.SetFaults(c.faults);
        radiosim::Identity identity;
        identity.subCode = c.wrongRadio ? 0 : 1;
        radio.SetIdentity(identity);
        MenuItem(39)->trigger();
        ASSERT_TRUE(RunUntil([&] { return box.Count() > 0 && Form().isEnabled(); })) << c.name;
        Run(300);
        EXPECT_EQ(box.Count(), 1u) << c.name;
        EXPECT_EQ(box.Last().icon, platform::IMessageBox::Icon::Error) << c.name;
        EXPECT_FALSE(App().IsModified()) << c.name;
        EXPECT_FALSE(Form().Progress().isVisible()) << c.name;
    }
}

TEST_F(MainWindowTest, AMissingDeviceEndsTheReadWithOneMessage) {
    devices = {{"/dev/ttyUSB9", "cable", true, "", true}};
    store.WriteString("Ports", "COM2", "/dev/vqn58-none");
    settings.comPort = 2;
    settings.portChosen = true;
    Start();
    App().Environ().SetConfiguredPortPath(2, "/dev/vqn58-none");
    MenuItem(39)->trigger();
    ASSERT_TRUE(RunUntil([&] { return box.Count() > 0 && Form().isEnabled(); }));
    Run(200);
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().icon, platform::IMessageBox::Icon::Error);
    EXPECT_EQ(box.Last().action, "Choose Port..."); // the way out is offered
    EXPECT_FALSE(App().IsModified());

    // Choosing it opens the port window once the read has ended, on an enabled main window.
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget(); dialog != nullptr) {
            opened = dialog->objectName();
            EXPECT_TRUE(Form().isEnabled());
            dialog->close();
        }
    });
    box.Script({Answer::Yes});
    MenuItem(39)->trigger();
    ASSERT_TRUE(RunUntil([&] { return !opened.isEmpty(); }, 5000));
    EXPECT_EQ(opened.toStdString(), "PortDialog");
}

// File > Export channels and Import channels run through the behaviour object like the other items.
TEST_F(MainWindowTest, ChannelListsGoOutAndComeBackThroughTheFileMenu) {
    Start();
    for (const int kind : {model::kKindExportChannels, model::kKindImportChannels, model::kKindBackupFolder}) {
        ASSERT_NE(MenuItem(kind), nullptr) << kind;
        EXPECT_TRUE(MenuItem(kind)->isEnabled()) << kind;
    }
    const auto csv = dir / "channels.csv";
    dialogs.Script({csv});
    MenuItem(model::kKindExportChannels)->trigger();
    const std::string exported = testsupport::ReadFileBytes(csv);
    ASSERT_FALSE(exported.empty());
    const std::string line = "usa,40,20,,0,0,0,0,0,,,";
    const auto at = exported.find(line);
    ASSERT_NE(at, std::string::npos);
    dir.Write("channels.csv", std::string(exported).replace(at, line.size(), "usa,40,20,,0,1,0,0,0,,,"));
    dialogs.Script({csv});
    box.Script({Answer::Ok});
    MenuItem(model::kKindImportChannels)->trigger();
    EXPECT_TRUE(App().IsModified());
    EXPECT_EQ(box.Count(), 1u); // the changes to apply; no save question before it
    EXPECT_EQ(box.Last().icon, platform::IMessageBox::Icon::Question);
    // The import is one step that Undo takes back.
    MenuItem(model::kKindUndo)->trigger();
    EXPECT_FALSE(App().IsModified());
    EXPECT_FALSE(App().CanUndo());
}

TEST_F(MainWindowTest, CloseAsksToSaveAModifiedDocument) {
    struct Case {
        Answer answer;
        bool closes;
    };
    for (const Case c : {Case{Answer::Cancel, false}, Case{Answer::No, true}, Case{Answer::Yes, true}}) {
        program.reset();
        box.Clear();
        Start();
        App().MainImage().SetByte(model::kCommentAddress, 'X');
        App().SetModified();
        dialogs.Script({dir.Path() / "closing.qcf"});
        box.Script({c.answer});
        EXPECT_EQ(Form().close(), c.closes);
        EXPECT_EQ(box.Count(), 1u);
        EXPECT_EQ(std::filesystem::exists(dir.Path() / "closing.qcf"), c.answer == Answer::Yes);
        std::filesystem::remove(dir.Path() / "closing.qcf");
    }
}

TEST_F(MainWindowTest, AModelChangeOffersToSaveAModifiedDocumentFirst) {
    Start();
    App().MainImage().SetByte(model::kCommentAddress, 'X');
    App().SetModified();
    auto* models = qobject_cast<QMenu*>(MenuItem(42)->parent());
    ASSERT_NE(models, nullptr);
    QAction* europe = Form().Menu().Items(models)[1];
    ASSERT_EQ(cuiMenu::CellOf(europe)->Index(), 1);
    box.Script({Answer::Cancel});
    europe->trigger();
    EXPECT_EQ(box.Count(), 1u); // the save question only
    EXPECT_EQ(App().ModelType(), 0);
    EXPECT_TRUE(App().IsModified());

    box.Script({Answer::No, Answer::Ok}); // not saved; the change confirmed
    europe->trigger();
    EXPECT_EQ(box.Count(), 3u);
    EXPECT_EQ(App().ModelType(), 1);
    EXPECT_FALSE(App().IsModified());
    EXPECT_EQ(Form().Tree()->topLevelItem(0)->text(0).toStdString(), "VQ-N58 (Europe)");
}

TEST_F(MainWindowTest, StatusTextsShowInTheMessagePanel) {
    Start();
    events.SendText(4, 0x00FFFF, 0x000080, "This cell cannot be changed.");
    EXPECT_EQ(Form().Status().MessageText().toStdString(), "This cell cannot be changed.");
    const QImage panel = Form().Status().grab().toImage();
    EXPECT_EQ(panel.pixelColor(2, panel.height() / 2), QColor(0x80, 0, 0)); // the background colour
}

TEST_F(MainWindowTest, AMissingHelpFileIsSaidSo) {
    Start();
    Form().OpenHelpContents("no-such-help.html");
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "The help file could not be shown:\n" VQN58_BIN_DIR "/no-such-help.html");
}

TEST_F(MainWindowTest, TheAboutKeyWordSwitchesMakerModeOn) {
    Start();
    events.Post(3);
    Run(20);
    auto* about = Form().findChild<QDialog*>(QStringLiteral("AboutWindow"));
    ASSERT_NE(about, nullptr);
    box.Script({Answer::Ok});
    QTest::keyClicks(about, QStringLiteral("trimpot"));
    EXPECT_TRUE(App().IsMakerMode());
    ASSERT_NE(Form().Status().MakerPanel(), nullptr);
    EXPECT_EQ(Form().Status().MakerPanel()->text().toStdString(), "MAKER MODE");
    EXPECT_NE(Form().Tree()->FindNodeByArgument("GI_Sheet_MakerR"), nullptr);
}

TEST_F(MainWindowTest, AFileDroppedOnTheWindowIsOpenedAfterTheSaveQuestion) {
    Start();
    const std::filesystem::path file = dir.Path() / "dropped.qcf";
    std::filesystem::copy_file(VQN58_BIN_DIR "/VQN58_0.qcf", file);
    auto drop = [&](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Form(), &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Form(), &event);
        return true;
    };
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(file.string()));
    EXPECT_FALSE(drop({url, url})); // several files: refused
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://example.org/a.qcf"))}));

    App().MainImage().SetByte(model::kCommentAddress, 'X');
    App().SetModified();
    box.Script({Answer::Cancel});
    EXPECT_TRUE(drop({url}));
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_TRUE(App().IsModified()); // the user kept the document

    box.Script({Answer::No});
    EXPECT_TRUE(drop({url}));
    EXPECT_EQ(Form().windowTitle().toStdString(), "dropped.qcf - VQ-N58 Cloning Program");
    EXPECT_FALSE(App().IsModified());

    // A file handed over by a second copy waits for nothing either: not while the window is held.
    const std::filesystem::path other = dir.Path() / "other.qcf";
    std::filesystem::copy_file(VQN58_BIN_DIR "/VQN58_1.qcf", other);
    Form().setEnabled(false);
    EXPECT_FALSE(Form().OpenFromDesktop(other));
    Form().setEnabled(true);
    EXPECT_TRUE(Form().OpenFromDesktop(other));
    EXPECT_EQ(Form().windowTitle().toStdString(), "other.qcf - VQ-N58 Cloning Program");
}

// Sheets that stand at a position set by the test and record the position each was opened at.
class PositionSheets final : public ISheetFactory {
public:
    class Sheet final : public IOpenSheet {
    public:
        Sheet(QWidget* area, std::string key, SheetPosition at) : m_key(std::move(key)), m_at(at), m_widget(area) {}
        QWidget* Widget() override { return &m_widget; }
        const std::string& Key() const override { return m_key; }
        const std::string& SourceArgument() const override { return m_key; }
        SheetPosition Position() const override { return m_at; }
        bool Printable() const override { return false; }
        bool FocusGrid() override { return false; }

    private:
        std::string m_key;
        SheetPosition m_at;
        QWidget m_widget;
    };
    std::unique_ptr<IOpenSheet> Open(QWidget* area,
                                     const std::string& key,
                                     const std::string& /*parameter*/,
                                     const std::string& /*sourceArgument*/,
                                     const SheetPosition* position) override {
        opened.emplace_back(key, position ? position->cursor.row : -1);
        return std::make_unique<Sheet>(area, key, SheetPosition{{1, nextRow}, {0, 0}});
    }
    void OpenSelectionList(cmcCellCapsule& /*capsule*/,
                           std::string_view /*listName*/,
                           int /*itemKind*/,
                           int /*value*/) override {}

    int nextRow = 0;
    std::vector<std::pair<std::string, int>> opened; // key, row of the position given (-1: none)
};

TEST_F(MainWindowTest, ASheetReopensWhereItWasLeft) {
    PositionSheets positions;
    factory = &positions;
    Start();
    positions.opened.clear(); // the first start measures the settings sheets
    positions.nextRow = 40;
    Form().OpenSheetByArgument("GI_Sheet_IntCh");
    positions.nextRow = 7;
    Form().OpenSheetByArgument("GI_Sheet_ComSet");
    Form().OpenSheetByArgument("GI_Sheet_IntCh");
    using Opened = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(positions.opened, (Opened{{"GI_Sheet_IntCh", -1}, {"GI_Sheet_ComSet", -1}, {"GI_Sheet_IntCh", 40}}));
    program.reset(); // before the sheets it holds
}

TEST(WindowPlacement, TheWindowStaysReachableInTheWorkArea) {
    const QRect area(0, 0, 1000, 700);
    struct Case {
        QRect window;
        QPoint placed;
    };
    const Case cases[] = {
        {{100, 100, 400, 300}, {100, 100}},
        {{2000, 100, 400, 300}, {984, 100}}, // right of the area: 16 pixels left of its right edge
        {{100, 900, 400, 300}, {100, 684}},
        {{-1000, 100, 400, 300}, {-384, 100}},
        {{100, -50, 400, 300}, {100, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeepReachable(c.window, area).topLeft(), c.placed) << c.window.x() << "," << c.window.y();
    }
}

TEST(WindowPlacement, AFirstWindowFitsItsContentWithinNineTenthsOfTheWorkAreaCentred) {
    const QRect area(0, 40, 1600, 860);
    struct Case {
        QSize content;
        QSize placed;
    };
    const Case cases[] = {
        {{1100, 500}, {1100, 600}},  // wider than the default: as wide as the content
        {{600, 400}, {800, 600}},    // smaller: the default
        {{3000, 2000}, {1440, 774}}, // larger than the screen: 90 % of the work area
    };
    for (const Case& c : cases) {
        const QRect frame = FirstWindowFrame(c.content, {800, 600}, area);
        EXPECT_EQ(frame.size(), c.placed) << c.content.width() << "x" << c.content.height();
        EXPECT_EQ(frame.center(), area.center()) << c.content.width() << "x" << c.content.height();
    }
}

} // namespace
