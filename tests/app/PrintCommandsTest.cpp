// The Print commands of the main window on the shipped overlay and sheets: the printer set-up (a double
// that prints to a PDF file), the printing window with its Cancel button, the main window disabled
// meanwhile, and the PDF file offered on a machine without a printer.

#include "app/qt/PrintCommands.h"

#include "WindowFixture.h"
#include "app/indEnviron.h"
#include "app/qt/MainProgram.h"
#include "app/qt/WidgetSheetFactory.h"
#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"
#include "platform/qt/QtFontMetrics.h"
#include "platform/qt/QtPrinterSetup.h"
#include "support/FakeClock.h"
#include "support/FakeInstanceLock.h"
#include "support/MemorySettingsStore.h"
#include "support/PdfText.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempDir.h"
#include "ui/PrintingWindow.h"
#include "ui/cuiMenu.h"
#include "ui/cuiTree.h"

#include <QApplication>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <gtest/gtest.h>
#include <set>

namespace {

using Answer = platform::IMessageBox::Answer;

std::set<std::string> Entries(const std::filesystem::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

constexpr int kPrintCurrent = 29;
constexpr int kPrintAll = 30;

// A printer set-up whose dialog picks a PDF file (or is cancelled), on a page of the given size.
class PdfPrinterSetup final : public platform::IPrinterSetup {
public:
    bool HasPrinter() override { return hasPrinter; }
    bool Setup(QPrinter& printer, QWidget* /*owner*/) override {
        ++shown;
        if (!accept) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file.string()));
        printer.setPageSize(pageSize);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        return true;
    }

    bool hasPrinter = true;
    bool accept = true;
    int shown = 0;
    std::filesystem::path file;
    QPageSize pageSize{QPageSize::A4};
};

class PrintCommandsTest : public testsupport::WindowFixture {
protected:
    PrintCommandsTest() {
        setup.file = dir / "printed.pdf";
        factory = &widgetSheets;
        Start();
        Form().Printing().SetPrinterSetup(&setup);
        Form().Tree()->setCurrentItem(Form().Tree()->FindNodeByArgument("GI_Sheet_IntCh"));
        time.Advance(500); // the main task opens the sheet
    }
    ~PrintCommandsTest() override { program.reset(); } // before the sheets' factory

    PrintCommands& Printing() { return Form().Printing(); }
    void Choose(int kind) { MenuItem(kind)->trigger(); }
    // Runs the main task until the job has ended; false when it did not within `limitMs`.
    bool RunJob(std::uint32_t limitMs = 10000) {
        return time.AdvanceUntil([this] { return !Printing().Busy(); }, limitMs, MainWindow::kMainTaskMs);
    }

    platform::QtFontMetrics metrics;
    WidgetSheetFactory widgetSheets{definitions, events, metrics};
    PdfPrinterSetup setup;
};

TEST_F(PrintCommandsTest, PrintAllRunsThroughTheTreeWhileTheWindowWaits) {
    ASSERT_NE(Form().CurrentSheet(), nullptr);
    Choose(kPrintAll);
    ASSERT_TRUE(Printing().Busy());
    EXPECT_EQ(setup.shown, 1);
    EXPECT_FALSE(Form().isEnabled());
    PrintingWindow* window = Printing().Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "Printing");
    EXPECT_EQ(window->Button()->text().toStdString(), "Cancel");
    // Neither window closes under the job.
    EXPECT_FALSE(Form().close());
    EXPECT_FALSE(window->close());

    ASSERT_TRUE(RunJob());
    EXPECT_TRUE(Form().isEnabled());
    EXPECT_EQ(Printing().Window(), nullptr);
    EXPECT_EQ(box.Count(), 0U);
    const testsupport::PdfText pdf(setup.file);
    ASSERT_GT(pdf.Pages(), 10);
    EXPECT_NE(pdf.PageText(1).find("International channels"), std::string::npos);
    EXPECT_NE(pdf.PageText(pdf.Pages()).find("Functions of the radio"), std::string::npos);
}

TEST_F(PrintCommandsTest, CancelInThePrintingWindowStopsAfterThePagePrinted) {
    Choose(kPrintCurrent);
    ASSERT_TRUE(Printing().Busy());
    time.Advance(MainWindow::kMainTaskMs); // one page
    ASSERT_TRUE(Printing().Busy());
    Printing().Window()->Button()->click();
    ASSERT_TRUE(RunJob(500));
    EXPECT_TRUE(Form().isEnabled());
    EXPECT_EQ(testsupport::PdfText(setup.file).Pages(), 1);
}

TEST_F(PrintCommandsTest, ACancelledSetUpPrintsNothing) {
    setup.accept = false;
    Choose(kPrintCurrent);
    EXPECT_FALSE(Printing().Busy());
    EXPECT_TRUE(Form().isEnabled());
    EXPECT_FALSE(std::filesystem::exists(setup.file));
}

TEST_F(PrintCommandsTest, WithoutAPrinterThePdfFileIsOffered) {
    setup.hasPrinter = false;
    box.Script({Answer::Ok});
    dialogs.Script({dir / "offered.pdf"});
    Choose(kPrintCurrent);
    ASSERT_EQ(box.Count(), 1U);
    EXPECT_NE(box.Last().text.find("No printer"), std::string::npos);
    EXPECT_EQ(box.Last().buttons, platform::IMessageBox::Buttons::OkCancel);
    ASSERT_EQ(dialogs.Count(), 1U);
    EXPECT_TRUE(dialogs.Last().save);
    EXPECT_EQ(dialogs.Last().setup.defaultExtension, "pdf");
    EXPECT_EQ(setup.shown, 0);
    ASSERT_TRUE(RunJob());
    EXPECT_GE(testsupport::PdfText(dir / "offered.pdf").Pages(), 2);

    // Declining the offer, or the file dialog, prints nothing.
    box.Script({Answer::Cancel});
    Choose(kPrintCurrent);
    dialogs.Script({std::nullopt});
    box.Script({Answer::Ok});
    Choose(kPrintCurrent);
    EXPECT_FALSE(Printing().Busy());
    EXPECT_EQ(dialogs.Count(), 2U);
}

TEST_F(PrintCommandsTest, APageWithoutRoomForTheSheetEndsWithAMessage) {
    setup.pageSize = QPageSize(QSizeF(20, 20), QPageSize::Millimeter); // 10 mm margins on each side
    Choose(kPrintAll);
    EXPECT_FALSE(Printing().Busy());
    EXPECT_TRUE(Form().isEnabled());
    ASSERT_EQ(box.Count(), 1U);
    EXPECT_NE(box.Last().text.find("no room"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(setup.file));
}

TEST_F(PrintCommandsTest, APrinterThatCannotBeOpenedIsReportedWhenTheJobEnds) {
    setup.file = dir / "missing" / "printed.pdf";
    Choose(kPrintCurrent);
    ASSERT_TRUE(RunJob());
    EXPECT_TRUE(Form().isEnabled());
    ASSERT_EQ(box.Count(), 1U);
    EXPECT_NE(box.Last().text.find("could not be opened"), std::string::npos);
    EXPECT_NE(box.Last().text.find(setup.file.string()), std::string::npos);
}

// A PDF file is written beside the chosen file and takes its place only when the job has ended whole.
TEST_F(PrintCommandsTest, APdfFileIsReplacedOnlyWhenWhole) {
    dir.Write("printed.pdf", "%PDF-1.4 the previous print");
    const std::set<std::string> before = Entries(dir.Path());
    Choose(kPrintAll);
    time.Advance(MainWindow::kMainTaskMs); // one page
    ASSERT_TRUE(Printing().Busy());
    EXPECT_TRUE(testsupport::ReadFileBytes(setup.file) == "%PDF-1.4 the previous print") << "changed in place";
    EXPECT_EQ(Entries(dir.Path()).size(), before.size() + 1); // the file being written beside it
    ASSERT_TRUE(RunJob());
    EXPECT_EQ(box.Count(), 0U);
    EXPECT_GT(testsupport::PdfText(setup.file).Pages(), 10);
    EXPECT_EQ(Entries(dir.Path()), before);
}

// When the finished file cannot take the chosen file's place (here a folder took it meanwhile), the
// message says so, the place is left as it is and no temporary file stays behind.
TEST_F(PrintCommandsTest, AFileThatCannotBeReplacedIsReportedAndLeftAsItWas) {
    Choose(kPrintCurrent);
    time.Advance(MainWindow::kMainTaskMs); // one page
    ASSERT_TRUE(Printing().Busy());
    std::filesystem::create_directories(setup.file / "kept");
    const std::set<std::string> before = Entries(dir.Path());
    ASSERT_TRUE(RunJob());
    EXPECT_TRUE(Form().isEnabled());
    ASSERT_EQ(box.Count(), 1U);
    EXPECT_NE(box.Last().text.find("could not be written whole"), std::string::npos) << box.Last().text;
    EXPECT_NE(box.Last().text.find(setup.file.string()), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(setup.file / "kept"));
    EXPECT_EQ(Entries(dir.Path()).size(), before.size() - 1); // the temporary file is gone
}

} // namespace
