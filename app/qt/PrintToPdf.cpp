#include "app/qt/PrintToPdf.h"

#include "app/indEnviron.h"
#include "app/qt/MainProgram.h"
#include "app/qt/PdfFileOutput.h"
#include "app/qt/PrintJob.h"
#include "app/qt/WidgetSheetFactory.h"
#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "overlay/FormatText.h"
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

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>

QPageSize PrintPdfPaper(const PrintPdfRequest& request) {
    const PrintPdfRequest::Paper paper = request.paper.value_or(
        QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? PrintPdfRequest::Paper::Letter
                                                                           : PrintPdfRequest::Paper::A4);
    return QPageSize(paper == PrintPdfRequest::Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

namespace {

// Qt's own warnings (a painter that could not begin, a font not found) are not the user's business: the
// program's message says what failed. Only a fatal one is shown, as the process ends with it.
void FatalQtMessagesOnly(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "vqn58: %s\n", message.toLocal8Bit().constData());
    }
}

// The tree arguments of every node in tree order (empty for a node that names no sheet).
std::vector<std::string> TreeArguments(MainWindow& form) {
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

constexpr const char* kCannotWrite = "cannot write the PDF file; it was left as it was";

const char* OutcomeMessage(PrintJob::Outcome outcome) {
    switch (outcome) {
    case PrintJob::Outcome::NoRoom:
        return "the margins and the page header leave no room for the sheet";
    case PrintJob::Outcome::CannotOpen:
    case PrintJob::Outcome::CannotWrite:
        return kCannotWrite;
    default:
        return "printing stopped";
    }
}

bool EndsWithCloneFileExtension(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) {
        return static_cast<char>(std::tolower(c));
    });
    return extension == ".qcf";
}

// True when `path` names a regular file (links followed) that begins as every PDF file does.
bool IsPdfFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false; // a folder, a device or a pipe is no PDF file, and a pipe must not be read
    }
    std::ifstream file(path, std::ios::binary);
    char head[5] = {};
    return file.read(head, sizeof head) && std::string_view(head, sizeof head) == "%PDF-";
}

// Why OUT must not be written, or nothing: the PDF file never replaces the clone file it prints (under
// any of its names), a file named as a clone file, or an existing file that is no PDF file.
std::optional<std::string> RefusedOutput(const PrintPdfRequest& request) {
    const std::filesystem::path out(request.output);
    std::error_code error;
    if (!request.file.empty() && std::filesystem::equivalent(out, request.file, error)) {
        return "is the clone file to be printed; the PDF file needs a name of its own";
    }
    if (EndsWithCloneFileExtension(out)) {
        return "is named as a clone file (.qcf); the PDF file needs another name";
    }
    if (std::filesystem::exists(out, error) && !IsPdfFile(out)) {
        return "exists and is not a PDF file; it was left as it is";
    }
    if (error) {
        return "cannot be checked: " + error.message();
    }
    return std::nullopt;
}

} // namespace

void QuietQtMessages() {
    qInstallMessageHandler(FatalQtMessagesOnly);
}

int RunPrintPdf(const PrintPdfRequest& request) {
    QuietQtMessages();
    const std::string out = PrintableText(request.output);
    if (const std::optional<std::string> refused = RefusedOutput(request)) {
        std::fprintf(stderr, "vqn58: %s: %s\n", out.c_str(), refused->c_str());
        return 2;
    }
    const std::filesystem::path data = platform::ProgramDataDir();
    const std::filesystem::path overlayPath = data / "VQN58.OVL";
    if (request.sheet && !OverlayHasSheet(overlayPath, ParseSheetReference(*request.sheet).key)) {
        std::fprintf(stderr,
                     "vqn58: the overlay has no sheet '%s'\nTry 'vqn58 --help'.\n",
                     PrintableText(*request.sheet).c_str());
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
    // What Open says about FILE names it.
    messageBox.SetPrefix("vqn58: " + (request.file.empty() ? std::string() : PrintableText(request.file) + ": "));
    if (!request.file.empty() && program.App().OpenFile(request.file) != 0) {
        return 1;
    }
    messageBox.SetPrefix("vqn58: " + out + ": ");
    program.App().SetUsableChannelsOnly(request.usableOnly);

    const std::vector<std::string> arguments =
        request.sheet ? std::vector<std::string>{*request.sheet} : TreeArguments(program.Form());
    const std::string fileName = std::filesystem::path(program.App().DisplayName()).filename().string();
    // No printer margins (the overlay's margins apply), at a high printer's resolution.
    constexpr int kDpi = 1200;
    const std::unique_ptr<PdfFileOutput> output =
        PdfFileOutput::Open(request.output,
                            QPageLayout(PrintPdfPaper(request), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)),
                            kDpi,
                            QString::fromStdString(PrintDocumentTitle(definitions, arguments, fileName)),
                            QString::fromStdString(overlay.GetLine("GI_Sys_AppTitleRev", 0)));
    if (!output) {
        std::fprintf(stderr, "vqn58: %s: %s\n", out.c_str(), kCannotWrite);
        return 1;
    }
    PrintJob job(sheets, output->Writer(), output->Dpi(), PrintSettings::FromOverlay(definitions), arguments);
    if (job.Start() == PrintJob::Outcome::Running) {
        while (job.Step()) {
        }
    }
    if (job.Result() != PrintJob::Outcome::Done) {
        std::fprintf(stderr, "vqn58: %s: %s\n", out.c_str(), OutcomeMessage(job.Result()));
        return 1;
    }
    if (job.Pages().empty()) {
        std::fprintf(stderr, "vqn58: %s: nothing to print: no printable sheet\n", out.c_str());
        return 1;
    }
    if (!output->Commit()) {
        std::fprintf(stderr, "vqn58: %s: %s\n", out.c_str(), kCannotWrite);
        return 1;
    }
    return 0;
}
