#include "app/qt/PrintCommands.h"

#include "overlay/DefinitionSource.h"
#include "overlay/OverlayMessages.h"
#include "platform/FileDialogs.h"
#include "platform/qt/QtPrinterSetup.h"
#include "ui/BodyLines.h"
#include "ui/PrintingWindow.h"

#include <QPrinter>
#include <QWidget>

namespace {

std::string Replaced(std::string text, const std::string& value) {
    if (const std::size_t at = text.find("%s"); at != std::string::npos) {
        text.replace(at, 2, value);
    }
    return text;
}

} // namespace

PrintCommands::PrintCommands(const Parts& parts)
    : m_parts(parts), m_qtSetup(std::make_unique<platform::QtPrinterSetup>()), m_setup(m_qtSetup.get()) {}

PrintCommands::~PrintCommands() {
    m_job.reset();
    delete m_window.data();
}

void PrintCommands::SetPrinterSetup(platform::IPrinterSetup* setup) {
    m_setup = setup != nullptr ? setup : m_qtSetup.get();
}

bool PrintCommands::ChoosePrinter(QPrinter& printer) {
    IDefinitionSource& texts = m_parts.texts;
    if (m_setup->HasPrinter()) {
        return m_setup->Setup(printer, &m_parts.mainWindow);
    }
    // Without a printer a PDF file still takes the pages.
    if (m_parts.messages.Show(ui::JoinedLines(texts, "GI_Sys_Printer_NoPrinter"),
                              OverlayMessages::Icon::Question,
                              OverlayMessages::Buttons::OkCancel) != OverlayMessages::Answer::Ok) {
        return false;
    }
    const std::optional<std::filesystem::path> file = m_parts.fileDialogs.GetSaveFileName(
        {texts.GetLine("GI_Sys_Printer_PdfFile", 0), texts.GetLine("GI_Sys_Printer_PdfFile", 1), {}, {}});
    if (!file) {
        return false;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file->string()));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    return true;
}

bool PrintCommands::Print(std::vector<std::string> sheetArguments) {
    if (m_job) {
        return false;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!ChoosePrinter(*printer)) {
        return false;
    }
    printer->setCopyCount(1);
    // The document is named after its sheet, or after the window (its caption names the file) when
    // it holds them all; its creator is the program with its version.
    printer->setDocName(QString::fromStdString(
        PrintDocumentTitle(m_parts.texts, sheetArguments, m_parts.mainWindow.windowTitle().toStdString())));
    printer->setCreator(QString::fromStdString(m_parts.texts.GetLine("GI_Sys_AppTitleRev", 0)));
    std::unique_ptr<PdfFileOutput> output;
    if (const QString file = printer->outputFileName(); !file.isEmpty()) {
        output = PdfFileOutput::Open(std::filesystem::path(file.toStdString()),
                                     printer->pageLayout(),
                                     printer->resolution(),
                                     printer->docName(),
                                     printer->creator());
        if (!output) {
            ShowFileFailure("GI_Sys_Printer_CannotOpen", file);
            return false;
        }
    }
    const PrintSettings settings = PrintSettings::FromOverlay(m_parts.texts);
    auto job = output ? std::make_unique<PrintJob>(
                            m_parts.sheets, output->Writer(), output->Dpi(), settings, std::move(sheetArguments))
                      : std::make_unique<PrintJob>(m_parts.sheets, *printer, settings, std::move(sheetArguments));
    if (job->Start() == PrintJob::Outcome::NoRoom) {
        m_parts.messages.Show(ui::JoinedLines(m_parts.texts, "GI_Sys_Printer_NoRoom"),
                              OverlayMessages::Icon::Error,
                              OverlayMessages::Buttons::Ok);
        return false;
    }
    m_printer = std::move(printer);
    m_output = std::move(output);
    m_job = std::move(job);
    m_parts.mainWindow.setEnabled(false);
    m_window = new PrintingWindow(&m_parts.mainWindow, m_parts.texts, [this] {
        if (m_job) {
            m_job->Cancel();
        }
    });
    m_window->SetBusy(true);
    m_window->Open();
    return true;
}

void PrintCommands::Tick() {
    if (m_job && !m_job->Step()) {
        EndJob();
    }
}

void PrintCommands::EndJob() {
    PrintJob::Outcome outcome = m_job->Result();
    const bool printed = !m_job->Pages().empty();
    const QString target =
        m_printer->outputFileName().isEmpty() ? m_printer->printerName() : m_printer->outputFileName();
    m_job.reset();
    // A cancelled job keeps the pages printed so far, in a file as on paper; a job that printed nothing
    // leaves the file as it was.
    if (m_output && printed && (outcome == PrintJob::Outcome::Done || outcome == PrintJob::Outcome::Cancelled) &&
        !m_output->Commit()) {
        outcome = PrintJob::Outcome::CannotWrite;
    }
    m_output.reset();
    m_printer.reset();
    // Ended from the main task, never from inside the window's own handlers.
    delete m_window.data();
    m_parts.mainWindow.setEnabled(true);
    m_parts.mainWindow.activateWindow();
    m_parts.mainWindow.setFocus();
    if (outcome == PrintJob::Outcome::CannotOpen) {
        ShowFileFailure("GI_Sys_Printer_CannotOpen", target);
    } else if (outcome == PrintJob::Outcome::CannotWrite) {
        ShowFileFailure("GI_Sys_Printer_CannotWrite", target);
    }
}

void PrintCommands::ShowFileFailure(const char* key, const QString& target) {
    m_parts.messages.Show(Replaced(ui::JoinedLines(m_parts.texts, key), target.toStdString()),
                          OverlayMessages::Icon::Error,
                          OverlayMessages::Buttons::Ok);
}
