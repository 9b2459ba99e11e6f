// vqn58 [FILE]: the desktop program. A second copy hands FILE to the running one, or asks it to come to
// the front when started without a file, and ends; FILE is opened as Open does; "/servmod" among the
// arguments asks to switch maker mode on.
// vqn58 --screenshots DIR [FILE]: writes pictures of the window for every sheet of the tree and of each
// small window into DIR, showing FILE when given, then ends (run it on the offscreen platform). It runs
// on its own with the default settings, whatever copy is running.
// vqn58 --print-pdf OUT.pdf [--sheet KEY | --all] [--usable] [--paper a4|letter] [FILE]: prints to a
// PDF file without a window, also on its own.

#include "app/indEnviron.h"
#include "app/qt/CommandLine.h"
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
#include <string>
#include <vector>

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
    "A \"/servmod\" argument asks to switch maker mode on. Arguments after \"--\" are files, even when they\n"
    "start with '-'. An unknown option is a usage error (exit status 2).\n";

// The local socket through which a second copy hands its file to the running one.
constexpr const char* kHandOverName = "vqn58-open";

int ShowUsage() {
    std::fputs(kUsage, stdout);
    return 0;
}

int RefuseUsage(const std::string& problem) {
    std::fprintf(stderr, "vqn58: %s\nTry 'vqn58 --help'.\n", problem.c_str());
    return 2;
}

// What every run of the program sets up once the application is made: the desktop entry's name, so
// the desktop matches the window to its menu entry and icon, and the handler of Qt's fatal faults.
void PrepareApplication() {
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vqn58.vqn58"));
    platform::InstallQtFaultHandler();
}

// Prints to a PDF file without a window, so no display is needed; the program's messages say what failed.
int PrintPdfOffscreen(int& argc, char** argv, const PrintPdfRequest& request) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QuietQtMessages();
    QApplication application(argc, argv);
    PrepareApplication();
    return RunPrintPdf(request);
}

ScreenSize AvailableScreen() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) {
        return {};
    }
    return {primary->availableGeometry().width(), primary->availableGeometry().height()};
}

// The running copy opens the file this one was started with (a double click on a clone file), or comes
// to the front.
void HandOverToRunningCopy(const std::string& file) {
    if (!file.empty()) {
        platform::QtFileHandOver::Send(kHandOverName, file);
    } else {
        platform::QtFileHandOver::SendShow(kHandOverName);
    }
}

// The process-wide objects after the settings, in their order (overlay, events, the platform's
// windows, the sheets), and the program with its main window, shown.
class DesktopProgram {
public:
    DesktopProgram(indEnviron& settings, const std::vector<std::string>& arguments) {
        m_overlay.SetSourceFile((m_data / "VQN58.OVL").string());
        m_program = std::make_unique<MainProgram>(MainProgram::Platform{m_overlay,
                                                                        m_events,
                                                                        settings,
                                                                        m_messageBox,
                                                                        m_fileDialogs,
                                                                        m_timers,
                                                                        m_clock,
                                                                        m_sheets,
                                                                        &platform::ListSerialPorts,
                                                                        m_data},
                                                  arguments);
        // Every image read from the radio is kept in the user's data folder before it replaces the document.
        if (const auto userData = platform::UserDataDir(); !userData.empty()) {
            m_program->App().SetBackupFolder(userData / "backups");
        }
        m_messageBox.SetParent(&m_program->Form());
        m_fileDialogs.SetParent(&m_program->Form());
        m_program->Form().show();
    }

    MainProgram& Program() { return *m_program; }

private:
    const std::filesystem::path m_data = platform::ProgramDataDir();
    cmcGTex m_overlay;
    platform::QtTimerSource m_timers;
    platform::SteadyClock m_clock;
    cmcEvMan m_events{m_timers};
    platform::QtMessageBox m_messageBox;
    platform::QtFileDialogs m_fileDialogs;
    GTexDefinitionSource m_definitions{m_overlay};
    platform::QtFontMetrics m_metrics;
    WidgetSheetFactory m_sheets{m_definitions, m_events, m_metrics};
    std::unique_ptr<MainProgram> m_program;
};

int TakeScreenshots(MainProgram& program, const StartRequest& request) {
    if (!request.file.empty() && program.App().OpenFile(request.file) != 0) {
        return 3;
    }
    return WriteScreenshots(program, request.folder) ? 0 : 3;
}

// Opens the file the program was started with, takes the files a second copy is started with, and
// runs until the window closes.
int RunWindow(MainProgram& program, const std::string& file) {
    // The file's first sheet shows what is open, as after any other opening.
    if (!file.empty() && program.App().OpenFile(file) == 0) {
        program.Form().ShowFirstSheetUnlessOneIsChosen();
    }
    platform::QtFileHandOver handOver(
        kHandOverName, [&program](const std::filesystem::path& given) { program.Form().OpenFromDesktop(given); });
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

// The window, or its pictures. The pictures are taken on their own: with the default settings, neither
// the single-instance lock nor the user's settings touched, whatever copy is running. A copy started
// while another runs hands its file over and ends without a word.
int RunDesktopProgram(int& argc, char** argv, const StartRequest& request) {
    QApplication application(argc, argv);
    PrepareApplication();
    const bool screenshots = request.action == StartRequest::Action::TakeScreenshots;
    platform::QtInstanceLock lock(indEnviron::kMutexName);
    platform::QtSettingsStore store;
    const std::unique_ptr<indEnviron> settings = screenshots
                                                     ? std::make_unique<indEnviron>(AvailableScreen())
                                                     : std::make_unique<indEnviron>(lock, store, AvailableScreen());
    if (!screenshots && !settings->IsFirstInstance()) {
        HandOverToRunningCopy(request.file);
        return 0;
    }
    // The arguments without Qt's own, which the application took out; the program looks for the maker switch.
    DesktopProgram desktop(*settings, std::vector<std::string>(argv, argv + argc));
    if (screenshots) {
        return TakeScreenshots(desktop.Program(), request);
    }
    return RunWindow(desktop.Program(), request.file);
}

} // namespace

int main(int argc, char** argv) {
    const StartRequest request = ReadCommandLine(std::vector<std::string>(argv, argv + argc));
    switch (request.action) {
    case StartRequest::Action::ShowUsage:
        return ShowUsage();
    case StartRequest::Action::RefuseUsage:
        return RefuseUsage(request.problem);
    case StartRequest::Action::PrintPdf:
        return PrintPdfOffscreen(argc, argv, request.print);
    case StartRequest::Action::TakeScreenshots:
    case StartRequest::Action::OpenWindow:
        break;
    }
    return RunDesktopProgram(argc, argv, request);
}
