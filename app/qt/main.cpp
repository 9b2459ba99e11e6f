// vqn58 [FILE]: the desktop program. A second copy ends at once without a word; FILE is opened as Open
// does; "/servmod" among the arguments asks to switch maker mode on.
// vqn58 --screenshots DIR [FILE]: writes pictures of the window for every sheet of the tree and of each
// small window into DIR, showing FILE when given, then ends (run it on the offscreen platform).

#include "app/indEnviron.h"
#include "app/qt/MainProgram.h"
#include "app/qt/Screenshots.h"
#include "app/qt/TitleSheetFactory.h"
#ifdef VQN58_SHEET_WIDGETS
#include "app/qt/WidgetSheetFactory.h"
#include "platform/qt/QtFontMetrics.h"
#endif
#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"
#include "platform/Clock.h"
#include "platform/ProgramPaths.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtInstanceLock.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtTimerSource.h"
#include "platform/serial/PortList.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The desktop entry's name, so the desktop matches the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vqn58.vqn58"));
    platform::InstallQtFaultHandler();
    ScreenSize screen;
    if (const QScreen* primary = QGuiApplication::primaryScreen(); primary != nullptr) {
        screen = {primary->availableGeometry().width(), primary->availableGeometry().height()};
    }
    // The process-wide objects in their order: settings (with the single-instance lock), overlay, events.
    platform::QtInstanceLock lock(indEnviron::kMutexName);
    platform::QtSettingsStore store;
    indEnviron settings(lock, store, screen);
    if (!settings.IsFirstInstance()) {
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
#ifdef VQN58_SHEET_WIDGETS
    platform::QtFontMetrics metrics;
    WidgetSheetFactory sheets(definitions, events, metrics);
#else
    TitleSheetFactory sheets(definitions);
#endif

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
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--screenshots") {
        if (argc != 3 && argc != 4) {
            std::fprintf(stderr, "usage: vqn58 --screenshots DIR [FILE]\n");
            return 2;
        }
        if (argc == 4 && program.App().OpenFile(argv[3]) != 0) {
            return 3;
        }
        return WriteScreenshots(program, argv[2]) ? 0 : 3;
    }
    // The first argument that is not the maker switch is the file to open (paths may begin with '/').
    for (int i = 1; i < argc; ++i) {
        QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.compare(QStringLiteral("/servmod"), Qt::CaseInsensitive) != 0) {
            program.App().OpenFile(argv[i]);
            break;
        }
    }
    return QApplication::exec();
}
