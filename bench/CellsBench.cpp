// Answering the cells of the largest settings sheet (the factory adjustments: timers, bytes, lists and
// the adjustment copies) through the behaviour object, as a window repaints it; and vqn58-cli show of
// that sheet as a whole process (start-up, overlay, open, layout, every cell).

#include "BenchDocument.h"
#include "platform/FontMetrics.h"
#include "sheets/ChannelSheetLayout.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr const char* kSheet = "GI_Sheet_MakerR";

void BM_AnswerEverySettingsCell(benchmark::State& state) {
    bench::BenchDocument document([](std::int32_t a) { return static_cast<std::uint8_t>(a * 7); },
                                  {0xF0, 1, 2, 3, 4, 5});
    indActiveCell behaviour(document);
    platform::FixedFontMetrics metrics;
    const ChannelSheetState sheetState;
    ChannelSheetLayout layout(document.source, kSheet, metrics, sheetState);
    layout.Build();
    std::int64_t cells = 0;
    for (auto _ : state) {
        cells += bench::AnswerEveryCell(layout, behaviour);
    }
    state.counters["cells/sheet"] = static_cast<double>(cells) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(cells);
}
BENCHMARK(BM_AnswerEverySettingsCell)->Unit(benchmark::kMicrosecond);

void BM_ShowSheetProcess(benchmark::State& state) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "vqn58-bench-show.qcf";
    const std::string cli = std::string(VQN58_BIN_DIR) + "/vqn58-cli";
    const std::string make = cli + " new '" + file.string() + "' --force > /dev/null 2>&1";
    if (std::system(make.c_str()) != 0) {
        state.SkipWithError("vqn58-cli new failed");
        return;
    }
    const std::string show = cli + " show '" + file.string() + "' " + kSheet + " > /dev/null 2>&1";
    for (auto _ : state) {
        if (std::system(show.c_str()) != 0) {
            state.SkipWithError("vqn58-cli show failed");
            break;
        }
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_ShowSheetProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
