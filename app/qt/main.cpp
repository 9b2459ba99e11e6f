// vqn58 [FILE]: the desktop program. A second copy hands FILE to the running one, or asks it to come to
// the front when started without a file, and ends; FILE is opened as Open does; "/servmod" among the
// arguments asks to switch maker mode on.
// vqn58 --screenshots DIR [FILE]: writes pictures of the window for every sheet of the tree and of each
// small window into DIR, showing FILE when given, then ends (run it on the offscreen platform). It runs
// on its own with the default settings, whatever copy is running.
// vqn58 --print-pdf OUT.pdf [--sheet KEY | --all] [--usable] [--paper a4|letter] [FILE]: prints to a
// PDF file without a window, also on its own.

#include "app/indEnviron.h"
#include "app/qt/MainProgram.h"
#include "app/qt/PrintToPdf.h"
#include "app/qt/Screenshots.h"
#include "app/qt/WidgetSheetFactory.h"
#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"
#include "platform/Clock.h"
#include "platform/ProgramPaths.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtFileHandOver.h"
#include "platform/qt/QtFontMetrics.h"
#include "platform/qt/QtInstanceLock.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtTimerSource.h"
#include "platform/serial/PortList.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

constexpr const char* kUsage =
    "usage: vqn58 [FILE]                 the desktop program; opens FILE (a clone file). When a copy runs\n"
    "                                    already, it opens FILE there (without FILE: shows that window).\n"
    "       vqn58 --print-pdf OUT.pdf [--sheet KEY | --all] [--usable] [--paper a4|letter] [FILE]\n"
    "                                    prints FILE (default: the factory data of model type 0) to the\n"
    "                                    PDF file OUT.pdf, without a window: one sheet by its overlay key\n"
    "                                    (e.g. GI_Sheet_IntCh), or --all (the default) every sheet of the\n"
    "                                    tree in tree order; sheets marked NoPrint are left out. --usable\n"
    "                                    prints the channel lists with the usable channels only. --paper\n"
    "                                    chooses A4 or US Letter pages (default: the locale's paper).\n"
    "                                    OUT.pdf is replaced only by a whole PDF file, never when it is\n"
    "                                    FILE, ends in .qcf or exists and is no PDF file.\n"
    "                                    Exit status: 0 printed; 1 FILE unreadable, OUT unwritable or\n"
    "                                    nothing printable; 2 usage error, unknown sheet or refused OUT.\n"
    "       vqn58 --screenshots DIR [FILE]  pictures of every sheet and window into DIR\n"
    "       vqn58 --help                 this text\n"
    "--print-pdf and --screenshots run on their own, whatever copy of the program is running.\n"
    "A \"/servmod\" argument asks to switch maker mode on.\n";

// The local socket through which a second copy hands its file to the running one.
constexpr const char* kHandOverName = "vqn58-open";

// The first argument that is not the maker switch: the file to open (paths may begin with '/').
std::optional<std::string> FileArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]).compare(QStringLiteral("/servmod"), Qt::CaseInsensitive) != 0) {
            return std::string(argv[i]);
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const bool printPdf = first == "--print-pdf";
    if (printPdf) {
        // No window is shown, so no display is needed; the program's messages say what failed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QuietQtMessages();
    }
    QApplication application(argc, argv);
    // The desktop entry's name, so the desktop matches the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vqn58.vqn58"));
    platform::InstallQtFaultHandler();
    if (printPdf) {
        return RunPrintPdf(std::vector<std::string>(argv + 2, argv + argc));
    }
    ScreenSize screen;
    if (const QScreen* primary = QGuiApplication::primaryScreen(); primary != nullptr) {
        screen = {primary->availableGeometry().width(), primary->availableGeometry().height()};
    }
    // The process-wide objects in their order: settings (with the single-instance lock), overlay, events.
    // The pictures are taken on their own: with the default settings, neither the lock nor the user's
    // settings touched, whatever copy is running.
    const bool screenshots = first == "--screenshots";
    platform::QtInstanceLock lock(indEnviron::kMutexName);
    platform::QtSettingsStore store;
    const std::unique_ptr<indEnviron> environment =
        screenshots ? std::make_unique<indEnviron>(screen) : std::make_unique<indEnviron>(lock, store, screen);
    indEnviron& settings = *environment;
    if (!screenshots && !settings.IsFirstInstance()) {
        // The running copy opens the file this one was started with (a double click on a clone file),
        // or comes to the front; this copy ends without a word.
        if (const std::optional<std::string> file = FileArgument(argc, argv)) {
            platform::QtFileHandOver::Send(kHandOverName, *file);
        } else {
            platform::QtFileHandOver::SendShow(kHandOverName);
        }
        return 0;
    }
    const std::filesystem::path data = platform::ProgramDataDir();
    cmcGTex overlay;
    overlay.SetSourceFile((data / "VQN58.OVL").string());
    platform::QtTimerSource timers;
    platform::SteadyClock clock;
    cmcEvMan events(timers);
    platform::QtMessageBox messageBox;
    platform::QtFileDialogs fileDialogs;
    GTexDefinitionSource definitions(overlay);
    platform::QtFontMetrics metrics;
    WidgetSheetFactory sheets(definitions, events, metrics);

    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.emplace_back(argv[i]);
    }
    MainProgram program(
        {overlay, events, settings, messageBox, fileDialogs, timers, clock, sheets, &platform::ListSerialPorts, data},
        arguments);
    // Every image read from the radio is kept in the user's data folder before it replaces the document.
    if (const auto userData = platform::UserDataDir(); !userData.empty()) {
        program.App().SetBackupFolder(userData / "backups");
    }
    messageBox.SetParent(&program.Form());
    fileDialogs.SetParent(&program.Form());
    program.Form().show();
    if (screenshots) {
        if (argc != 3 && argc != 4) {
            std::fprintf(stderr, "usage: vqn58 --screenshots DIR [FILE]\n");
            return 2;
        }
        if (argc == 4 && program.App().OpenFile(argv[3]) != 0) {
            return 3;
        }
        return WriteScreenshots(program, argv[2]) ? 0 : 3;
    }
    if (const std::optional<std::string> file = FileArgument(argc, argv)) {
        program.App().OpenFile(*file);
    }
    // Files a second copy is started with come here.
    platform::QtFileHandOver handOver(
        kHandOverName, [&program](const std::filesystem::path& file) { program.Form().OpenFromDesktop(file); });
    handOver.OnShowRequest([&program] {
        QWidget& window = program.Form();
        if (window.isMinimized()) {
            window.showNormal();
        }
        window.raise();
        window.activateWindow();
    });
    return QApplication::exec();
}
