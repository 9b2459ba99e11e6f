// Answering the cells of the largest settings sheet (the factory adjustments: timers, bytes, lists and
// the adjustment copies) through the behaviour object, as a window repaints it; and vqn58-cli show of
// that sheet as a whole process (start-up, overlay, open, layout, every cell).

#include "events/cmcEvMan.h"
#include "image/cmcEeprom.h"
#include "model/ICellDocument.h"
#include "model/IMainCommands.h"
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
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr const char* kSheet = "GI_Sheet_MakerR";

// The document of a window over the shipped overlay, with a patterned image.
class BenchDocument final : public ICellDocument {
public:
    BenchDocument() {
        gtex.SetSourceFile(VQN58_BIN_DIR "/VQN58.OVL");
        image.SetSize(0x801);
        for (std::int32_t a = 0; a < 0x801; ++a) {
            image.SetByte(a, static_cast<std::uint8_t>(a * 7));
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

    cmcGTex gtex;
    GTexDefinitionSource source{gtex};
    cmcHash2 tables{source, CellListReader(source)};
    platform::SteadyClock clock;
    platform::ManualTimerSource timers{clock};
    cmcEvMan events{timers};
    cmcEeprom image;
    model::FactoryAdjustments adjustments{0xF0, 1, 2, 3, 4, 5};
    std::array<std::uint8_t, 22> identity{};
};

void BM_AnswerEverySettingsCell(benchmark::State& state) {
    BenchDocument document;
    NoMainCommands commands;
    indActiveCell behaviour(document, commands);
    platform::FixedFontMetrics metrics;
    const ChannelSheetState sheetState;
    iuiSheetLayout layout(document.source, kSheet, metrics, sheetState);
    layout.Build();
    std::int64_t cells = 0;
    for (auto _ : state) {
        for (std::int32_t row = 0; row < layout.RowCount(); ++row) {
            for (std::int32_t column = 0; column < layout.ColumnCount(); ++column) {
                cmcCellObj& cell = layout.Slot(column, row).Cell();
                if (!cell.HasKind()) {
                    continue;
                }
                cmcCellCapsule capsule;
                capsule.Cell = &cell;
                behaviour.Answer(capsule, ICellBehaviour::kDraw);
                benchmark::DoNotOptimize(capsule.OutText.data());
                ++cells;
            }
        }
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
