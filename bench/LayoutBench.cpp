// Laying out the International channel sheet (304 channel rows of eight columns) from its definition:
// basic cell, counting pass, instantiation with the repeat rows, and measuring.

#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"
#include "platform/FontMetrics.h"
#include "sheets/ChannelSheetLayout.h"
#include "sheets/SheetLayout.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// From definitions already in memory: the cost of the notation and the layout alone.
void BM_LayoutChannelSheetInMemory(benchmark::State& state) {
    TextDefinitionSource source(ReadFile(VQN58_SOURCE_DIR "/data/overlay/40_sheets.ovl") + "#End_Of_Ovl\n");
    platform::FixedFontMetrics metrics;
    const ChannelSheetState sheetState;
    for (auto _ : state) {
        ChannelSheetLayout layout(source, "GI_Sheet_IntCh", metrics, sheetState);
        layout.Build();
        benchmark::DoNotOptimize(layout.ColumnWidth(1));
    }
}
BENCHMARK(BM_LayoutChannelSheetInMemory)->Unit(benchmark::kMillisecond);

// As the program opens the sheet the first time: a fresh overlay reader on the shipped overlay file.
void BM_LayoutChannelSheetFromOverlayFile(benchmark::State& state) {
    platform::FixedFontMetrics metrics;
    const ChannelSheetState sheetState;
    for (auto _ : state) {
        cmcGTex gtex;
        gtex.SetSourceFile(VQN58_BIN_DIR "/VQN58.OVL");
        GTexDefinitionSource source(gtex);
        ChannelSheetLayout layout(source, "GI_Sheet_IntCh", metrics, sheetState);
        layout.Build();
        benchmark::DoNotOptimize(layout.ColumnWidth(1));
    }
}
BENCHMARK(BM_LayoutChannelSheetFromOverlayFile)->Unit(benchmark::kMillisecond);

// Loops of the largest count, one with an empty body and one cut at the row limit: a hostile sheet
// definition costs no more than the rows it may make.
void BM_LayoutHugeLoopCounts(benchmark::State& state) {
    TextDefinitionSource source("#S_Style\n\n#S_BasicCell\n\n#S_Cells\n"
                                ":(LoopFrom 2147483647)(LoopTo)\n"
                                ":(LoopFrom 2147483647)\n:(LoopTo)\n"
                                ":(LoopFrom 2147483647)\nx\n:(LoopTo)\n#\n#End_Of_Ovl\n");
    platform::FixedFontMetrics metrics;
    for (auto _ : state) {
        SheetLayout layout(source, "S", metrics);
        layout.Build();
        benchmark::DoNotOptimize(layout.RowCount());
    }
}
BENCHMARK(BM_LayoutHugeLoopCounts)->Unit(benchmark::kMillisecond);

} // namespace
