#include "app/qt/PrintToPdf.h"

#include "app/indEnviron.h"
#include "app/qt/MainProgram.h"
#include "app/qt/PrintJob.h"
#include "app/qt/WidgetSheetFactory.h"
#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "overlay/OverlayHasSheet.h"
#include "overlay/cmcGTex.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPaths.h"
#include "platform/qt/QtFontMetrics.h"
#include "platform/qt/QtTimerSource.h"
#include "sheets/cmcCellObj.h"
#include "ui/cuiTree.h"

#include <QPageSize>
#include <QPrinter>
#include <cstdio>

std::optional<PrintPdfRequest> ParsePrintPdf(const std::vector<std::string>& args, std::string& error) {
    PrintPdfRequest request;
    bool all = false;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--all") {
            all = true;
        } else if (arg == "--sheet") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = "--sheet needs a sheet name";
                return std::nullopt;
            }
            request.sheet = args[++i];
        } else if (arg.size() > 1 && arg.starts_with("--")) {
            error = "unknown option " + arg;
            return std::nullopt;
        } else {
            positional.push_back(arg);
        }
    }
    if (all && request.sheet) {
        error = "--sheet and --all exclude each other";
        return std::nullopt;
    }
    if (positional.empty() || positional.front().empty() || positional.size() > 2) {
        error = "--print-pdf needs OUT.pdf and at most one FILE";
        return std::nullopt;
    }
    request.output = positional[0];
    if (positional.size() == 2) {
        request.file = positional[1];
    }
    return request;
}

namespace {

// The tree arguments of every node in tree order (empty for a node that names no sheet).
std::vector<std::string> TreeArguments(cuiMainForm& form) {
    std::vector<std::string> arguments;
    if (form.Tree() == nullptr) {
        return arguments;
    }
    for (const QTreeWidgetItem* item : form.Tree()->NodesInOrder()) {
        const cmcCellObj* cell = cuiTree::CellOf(item);
        arguments.push_back(cell != nullptr && cell->Argument() ? *cell->Argument() : std::string());
    }
    return arguments;
}

const char* OutcomeMessage(PrintJob::Outcome outcome) {
    switch (outcome) {
    case PrintJob::Outcome::NoRoom:
        return "the margins and the page header leave no room for the sheet";
    case PrintJob::Outcome::CannotOpen:
        return "cannot write the PDF file";
    default:
        return "printing stopped";
    }
}

} // namespace

int RunPrintPdf(const std::vector<std::string>& args) {
    std::string error;
    const std::optional<PrintPdfRequest> request = ParsePrintPdf(args, error);
    if (!request) {
        std::fprintf(stderr, "vqn58: %s\nTry 'vqn58 --help'.\n", error.c_str());
        return 2;
    }
    const std::filesystem::path data = platform::ProgramDataDir();
    const std::filesystem::path overlayPath = data / "VQN58.OVL";
    if (request->sheet && !OverlayHasSheet(overlayPath, ParseSheetReference(*request->sheet).key)) {
        std::fprintf(stderr, "vqn58: the overlay has no sheet '%s'\nTry 'vqn58 --help'.\n", request->sheet->c_str());
        return 2;
    }

    // The window's objects without the window: settings of this run only, messages to standard error,
    // no dialogs.
    cmcGTex overlay;
    overlay.SetSourceFile(overlayPath.string());
    indEnviron settings{ScreenSize{}};
    platform::QtTimerSource timers;
    platform::SteadyClock clock;
    cmcEvMan events(timers);
    platform::StreamMessageBox messageBox;
    platform::NoFileDialogs fileDialogs;
    GTexDefinitionSource definitions(overlay);
    platform::QtFontMetrics metrics;
    WidgetSheetFactory sheets(definitions, events, metrics);
    MainProgram program({overlay, events, settings, messageBox, fileDialogs, timers, clock, sheets, {}, data},
                        {"vqn58"});
    if (!request->file.empty() && program.App().OpenFile(request->file) != 0) {
        return 1;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(request->output));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    PrintJob job(sheets,
                 printer,
                 PrintSettings::FromOverlay(program.App().Definitions()),
                 request->sheet ? std::vector<std::string>{*request->sheet} : TreeArguments(program.Form()));
    if (job.Start() == PrintJob::Outcome::Running) {
        while (job.Step()) {
        }
    }
    if (job.Result() != PrintJob::Outcome::Done) {
        std::fprintf(stderr, "vqn58: %s: %s\n", request->output.c_str(), OutcomeMessage(job.Result()));
        return 1;
    }
    if (job.Pages().empty()) {
        std::fprintf(stderr, "vqn58: nothing to print: no printable sheet\n");
        return 1;
    }
    return 0;
}
