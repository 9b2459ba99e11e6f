#pragma once

#include "app/qt/PdfFileOutput.h"
#include "app/qt/PrintJob.h"
#include "ui/PrintingWindow.h"

#include <QPointer>
#include <memory>
#include <string>
#include <vector>

class IDefinitionSource;
class ISheetFactory;
class QPrinter;
class QWidget;
class OverlayMessages;
namespace platform {
class IFileDialogs;
class IPrinterSetup;
} // namespace platform

// The Print commands of the main window: prints sheets to the printer chosen in the set-up dialog (Qt's
// offers a PDF file too) or, on a machine without a printer, to a PDF file chosen in the save dialog. A
// PDF file is written beside the chosen file and put in its place only when whole (PdfFileOutput): a
// failure leaves the chosen file as it was and says so.
// While the job runs the main window is disabled and the printing window shows its Cancel button; the
// job advances one step (a page) per Tick, which the main task calls every period.
//
// Everything borrowed must outlive the commands. Runs on the user-interface thread.
class PrintCommands {
public:
    struct Parts {
        QWidget& mainWindow;
        IDefinitionSource& texts;
        OverlayMessages& messages;
        platform::IFileDialogs& fileDialogs;
        ISheetFactory& sheets;
    };

    explicit PrintCommands(const Parts& parts);
    ~PrintCommands();
    PrintCommands(const PrintCommands&) = delete;
    PrintCommands& operator=(const PrintCommands&) = delete;

    // The printer set-up from now on (tests put a double; it must outlive the commands); none: Qt's.
    void SetPrinterSetup(platform::IPrinterSetup* setup);

    // Asks for the printer (or PDF file) and starts a job over `sheetArguments` (tree arguments in
    // print order). Nothing when a job runs already, the user cancels, or the page has no room (with a
    // message). True when a job started.
    bool Print(std::vector<std::string> sheetArguments);
    // One step of the running job; ends it (and reports a printer that could not be opened) when done.
    void Tick();
    bool Busy() const { return m_job != nullptr; }
    // The running job's window; none when idle.
    PrintingWindow* Window() const { return m_window; }

private:
    bool ChoosePrinter(QPrinter& printer);
    void EndJob();
    // The error message `key` (one "%s": the printer or file) for `target`.
    void ShowFileFailure(const char* key, const QString& target);

    Parts m_parts;
    std::unique_ptr<platform::IPrinterSetup> m_qtSetup;
    platform::IPrinterSetup* m_setup;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<PdfFileOutput> m_output; // the job's device when it prints to a file
    std::unique_ptr<PrintJob> m_job;
    QPointer<PrintingWindow> m_window;
};
