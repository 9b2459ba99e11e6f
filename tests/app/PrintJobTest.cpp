// The print job on real sheets of a test overlay, printed to PDF files and read back with the poppler
// tools: page cutting with the headers repeated, font shrinking, the frame texts, NoPrint sheets, Cancel
// and the edge cases of the page's room.

#include "app/qt/PrintJob.h"

#include "WindowFixture.h"
#include "app/qt/WidgetSheetFactory.h"
#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "platform/qt/QtFontMetrics.h"
#include "sheets/SheetLayout.h"
#include "support/FakeClock.h"
#include "support/PdfText.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QPageSize>
#include <QPrinter>
#include <QWidget>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>

namespace {

using Outcome = PrintJob::Outcome;

std::string Format(const char* format, int a, int b = 0) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

constexpr int kBigColumns = 14;
constexpr int kBigRows = 120;

// "Big": wider and taller than a page, with a fixed header row ("Row", "HeadingNN-...") and a fixed
// column of row labels ("RNNN"); cell (c, r) shows "cNNrNNN".
std::string BigSheet() {
    std::string text = "#GI_Sheet_Big_Style\n(TitleString=Big sheet)(FixedCols=1)(FixedRows=1)\n"
                       "#GI_Sheet_Big_BasicCell\n{<-}\n#GI_Sheet_Big_Cells\n{WH(Color=clBtnFace)}Row";
    for (int c = 1; c <= kBigColumns; ++c) {
        text += Format("|{WH(Color=clBtnFace)}Heading%02d-abcdef", c);
    }
    for (int r = 1; r <= kBigRows; ++r) {
        text += Format("\n{WH(Color=clBtnFace)}R%03d", r);
        for (int c = 1; c <= kBigColumns; ++c) {
            text += Format("|{WH}c%02dr%03d", c, r);
        }
    }
    return text + "\n#\n";
}

// "Wide": one cell of forty words, far wider than a page, above 150 short rows.
std::string WideSheet() {
    std::string text = "#GI_Sheet_Wide_Style\n(TitleString=Wide sheet)(FixedRows=1)\n#GI_Sheet_Wide_BasicCell\n{<-}\n"
                       "#GI_Sheet_Wide_Cells\n{WH}";
    for (int w = 1; w <= 40; ++w) {
        text += Format("word%02d ", w);
    }
    for (int r = 1; r <= 150; ++r) {
        text += Format("\n{WH}line%03d", r);
    }
    return text + "\n#\n";
}

std::string SmallSheet(const std::string& name, const std::string& style) {
    return "#GI_Sheet_" + name + "_Style\n" + style + "\n#GI_Sheet_" + name + "_BasicCell\n{<-}\n#GI_Sheet_" + name +
           "_Cells\n{WH}Setting|{WH}Value\n{WH}" + name + "-one|{WH}1\n#\n";
}

int Count(const std::string& text, const std::string& token) {
    int n = 0;
    for (std::size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + 1)) {
        ++n;
    }
    return n;
}

class PrintJobTest : public ::testing::Test {
protected:
    PrintJobTest() { settings = {{10, 10, 10, 10}, 9, 8, "Header text", "Footer maker"}; }

    // A job of `sheets` printed to out.pdf (A4, no printer margins) with `settings`, run to its end
    // unless `steps` limits it.
    Outcome Print(std::vector<std::string> sheets, int steps = -1) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        job = std::make_unique<PrintJob>(factory, printer, settings, std::move(sheets));
        if (job->Start() != Outcome::Running) {
            return job->Result();
        }
        for (int n = 0; n != steps && job->Step(); ++n) {
        }
        return job->Result();
    }

    QApplication& application = testsupport::Application();
    testsupport::TempDir dir;
    std::filesystem::path pdf = dir / "out.pdf";
    testsupport::FakeTime time;
    cmcEvMan events{time.Timers()};
    TextDefinitionSource source{BigSheet() + WideSheet() + SmallSheet("One", "(TitleString=First small)") +
                                SmallSheet("Two", "(TitleString=Second small)") +
                                SmallSheet("Hidden", "(TitleString=Not printed)(NoPrint)") + "#End_Of_Ovl\n"};
    platform::QtFontMetrics metrics;
    WidgetSheetFactory factory{source, events, metrics};
    PrintSettings settings;
    QPrinter printer{QPrinter::HighResolution};
    std::unique_ptr<PrintJob> job;
};

TEST_F(PrintJobTest, ASheetBoundToAPrinterTakesItsScaleAndFontHeight) {
    const struct {
        int dpi;
        int scale;
    } cases[] = {{1200, 10}, {600, 5}, {300, 2}, {239, 1}, {72, 1}};
    QWidget host;
    for (const auto& c : cases) {
        const std::unique_ptr<IPrintSheet> sheet =
            factory.OpenForPrinting(&host, "GI_Sheet_One", "", {&printer, c.dpi, -75});
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->Layout().Scale(), c.scale) << c.dpi;
        EXPECT_EQ(sheet->Layout().BasicCell().EffectiveFont(sheet->Layout().BasicCell()).height, -75) << c.dpi;
        EXPECT_TRUE(sheet->Printable());
        EXPECT_EQ(sheet->TitleText(), "First small");
    }
    EXPECT_FALSE(factory.OpenForPrinting(&host, "GI_Sheet_Hidden", "", {&printer, 600, -75})->Printable());
}

TEST_F(PrintJobTest, ABigSheetIsCutIntoWholeColumnsAndRowsWithItsHeadersOnEveryPage) {
    ASSERT_EQ(Print({"GI_Sheet_Big"}), Outcome::Done);
    const std::vector<PrintJob::Page>& pages = job->Pages();
    const testsupport::PdfText read(pdf);
    ASSERT_EQ(read.Pages(), static_cast<int>(pages.size()));
    std::map<int, int> columnRuns;
    std::map<int, int> rowRuns;
    std::map<std::string, int> printed;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const PrintJob::Page& page = pages[i];
        const std::string text = read.PageText(static_cast<int>(i) + 1);
        SCOPED_TRACE("page " + std::to_string(i + 1));
        columnRuns[page.columns.first] = page.columns.count;
        rowRuns[page.rows.first] = page.rows.count;
        EXPECT_EQ(page.fontHeight, -150); // 9 points at 1200 dpi: nothing had to shrink
        // The frame and the fixed corner cell on every page.
        for (const char* frame : {"Big sheet", "Header text", "Footer maker", "Row"}) {
            EXPECT_EQ(Count(text, frame), 1) << frame;
        }
        for (int c = 1; c <= kBigColumns; ++c) {
            const bool inRun = c >= page.columns.first && c < page.columns.first + page.columns.count;
            EXPECT_EQ(Count(text, Format("Heading%02d", c)), inRun ? 1 : 0) << c;
        }
        for (int r = 1; r <= kBigRows; ++r) {
            const bool inRun = r >= page.rows.first && r < page.rows.first + page.rows.count;
            EXPECT_EQ(Count(text, Format("R%03d", r)), inRun ? 1 : 0) << r;
            for (int c = 1; c <= kBigColumns; ++c) {
                printed[Format("c%02dr%03d", c, r)] += Count(text, Format("c%02dr%03d", c, r));
            }
        }
    }
    EXPECT_GE(columnRuns.size(), 2U);
    EXPECT_GE(rowRuns.size(), 2U);
    EXPECT_EQ(pages.size(), columnRuns.size() * rowRuns.size());
    ASSERT_EQ(printed.size(), static_cast<std::size_t>(kBigColumns * kBigRows));
    for (const auto& [cell, times] : printed) {
        EXPECT_EQ(times, 1) << cell; // every cell once, none lost between pages
    }
}

TEST_F(PrintJobTest, ACellWiderThanThePageShrinksTheFontForEveryPageOfItsSheet) {
    ASSERT_EQ(Print({"GI_Sheet_Wide"}), Outcome::Done);
    const std::vector<PrintJob::Page>& pages = job->Pages();
    ASSERT_GE(pages.size(), 2U);
    EXPECT_GT(pages[0].fontHeight, 0); // |h| × factor: the platform's cell height
    EXPECT_LT(pages[0].fontHeight, 150);
    for (const PrintJob::Page& page : pages) {
        EXPECT_EQ(page.fontHeight, pages[0].fontHeight);
    }
    // The whole text is on the first page, inside the right margin.
    const testsupport::PdfText read(pdf);
    const double rightMargin = read.PageSize().first - 10 / 25.4 * 72;
    int words = 0;
    for (const testsupport::PdfText::Word& word : read.Words(1)) {
        if (word.text.rfind("word", 0) == 0) {
            ++words;
            EXPECT_LE(word.xMax, rightMargin) << word.text;
        }
    }
    EXPECT_EQ(words, 40);
    EXPECT_NE(read.PageText(2).find("line"), std::string::npos);
}

TEST_F(PrintJobTest, SheetsFollowEachOtherOnNewPagesAndNoPrintSheetsAreLeftOut) {
    ASSERT_EQ(Print({"", "GI_Sheet_One", "GI_Sheet_Hidden", "[x]GI_Sheet_Two,parameter", ""}), Outcome::Done);
    const testsupport::PdfText read(pdf);
    ASSERT_EQ(read.Pages(), 2);
    ASSERT_EQ(job->Pages().size(), 2U);
    EXPECT_EQ(job->Pages()[0].key, "GI_Sheet_One");
    EXPECT_EQ(job->Pages()[1].key, "GI_Sheet_Two");
    const std::string first = read.PageText(1);
    const std::string second = read.PageText(2);
    EXPECT_NE(first.find("First small"), std::string::npos);
    EXPECT_NE(first.find("One-one"), std::string::npos);
    EXPECT_NE(second.find("Second small"), std::string::npos);
    EXPECT_NE(second.find("Footer maker"), std::string::npos);
    EXPECT_EQ((first + second).find("Not printed"), std::string::npos);
    EXPECT_EQ((first + second).find("Hidden-one"), std::string::npos);
}

TEST_F(PrintJobTest, NothingPrintableOpensNoFile) {
    EXPECT_EQ(Print({"GI_Sheet_Hidden", ""}), Outcome::Done);
    EXPECT_TRUE(job->Pages().empty());
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PrintJobTest, CancelAfterTheFirstPageKeepsThatPageAndPrintsNoMore) {
    ASSERT_EQ(Print({"GI_Sheet_Big", "GI_Sheet_One"}, 1), Outcome::Running);
    EXPECT_EQ(job->Pages().size(), 1U);
    job->Cancel();
    EXPECT_FALSE(job->Step());
    EXPECT_EQ(job->Result(), Outcome::Cancelled);
    EXPECT_EQ(job->Pages().size(), 1U);
    EXPECT_EQ(testsupport::PdfText(pdf).Pages(), 1);
}

TEST_F(PrintJobTest, MarginsOrAFrameThatLeaveNoRoomEndTheJobBeforeAnyPage) {
    const struct {
        const char* what;
        std::array<std::int32_t, 4> margins;
        std::int32_t framePoints;
    } cases[] = {
        {"left and right margins meet", {105, 10, 105, 10}, 8},
        {"top and bottom margins cross", {10, 200, 10, 150}, 8},
        {"a header and footer taller than the page", {10, 10, 10, 10}, 2000},
    };
    for (const auto& c : cases) {
        settings.marginsMm = c.margins;
        settings.framePoints = c.framePoints;
        EXPECT_EQ(Print({"GI_Sheet_One"}), Outcome::NoRoom) << c.what;
        EXPECT_FALSE(job->Step()) << c.what;
        EXPECT_TRUE(job->Pages().empty()) << c.what;
        EXPECT_FALSE(std::filesystem::exists(pdf)) << c.what;
    }
}

TEST_F(PrintJobTest, AnOutputThatCannotBeWrittenEndsTheJob) {
    pdf = dir / "missing" / "out.pdf";
    EXPECT_EQ(Print({"GI_Sheet_One", "GI_Sheet_Two"}), Outcome::CannotOpen);
    EXPECT_TRUE(job->Pages().empty());
}

} // namespace
