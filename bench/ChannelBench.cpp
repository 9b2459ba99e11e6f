// The channel lists through the behaviour object: a repaint of the whole International list (304 rows)
// as the window draws it, the warning probes of the three plans as the delayed warning check asks
// them, and a copy and paste of all 234 editable rows.

#include "events/cmcEvMan.h"
#include "image/cmcEeprom.h"
#include "model/ICellDocument.h"
#include "model/IMainCommands.h"
#include "model/cmcClipCh.h"
#include "model/indActiveCell.h"
#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"
#include "overlay/cmcHash2.h"
#include "platform/Clock.h"
#include "platform/FontMetrics.h"
#include "platform/Timer.h"
#include "sheets/CellListReader.h"
#include "sheets/iuiSheetLayout.h"

#include <benchmark/benchmark.h>

namespace {

// A window's document over the shipped overlay; the clipboard, and every paste question answered OK.
class ChannelDocument final : public ICellDocument {
public:
    ChannelDocument() {
        gtex.SetSourceFile(VQN58_BIN_DIR "/VQN58.OVL");
        image.SetSize(0x801);
        for (std::int32_t a = 0; a < 0x801; ++a) {
            image.SetByte(a, static_cast<std::uint8_t>(a * 5 & 0x67)); // no channel inhibited
        }
    }
    cmcEeprom& CellImage() override { return image; }
    IDefinitionSource& Texts() override { return source; }
    cmcHash2& CellTables() override { return tables; }
    cmcEvMan& Events() override { return events; }
    int ModelType() override { return 1; }
    const model::FactoryAdjustments& Adjustments() override { return adjustments; }
    std::span<const std::uint8_t> CloneIdentityBytes() override { return identity; }
    void CellAnswered() override {}
    cmcClipCh* ChannelClipboard() override { return &clipboard; }
    bool Confirm(std::string_view /*textKey*/) override { return true; }

    cmcGTex gtex;
    GTexDefinitionSource source{gtex};
    cmcHash2 tables{source, CellListReader(source)};
    platform::SteadyClock clock;
    platform::ManualTimerSource timers{clock};
    cmcEvMan events{timers};
    cmcEeprom image;
    cmcClipCh clipboard;
    model::FactoryAdjustments adjustments{};
    std::array<std::uint8_t, 22> identity{};
};

void BM_RepaintInternationalList(benchmark::State& state) {
    ChannelDocument document;
    NoMainCommands commands;
    indActiveCell behaviour(document, commands);
    platform::FixedFontMetrics metrics;
    const ChannelSheetState sheetState;
    iuiSheetLayout layout(document.source, "GI_Sheet_IntCh", metrics, sheetState);
    layout.Build();
    std::int64_t cells = 0;
    for (auto _ : state) {
        for (std::int32_t row = 0; row < layout.RowCount(); ++row) {
            for (std::int32_t column = 0; column < layout.ColumnCount(); ++column) {
                cmcCellObj& cell = layout.Slot(column, row).Cell();
                if (cell.HasKind()) {
                    cmcCellCapsule capsule;
                    capsule.Cell = &cell;
                    behaviour.Answer(capsule, ICellBehaviour::kDraw);
                    benchmark::DoNotOptimize(capsule.OutText.data());
                    ++cells;
                }
            }
        }
    }
    state.SetItemsProcessed(cells);
}
BENCHMARK(BM_RepaintInternationalList)->Unit(benchmark::kMicrosecond);

void BM_WarningProbesOfThePlans(benchmark::State& state) {
    ChannelDocument document;
    NoMainCommands commands;
    indActiveCell behaviour(document, commands);
    for (auto _ : state) {
        for (const std::int32_t kind : {50, 51, 52, 53}) {
            benchmark::DoNotOptimize(behaviour.ProbeWarning(0, kind, 0));
        }
    }
}
BENCHMARK(BM_WarningProbesOfThePlans)->Unit(benchmark::kMicrosecond);

void BM_CopyAndPasteEveryEditableRow(benchmark::State& state) {
    ChannelDocument document;
    NoMainCommands commands;
    indActiveCell behaviour(document, commands);
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
