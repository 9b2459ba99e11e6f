#pragma once

#include "app/qt/SheetFactory.h"
#include "sheets/PageCutting.h"
#include "sheets/PrintFrame.h"

#include <QPainter>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class IDefinitionSource;
class QPagedPaintDevice;
class QPrinter;

// The overlay's printing settings and frame texts, read once a job.
struct PrintSettings {
    std::array<std::int32_t, 4> marginsMm{}; // left, top, right, bottom
    std::int32_t cellPoints = 9;             // the cells' font size
    std::int32_t framePoints = 8;            // the header and footer font size
    std::string headerRight;                 // the program's name and revision
    std::string footerRight;                 // the maker's name

    // From "GI_Sys_Printer_Margins", "GI_Sys_Printer_FontPoints", "GI_Sys_Printer_FrameFont",
    // "GI_Sys_AppTitleRev" and "GI_Sys_Maker" (a missing key is a fault).
    static PrintSettings FromOverlay(IDefinitionSource& texts);
};

// The title a printed document carries (a PDF file's Title): the sheet's title when `sheetArguments`
// names one sheet (its key where the sheet has no title), else `allSheets`.
std::string PrintDocumentTitle(IDefinitionSource& texts,
                               const std::vector<std::string>& sheetArguments,
                               const std::string& allSheets);

// One print job: the sheets named by `sheetArguments` (tree arguments "[..]key,parameter"; an empty one
// names no sheet), in order, printed onto a printer or a PDF writer as one document. A sheet is built off-screen for
// the printer, cut into pages of whole columns and whole rows with its fixed rows and columns repeated,
// its font shrunk when a page's block does not fit (the shrunk height carries over to its later pages),
// and every page is framed by a header (the sheet's title, the program's name) and a footer (the
// maker's name). Sheets that are not printable print nothing.
//
// The job is stepped: every Step prints one page or passes over one sheet that prints none, so the
// window's loop runs between pages and a Cancel takes effect before the next page. The document begins
// with the first page, so a job that prints nothing opens no file and sends nothing to the printer; it
// ends with the job (a cancelled job keeps the pages printed so far); a document whose painter does not
// end cleanly is CannotWrite. The sheets, the device and the job's painter live on the user-interface
// thread; the factory and the device must outlive the job.
class PrintJob {
public:
    enum class Outcome {
        Running,     // Start succeeded and steps remain
        Done,        // every sheet went through
        Cancelled,   // stopped by Cancel
        NoRoom,      // the margins and the frame leave no room for cells: nothing printed
        CannotOpen,  // the printer or the output file could not be opened (or take a new page)
        CannotWrite, // the document could not be ended: the printer or the file may not hold it whole
    };
    // One printed page: which sheet, which rows and columns, and the cell font height it was drawn with.
    struct Page {
        std::string key;
        PrintRun rows;
        PrintRun columns;
        std::int32_t fontHeight = 0;
    };

    // Prints on `device` at `dpi` dots per inch (its page layout gives the page).
    PrintJob(ISheetFactory& sheets,
             QPagedPaintDevice& device,
             int dpi,
             const PrintSettings& settings,
             std::vector<std::string> sheetArguments);
    // Prints on `printer` at its resolution.
    PrintJob(ISheetFactory& sheets,
             QPrinter& printer,
             const PrintSettings& settings,
             std::vector<std::string> sheetArguments);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // Measures the page from the device's page layout and the resolution; Running, or NoRoom (the job is
    // over).
    Outcome Start();
    // Prints the next page, or passes over the next sheet when it prints none. False when the job is
    // over (then the document is ended); call again until it is.
    bool Step();
    // Asks the job to stop before its next page.
    void Cancel() { m_cancelled = true; }
    Outcome Result() const { return m_outcome; }
    const std::vector<Page>& Pages() const { return m_pages; }

private:
    struct SheetRun;

    void BeginSheet(const std::string& argument);
    // (Re)builds the run's sheet with cell font height `h`; false when the factory makes none.
    bool Instantiate(SheetRun& run, std::int32_t h);
    void PrintNextPage();
    bool BeginPage();
    void DrawFrame(const SheetRun& run);
    void Finish(Outcome outcome);

    ISheetFactory& m_sheets;
    QPagedPaintDevice& m_device;
    int m_dpi;
    PrintSettings m_settings;
    std::vector<std::string> m_arguments;
    std::size_t m_next = 0;
    std::int32_t m_cellHeight = 0;
    std::int32_t m_frameHeight = 0;
    printframe::FrameLayout m_frame;
    bool m_cancelled = false;
    bool m_pagePrinted = false;
    Outcome m_outcome = Outcome::Running;
    std::vector<Page> m_pages;
    QPainter m_painter;
    std::unique_ptr<SheetRun> m_current;
};
