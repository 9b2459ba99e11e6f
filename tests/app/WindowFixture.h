#pragma once

// The desktop program's window assembled on doubles: the shipped overlay and initial files, scripted
// message boxes and file dialogs, settings in memory, fake time, and the simulated radio in the program.

#include "app/indEnviron.h"
#include "app/qt/MainProgram.h"
#include "app/qt/MainStatusBar.h"
#include "app/qt/TitleSheetFactory.h"
#include "events/cmcEvMan.h"
#include "link/sim/RadioSim.h"
#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"
#include "sheets/cmcCellObj.h"
#include "support/FakeClock.h"
#include "support/FakeInstanceLock.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempDir.h"
#include "ui/CloneProgressWindow.h"
#include "ui/cuiMenu.h"
#include "ui/cuiToolBar.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace testsupport {

using Answer = platform::IMessageBox::Answer;

inline QApplication& Application() {
    // The file dialogs' tests in the same executable may have made the one application object already.
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *existing;
    }
    static int argc = 1;
    static char name[] = "app_window_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: key clicks leave Qt devices whose own clean-up at exit must find the
    // application still there.
    static auto* application = new QApplication(argc, argv);
    return *application;
}

class WindowFixture : public ::testing::Test {
protected:
    WindowFixture() { overlay.SetSourceFile(VQN58_BIN_DIR "/VQN58.OVL"); }

    MainProgram& Start(std::vector<std::string> arguments = {"vqn58"}) {
        program = std::make_unique<MainProgram>(MainProgram::Platform{overlay,
                                                                      events,
                                                                      settings,
                                                                      box,
                                                                      dialogs,
                                                                      time.Timers(),
                                                                      time.Clock(),
                                                                      *factory,
                                                                      [this] { return devices; },
                                                                      VQN58_BIN_DIR},
                                                arguments);
        program->Form().show();
        return *program;
    }
    MainWindow& Form() { return program->Form(); }
    indMain& App() { return program->App(); }

    // Runs the main loop's timers for `ms` milliseconds of fake time, with a little real time for the
    // pseudo-terminal of the simulated radio.
    void Run(int ms) {
        for (int i = 0; i < ms; ++i) {
            time.Advance(1);
            if (program && program->Link().SimulatedRadio() != nullptr) {
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            }
        }
    }
    template <typename Done> bool RunUntil(Done done, int limitMs = 60000) {
        for (int i = 0; i < limitMs && !done(); ++i) {
            Run(1);
        }
        return done();
    }
    QAction* MenuItem(int kind) { return Form().Menu().FindByKind(kind); }
    // The settings object ended as at the program's exit (it saves into the store) and made again as
    // at the next start (it loads them); `change` edits the store in between. The program must be
    // ended first.
    template <typename Change> void RestartSettings(Change change) {
        std::destroy_at(&settings);
        change(store);
        std::construct_at(&settings, lock, store, ScreenSize{});
    }

    QApplication& application = Application(); // before any widget
    testsupport::TempDir dir;
    testsupport::ScriptedMessageBox box;
    testsupport::ScriptedFileDialogs dialogs;
    testsupport::FakeTime time;
    bool held = false;
    testsupport::FakeInstanceLock lock{held};
    testsupport::MemorySettingsStore store;
    indEnviron settings{lock, store, ScreenSize{}};
    cmcGTex overlay;
    cmcEvMan events{time.Timers()};
    GTexDefinitionSource definitions{overlay};
    TitleSheetFactory sheets{definitions};
    ISheetFactory* factory = &sheets; // the window's sheets; a test may put its own
    std::vector<platform::SerialPortEntry> devices;
    std::unique_ptr<MainProgram> program;
};

} // namespace testsupport
