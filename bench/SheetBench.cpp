// The International channel sheet on screen (offscreen platform): building it with its first paint,
// repainting it, a cursor step with its repaint, and scrolling from top to bottom. Cells are answered by
// a stand-in behaviour that gives each kind a text of typical length.
//
// VQN58_SHEET_SHOT=<file.png> saves a picture of the built sheet, for looking at it.

#include "events/cmcEvMan.h"
#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"
#include "platform/Timer.h"
#include "platform/qt/QtFontMetrics.h"
#include "sheets/qt/ImageList.h"
#include "sheets/qt/SheetEnv.h"
#include "sheets/qt/cuiGrid.h"
#include "sheets/qt/iuiSheet.h"

#include <QApplication>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_sheets";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Never destroyed: Qt's own globals are gone when static objects end.
    static auto* application = new QApplication(argc, argv);
    return *application;
}

// Answers every cell with a kind like a channel list does: a short text, a mark on every seventh row.
class ChannelTexts final : public ICellBehaviour {
public:
    int Answer(cmcCellCapsule& capsule, int mode) override {
        if (mode == kDraw) {
            const int index = capsule.Cell->Index();
            capsule.OutText = capsule.Cell->HasDisplayText() ? std::string(capsule.Cell->DisplayText()) : "";
            if (capsule.Cell->DisplayText() == "000" || capsule.Cell->DisplayText() == "000A") {
                capsule.OutText = std::to_string(index + 1);
            }
            capsule.SetState(cmcCellCapsule::kCaution, index % 7 == 3 && capsule.Cell->DisplayText() == "PC");
        }
        return kNothing;
    }
};

// Everything a sheet needs, with the shipped overlay file.
struct SheetWorld {
    QApplication& app = App(); // before any pixmap
    SheetWorld() : timers(clock), events(timers), source(gtex), env{source, events, metrics} {
        gtex.SetSourceFile(VQN58_BIN_DIR "/VQN58.OVL");
        env.behaviour = &behaviour;
        env.images = &images;
        new QVBoxLayout(&area);
        area.layout()->setContentsMargins(0, 0, 0, 0);
        area.resize(720, 560);
        area.show();
    }

    iuiSheet& Build() {
        sheet.reset();
        sheet = std::make_unique<iuiSheet>(env, &area, nullptr, 0, 0, "GI_Sheet_IntCh", state);
        sheet->Build();
        sheet->Grid().setFocus();
        return *sheet;
    }

    platform::SteadyClock clock;
    platform::ManualTimerSource timers;
    cmcEvMan events;
    cmcGTex gtex;
    GTexDefinitionSource source;
    platform::QtFontMetrics metrics;
    ChannelTexts behaviour;
    ImageList images = ImageList::WithCellMarks(12);
    SheetEnv env;
    ChannelSheetState state;
    QWidget area;
    std::unique_ptr<iuiSheet> sheet;
};

void BM_SheetBuildAndFirstPaint(benchmark::State& state) {
    SheetWorld world;
    for (auto _ : state) {
        iuiSheet& sheet = world.Build();
        QApplication::processEvents(); // layout: the grid gets its size
        sheet.Grid().RepaintNow();
    }
    if (const QByteArray shot = qgetenv("VQN58_SHEET_SHOT"); !shot.isEmpty()) {
        world.area.grab().save(QString::fromLocal8Bit(shot));
    }
}
BENCHMARK(BM_SheetBuildAndFirstPaint)->Unit(benchmark::kMillisecond);

void BM_SheetRepaint(benchmark::State& state) {
    SheetWorld world;
    iuiSheet& sheet = world.Build();
    QApplication::processEvents();
    for (auto _ : state) {
        sheet.Grid().RepaintNow();
    }
}
BENCHMARK(BM_SheetRepaint)->Unit(benchmark::kMillisecond);

void BM_SheetCursorStep(benchmark::State& state) {
    SheetWorld world;
    iuiSheet& sheet = world.Build();
    QApplication::processEvents();
    int direction = 1;
    for (auto _ : state) {
        if (!sheet.MoveCursor(0, direction)) {
            direction = -direction;
        }
        // Paints what the step marked dirty: the cells it left and entered (the whole view when it scrolled).
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SheetCursorStep)->Unit(benchmark::kMicrosecond);

void BM_SheetScrollTopToBottom(benchmark::State& state) {
    SheetWorld world;
    iuiSheet& sheet = world.Build();
    QApplication::processEvents();
    cuiGrid& grid = sheet.Grid();
    std::int64_t steps = 0;
    for (auto _ : state) {
        for (std::int32_t top = grid.Geometry().FixedRows(); top <= grid.Geometry().MaxTopRow(); ++top) {
            grid.SetTopRow(top);
            QApplication::processEvents();
            ++steps;
        }
        grid.SetTopRow(0);
    }
    state.counters["steps"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SheetScrollTopToBottom)->Unit(benchmark::kMillisecond);

} // namespace
