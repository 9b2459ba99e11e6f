// The channel lists through the behaviour object: a repaint of the whole International list (304 rows)
// as the window draws it, the warning probes of the three plans as the delayed warning check asks
// them, and a copy and paste of all 234 editable rows.

#include "BenchDocument.h"
#include "platform/FontMetrics.h"
#include "sheets/ChannelSheetLayout.h"

#include <benchmark/benchmark.h>

namespace {

// An image pattern in which no channel is inhibited.
std::uint8_t ChannelPattern(std::int32_t address) {
    return static_cast<std::uint8_t>(address * 5 & 0x67);
}

void BM_RepaintInternationalList(benchmark::State& state) {
    bench::BenchDocument document(ChannelPattern);
    indActiveCell behaviour(document);
    platform::FixedFontMetrics metrics;
    const ChannelSheetState sheetState;
    ChannelSheetLayout layout(document.source, "GI_Sheet_IntCh", metrics, sheetState);
    layout.Build();
    std::int64_t cells = 0;
    for (auto _ : state) {
        cells += bench::AnswerEveryCell(layout, behaviour);
    }
    state.SetItemsProcessed(cells);
}
BENCHMARK(BM_RepaintInternationalList)->Unit(benchmark::kMicrosecond);

void BM_WarningProbesOfThePlans(benchmark::State& state) {
    bench::BenchDocument document(ChannelPattern);
    indActiveCell behaviour(document);
    for (auto _ : state) {
        for (const std::int32_t kind : {50, 51, 52, 53}) {
            benchmark::DoNotOptimize(behaviour.ProbeWarning(0, kind, 0));
        }
    }
}
BENCHMARK(BM_WarningProbesOfThePlans)->Unit(benchmark::kMicrosecond);

void BM_CopyAndPasteEveryEditableRow(benchmark::State& state) {
    bench::BenchDocument document(ChannelPattern);
    indActiveCell behaviour(document);
    cmcCellObj cell;
    cell.SetCategory(2);
    cell.SetKind(113);
    auto command = [&](std::int32_t param) {
        cmcCellCapsule capsule;
        capsule.Cell = &cell;
        capsule.Param = param;
        capsule.Range = cmcCellCapsule::kRangeSet;
        capsule.RangeFirst = 0;
        capsule.RangeLast = 233;
        behaviour.Answer(capsule, ICellBehaviour::kCommand);
    };
    for (auto _ : state) {
        command(60);
        command(61);
    }
    state.SetItemsProcessed(234 * static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_CopyAndPasteEveryEditableRow)->Unit(benchmark::kMicrosecond);

} // namespace
