#pragma once

// The document of a window over the shipped overlay, for the benchmarks of the behaviour object: an
// image filled with a pattern, the channel clipboard, and every question answered OK.

#include "events/cmcEvMan.h"
#include "image/cmcEeprom.h"
#include "model/ICellDocument.h"
#include "model/cmcClipCh.h"
#include "model/indActiveCell.h"
#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"
#include "overlay/cmcHash2.h"
#include "platform/Clock.h"
#include "platform/Timer.h"
#include "sheets/CellListReader.h"
#include "sheets/SheetLayout.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <functional>

namespace bench {

class BenchDocument final : public ICellDocument {
public:
    // Byte `a` of the image is pattern(a).
    explicit BenchDocument(const std::function<std::uint8_t(std::int32_t)>& pattern,
                           const model::FactoryAdjustments& factoryAdjustments = {})
        : adjustments(factoryAdjustments) {
        gtex.SetSourceFile(VQN58_BIN_DIR "/VQN58.OVL");
        image.SetSize(0x801);
        for (std::int32_t a = 0; a < 0x801; ++a) {
            image.SetByte(a, pattern(a));
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
    model::FactoryAdjustments adjustments;
    std::array<std::uint8_t, 22> identity{};
};

// Answers every cell of `layout` that has a kind, as a repaint of the whole sheet asks them; the
// number of cells answered.
inline std::int64_t AnswerEveryCell(SheetLayout& layout, indActiveCell& behaviour) {
    std::int64_t cells = 0;
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
    return cells;
}

} // namespace bench
