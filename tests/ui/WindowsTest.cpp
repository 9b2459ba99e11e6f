// The small windows of the main window: Cloning progress, COM port, About and information.

#include "WidgetFixture.h"
#include "support/ScriptedMessageBox.h"
#include "ui/AboutWindow.h"
#include "ui/CloneProgressWindow.h"
#include "ui/PortDialog.h"
#include "ui/cuiInformation.h"

#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const char* const kTexts = R"(#GI_Sys_AppTitle
Title
#GI_AppInd_Opt_ComSel_Caption
COM port
#GI_AppInd_Opt_ComSel_Notice
Type the port number.
Second line.
#GI_AppInd_Opt_ComSel_Buttons
OK
Cancel
#GI_AppInd_Opt_ComSel_SizeOfButtons
WWWWWW
#GI_AppInd_Opt_ComSel_OutofRange
From 1 to 256.
#GI_AppInd_Opt_ComSel_Devices
Devices:
#GI_AppInd_Opt_ComSel_Sim
Simulated radio
#GI_AppInd_Opt_ComSel_JoinGroup
(join the group '%1')
#GI_AppInd_Opt_ComSel_NoAccess
(not permitted)
#GI_App_About_Caption
About
#GI_App_About_Text
Cloning program
Version 1
#GI_App_About_Button
OK
#GI_AppInd_Button_OkCancel
OK
#End_Of_Ovl
)";

class WindowsTest : public ::testing::Test {
protected:
    QApplication& application = uitest::Application(); // before any widget
    TextDefinitionSource texts{kTexts};
    testsupport::ScriptedMessageBox box;
    QWidget mainWindow;
};

TEST_F(WindowsTest, CloningWindowShowsTheBarAndRefusesToCloseWhileBusy) {
    CloneProgressWindow progress(&mainWindow, "Cloning");
    progress.SetDescriber(
        [](int op) {
            return CloneProgressWindow::Texts{"Cloning: simulated radio", op == 2 ? "Reading" : "Writing"};
        },
        [](const clonelink::CloneProgress& p) {
            return std::to_string(p.bytesDone) + "/" + std::to_string(p.bytesTotal) + " " +
                   std::to_string(p.secondsLeft);
        });
    progress.BeginOperation(1); // information: the main window waits, no window
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_FALSE(progress.isVisible());
    progress.EndOperation();
    EXPECT_TRUE(mainWindow.isEnabled());

    progress.BeginOperation(2);
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.windowTitle(), QStringLiteral("Cloning: simulated radio"));
    EXPECT_EQ(progress.DoingText(), QStringLiteral("Reading"));
    EXPECT_GE(progress.width(), 290);
    EXPECT_FALSE(progress.close());
    EXPECT_TRUE(progress.isVisible());
    progress.ShowProgress({16, 1024, 2048, 3});
    EXPECT_EQ(progress.DetailText(), QStringLiteral("1024/2048 3"));
    const QImage bar = progress.BarArea()->grab().toImage();
    const QColor highlight = progress.palette().color(QPalette::Highlight);
    const QColor window = progress.palette().color(QPalette::Window);
    EXPECT_EQ(bar.size(), QSize(256, 14));
    EXPECT_EQ(bar.pixelColor(15 * 8 + 3, 7), highlight); // cell 15 filled
    EXPECT_EQ(bar.pixelColor(15 * 8 + 7, 7), window);    // its last column
    EXPECT_EQ(bar.pixelColor(16 * 8 + 3, 7), window);    // cell 16 empty
    progress.EndOperation();
    EXPECT_FALSE(progress.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
}

TEST_F(WindowsTest, PortWindowTakesOnlyNumbersFrom1To256) {
    struct Case {
        const char* typed;
        int port; // 0: refused
    };
    const Case cases[] = {{" 12 ", 12}, {"1", 1}, {"256", 256}, {"0", 0}, {"257", 0}, {"abc", 0}, {"", 0}, {"12x", 0}};
    for (const Case& c : cases) {
        box.Clear();
        PortDialog dialog(&mainWindow, texts, box, 3, {});
        dialog.Edit()->setText(QString::fromLatin1(c.typed));
        dialog.OkButton()->click();
        if (c.port == 0) {
            EXPECT_EQ(dialog.result(), QDialog::Rejected) << c.typed;
            ASSERT_EQ(box.Count(), 1u) << c.typed;
            EXPECT_EQ(box.Last().text, "From 1 to 256.");
            EXPECT_EQ(box.Last().caption, "Title");
        } else {
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.typed;
            EXPECT_EQ(dialog.Port(), c.port);
            EXPECT_EQ(box.Count(), 0u);
        }
    }
}

TEST_F(WindowsTest, PortWindowListsTheDevicesAndTheSimulatedRadio) {
    PortDialog dialog(&mainWindow,
                      texts,
                      box,
                      3,
                      {{"/dev/ttyUSB1", "USB serial cable", true, ""}, {"/dev/ttyS9", "", false, "dialout"}});
    QListWidget& list = *dialog.DeviceList();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->text().toStdString(), "/dev/ttyUSB1  -  USB serial cable");
    EXPECT_EQ(list.item(1)->text().toStdString(), "/dev/ttyS9  (join the group 'dialout')");
    EXPECT_EQ(list.item(2)->text().toStdString(), "Simulated radio");

    list.setCurrentRow(0); // a device of the fixed table brings its number
    EXPECT_EQ(dialog.Edit()->text().toStdString(), "6");
    list.setCurrentRow(2); // the simulated radio stays on the number typed
    dialog.Edit()->setText(QStringLiteral("7"));
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.Port(), 7);
    EXPECT_EQ(dialog.Device(), PortDialog::kSimulatedDevice);
}

TEST_F(WindowsTest, AboutWindowPassesTypedCharactersAndClosesOnItsButton) {
    std::string typed;
    QPointer<AboutWindow> about = new AboutWindow(&mainWindow, texts, QIcon(), [&](char c) { typed.push_back(c); });
    about->Open();
    EXPECT_EQ(about->windowTitle().toStdString(), "About");
    EXPECT_EQ(about->Text()->text().toStdString(), "Cloning program\nVersion 1");
    EXPECT_TRUE(about->rect().contains(about->Button()->geometry()));
    QTest::keyClicks(about, QStringLiteral("TriM5"));
    QTest::keyClick(about, Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(typed, "trim5A");
    about->Button()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

TEST_F(WindowsTest, InformationWindowHoldsTheWholeSheetAndGoesWithItsButton) {
    auto* sheet = new QLabel(QStringLiteral("Model\nRevision\nComment\nBattery"));
    sheet->setMinimumSize(300, 120);
    QPointer<QWidget> guard = sheet;
    QPointer<cuiInformation> info = new cuiInformation(&mainWindow, "Title", texts, sheet);
    info->Open();
    EXPECT_GE(info->width(), 300);
    EXPECT_GE(info->height(), 120);
    EXPECT_EQ(info->windowModality(), Qt::WindowModal);
    info->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(info.isNull());
    EXPECT_TRUE(guard.isNull());
}

} // namespace
