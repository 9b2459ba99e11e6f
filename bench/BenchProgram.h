#pragma once

// The desktop program for the window benchmarks: offscreen, on defaults that are never saved, with the
// sheets the window draws.

#include "app/indEnviron.h"
#include "app/qt/MainProgram.h"
#include "app/qt/WidgetSheetFactory.h"
#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"
#include "platform/qt/QtFontMetrics.h"

#include <QApplication>
#include <memory>
#include <string>
#include <vector>

namespace bench {

// The benchmark's one application object, on the offscreen platform.
inline QApplication& OffscreenApplication() {
    static int argc = 1;
    static char name[] = "vqn58_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

// One run of the program, its window built but not shown.
struct BenchProgram {
    BenchProgram() {
        overlay.SetSourceFile(VQN58_BIN_DIR "/VQN58.OVL");
        program = std::make_unique<MainProgram>(
            MainProgram::Platform{overlay, events, settings, box, dialogs, timers, clock, sheets, {}, VQN58_BIN_DIR},
            std::vector<std::string>{"vqn58"});
    }
    ~BenchProgram() { program.reset(); } // before the sheets it holds

    QApplication& application = OffscreenApplication(); // before any widget or picture
    indEnviron settings{ScreenSize{}};
    cmcGTex overlay;
    platform::SteadyClock clock;
    platform::ManualTimerSource timers{clock};
    cmcEvMan events{timers};
    platform::StreamMessageBox box;
    platform::NoFileDialogs dialogs;
    GTexDefinitionSource definitions{overlay};
    platform::QtFontMetrics metrics;
    WidgetSheetFactory sheets{definitions, events, metrics};
    std::unique_ptr<MainProgram> program;
};

} // namespace bench
