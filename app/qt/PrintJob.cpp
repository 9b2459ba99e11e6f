#include "app/qt/PrintJob.h"

#include "overlay/DefinitionSource.h"
#include "platform/FontMetrics.h"
#include "platform/qt/QtFont.h"
#include "sheets/ChannelSheetLayout.h"
#include "sheets/ReadDecimal.h"
#include "sheets/SheetLayout.h"

#include <QFontMetrics>
#include <QPrinter>
#include <QWidget>

namespace {

QRect ToQRect(const SheetRect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

} // namespace

std::string PrintDocumentTitle(IDefinitionSource& texts,
                               const std::vector<std::string>& sheetArguments,
                               const std::string& allSheets) {
    if (sheetArguments.size() != 1) {
        return allSheets;
    }
    const SheetReference reference = ParseSheetReference(sheetArguments.front());
    if (reference.key.empty()) {
        return allSheets;
    }
    // The title is part of the sheet's definition: the layout without drawing gives it.
    platform::FixedFontMetrics metrics;
    const ChannelSheetState state;
    ChannelSheetLayout layout(texts, reference.key, metrics, state);
    layout.Build();
    return layout.TitleString().value_or(reference.key);
}

PrintSettings PrintSettings::FromOverlay(IDefinitionSource& texts) {
    PrintSettings settings;
    settings.marginsMm = printframe::ParseMargins(texts.GetLine("GI_Sys_Printer_Margins", 0));
    settings.cellPoints = sheets::ReadDecimal(texts.GetLine("GI_Sys_Printer_FontPoints", 0));
    settings.framePoints = sheets::ReadDecimal(texts.GetLine("GI_Sys_Printer_FrameFont", 0));
    settings.headerRight = texts.GetLine("GI_Sys_AppTitleRev", 0);
    settings.footerRight = texts.GetLine("GI_Sys_Maker", 0);
    return settings;
}

// The sheet being printed: its hidden host and instance (rebuilt when the font shrinks), the pages it
// was cut into with the first font height, and the next of them.
struct PrintJob::SheetRun {
    std::string key;
    std::string parameter;
    std::unique_ptr<QWidget> host; // declared before the sheet, so the sheet goes first
    std::unique_ptr<IPrintSheet> sheet;
    std::int32_t sheetHeight = 0; // the font height the instance was built with
    std::int32_t height = 0;      // the font height reached so far
    std::vector<PrintRun> columnRuns;
    std::vector<PrintRun> rowRuns;
    std::size_t page = 0;

    std::size_t PageCount() const { return columnRuns.size() * rowRuns.size(); }
};

PrintJob::PrintJob(ISheetFactory& sheets,
                   QPagedPaintDevice& device,
                   int dpi,
                   const PrintSettings& settings,
                   std::vector<std::string> sheetArguments)
    : m_sheets(sheets), m_device(device), m_dpi(dpi), m_settings(settings), m_arguments(std::move(sheetArguments)) {}

PrintJob::PrintJob(ISheetFactory& sheets,
                   QPrinter& printer,
                   const PrintSettings& settings,
                   std::vector<std::string> sheetArguments)
    : PrintJob(sheets, printer, printer.resolution(), settings, std::move(sheetArguments)) {}

PrintJob::~PrintJob() {
    m_current.reset();
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

PrintJob::Outcome PrintJob::Start() {
    const QRect page = m_device.pageLayout().paintRectPixels(m_dpi);
    const SheetRect margins = printframe::MarginRect(m_settings.marginsMm, page.width(), page.height(), m_dpi);
    m_cellHeight = printframe::FontHeightForPoints(m_settings.cellPoints, m_dpi);
    m_frameHeight = printframe::FontHeightForPoints(m_settings.framePoints, m_dpi);
    m_frame = printframe::MeasureFrame(margins, m_frameHeight);
    // Drawing into a rectangle of no height (or less) would print nothing readable, page after page.
    m_outcome = printframe::HasRoom(m_frame.inner) ? Outcome::Running : Outcome::NoRoom;
    return m_outcome;
}

bool PrintJob::Step() {
    if (m_outcome != Outcome::Running) {
        return false;
    }
    if (m_cancelled) {
        Finish(Outcome::Cancelled);
        return false;
    }
    if (!m_current) {
        if (m_next >= m_arguments.size()) {
            Finish(Outcome::Done);
            return false;
        }
        BeginSheet(m_arguments[m_next++]);
        if (!m_current) {
            return true; // this sheet prints nothing
        }
    }
    PrintNextPage();
    return m_outcome == Outcome::Running;
}

void PrintJob::BeginSheet(const std::string& argument) {
    const SheetReference reference = ParseSheetReference(argument);
    if (reference.key.empty()) {
        return;
    }
    auto run = std::make_unique<SheetRun>();
    run->key = reference.key;
    run->parameter = reference.parameter;
    run->height = m_cellHeight;
    if (!Instantiate(*run, run->height) || !run->sheet->Printable()) {
        return;
    }
    // Pages are cut once, with the first font height.
    const PrintGrid grid = PrintGrid::Of(run->sheet->Layout());
    run->columnRuns = ColumnRuns(grid, m_frame.inner.Width());
    run->rowRuns = RowRuns(grid, m_frame.inner.Height());
    if (run->PageCount() == 0) {
        return;
    }
    m_current = std::move(run);
}

bool PrintJob::Instantiate(SheetRun& run, std::int32_t h) {
    run.sheet.reset();
    if (!run.host) {
        run.host = std::make_unique<QWidget>();
    }
    run.sheet = m_sheets.OpenForPrinting(run.host.get(), run.key, run.parameter, {&m_device, m_dpi, h});
    run.sheetHeight = h;
    return run.sheet != nullptr;
}

void PrintJob::PrintNextPage() {
    SheetRun& run = *m_current;
    const PrintRun rows = run.rowRuns[run.page / run.columnRuns.size()];
    const PrintRun columns = run.columnRuns[run.page % run.columnRuns.size()];
    const SheetRect& inner = m_frame.inner;

    auto measure = [&](std::int32_t h) -> std::optional<SheetRect> {
        if (!run.sheet || run.sheetHeight != h) {
            Instantiate(run, h);
        }
        if (!run.sheet || !run.sheet->Printable() || m_cancelled) {
            return std::nullopt;
        }
        return BlockRect(PrintGrid::Of(run.sheet->Layout()), rows, columns, inner.left, inner.top);
    };
    const std::optional<std::int32_t> height = printframe::FitFontHeight(run.height, inner, measure);
    if (height && run.sheetHeight != *height) {
        Instantiate(run, *height); // the last shrinking step is used as it is
    }
    if (!height || !run.sheet || !run.sheet->Printable() || m_cancelled) {
        m_current.reset();
        return;
    }
    run.height = *height;
    if (!BeginPage()) {
        return;
    }
    DrawFrame(run);
    IPrintSheet& sheet = *run.sheet;
    ForEachBlockCell(PrintGrid::Of(sheet.Layout()),
                     rows,
                     columns,
                     inner.left,
                     inner.top,
                     [&](std::int32_t column, std::int32_t row, const SheetRect& rect) {
                         sheet.DrawCell(m_painter, column, row, ToQRect(rect));
                     });
    m_pagePrinted = true;
    m_pages.push_back({run.key, rows, columns, run.height});
    if (++run.page >= run.PageCount()) {
        m_current.reset();
    }
}

bool PrintJob::BeginPage() {
    if (!m_painter.isActive()) {
        if (!m_painter.begin(&m_device)) {
            Finish(Outcome::CannotOpen);
            return false;
        }
    } else if (m_pagePrinted && !m_device.newPage()) {
        Finish(Outcome::CannotOpen);
        return false;
    }
    return true;
}

void PrintJob::DrawFrame(const SheetRun& run) {
    const SheetLayout& layout = run.sheet->Layout();
    platform::FontDesc font = layout.BasicCell().EffectiveFont(layout.BasicCell());
    font.height = m_frameHeight;
    font.style = 0;
    font.colour = 0x000000;
    const QFont frameFont = platform::ForPrinting(platform::ToQFont(font));
    const QFontMetrics metrics(frameFont, &m_device);
    const SheetRect& bar = m_frame.headerBar;
    m_painter.save();
    m_painter.setFont(frameFont);
    m_painter.setPen(Qt::black);
    const QString title = QString::fromStdString(run.sheet->TitleText());
    const QString header = QString::fromStdString(m_settings.headerRight);
    const QString footer = QString::fromStdString(m_settings.footerRight);
    const int headerBaseline = m_frame.headerTop + metrics.ascent();
    m_painter.drawText(bar.left, headerBaseline, title);
    m_painter.drawText(bar.right - metrics.horizontalAdvance(header) - 1, headerBaseline, header);
    m_painter.fillRect(ToQRect(bar), Qt::black);
    m_painter.drawText(bar.right - metrics.horizontalAdvance(footer) - 1, m_frame.footerTop + metrics.ascent(), footer);
    m_painter.fillRect(ToQRect(m_frame.footerBar), Qt::black);
    m_painter.restore();
}

void PrintJob::Finish(Outcome outcome) {
    m_current.reset();
    // The end writes what the document still holds (for a PDF: the fonts, the page tree, the trailer).
    if (m_painter.isActive() && !m_painter.end() && (outcome == Outcome::Done || outcome == Outcome::Cancelled)) {
        outcome = Outcome::CannotWrite;
    }
    m_outcome = outcome;
}
