// The desktop window offscreen: start-up to the first painted window (goal under 300 ms), switching
// between two sheets (goal under 30 ms), and the resident memory after start (goal under 60 MB).

#include "app/indEnviron.h"
#include "app/qt/MainProgram.h"
#include "app/qt/TitleSheetFactory.h"
#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"
#ifdef VQN58_SHEET_WIDGETS
#include "app/qt/WidgetSheetFactory.h"
#include "platform/qt/QtFontMetrics.h"
#endif

#include <QApplication>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "bench_window";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

// One run of the program on defaults that are never saved, as far as the first painted window.
struct Started {
    Started() {
        overlay.SetSourceFile(VQN58_BIN_DIR "/VQN58.OVL");
        program = std::make_unique<MainProgram>(
            MainProgram::Platform{overlay, events, settings, box, dialogs, timers, clock, sheets, {}, VQN58_BIN_DIR},
            std::vector<std::string>{"vqn58"});
        program->Form().show();
        benchmark::DoNotOptimize(program->Form().grab());
    }

    indEnviron settings{ScreenSize{}};
    cmcGTex overlay;
    platform::SteadyClock clock;
    platform::ManualTimerSource timers{clock};
    cmcEvMan events{timers};
    platform::StreamMessageBox box;
    platform::NoFileDialogs dialogs;
    GTexDefinitionSource definitions{overlay};
#ifdef VQN58_SHEET_WIDGETS
    platform::QtFontMetrics metrics;
    WidgetSheetFactory sheets{definitions, events, metrics};
#else
    TitleSheetFactory sheets{definitions};
#endif
    std::unique_ptr<MainProgram> program;
};

double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

void BM_StartToFirstPaint(benchmark::State& state) {
    Application();
    for (auto _ : state) {
        Started started;
        benchmark::DoNotOptimize(started.program.get());
    }
    state.counters["resident_MB"] = ResidentMegabytes();
}
BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SwitchSheets(benchmark::State& state) {
    Application();
    Started started;
    cuiMainForm& form = started.program->Form();
    bool international = false;
    for (auto _ : state) {
        international = !international;
        form.OpenSheetByArgument(international ? "GI_Sheet_IntCh" : "GI_Sheet_ComSet");
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(BM_SwitchSheets)->Unit(benchmark::kMillisecond);

} // namespace
