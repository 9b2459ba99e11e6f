// The channel lists as comma-separated text: the export of a whole image, the import of a whole list
// that changes every row, and the refusal of 10 MB of garbage (which must end at once, by its size).

#include "image/cmcEeprom.h"
#include "model/ChannelExport.h"
#include "model/ChannelImport.h"
#include "model/ChannelPlan.h"
#include "model/datCh.h"

#include <benchmark/benchmark.h>

namespace {

using namespace model;

cmcEeprom BlankImage() {
    cmcEeprom image;
    image.SetSize(0x801);
    return image;
}

// Every row differs from a blank image: tagged list rows, inhibited weather rows, programmed free
// channels, the marks on other rows.
cmcEeprom BusyImage() {
    cmcEeprom image = BlankImage();
    datCh r(image);
    for (const std::uint8_t plan : {kPlanInternational, kPlanUsa, kPlanCanada}) {
        for (int row = 0; row < kPlanRowCount; ++row) {
            r.Load(plan, row);
            r.Tagged = r.Poc = true;
            r.MarkA = row == 32;
            r.MarkB = row == 18;
            r.Store(0, row);
        }
    }
    for (int row = 0; row < kWeatherCount; ++row) {
        r.Load(kPlanWeather, row);
        r.Inhibited = true;
        r.Store(0, row);
    }
    for (int row = 0; row < kFreeChannelCount; ++row) {
        r.Load(kPlanFree, row);
        r.RxHz = r.TxHz = 156'000'000 + 25'000 * static_cast<std::uint32_t>(row);
        r.RxBlank = r.TxBlank = false;
        r.Name = {'C', 'h', 'A'};
        r.Store(0, row);
    }
    return image;
}

void BM_ExportAllChannels(benchmark::State& state) {
    const cmcEeprom image = BusyImage();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = ExportChannels(image);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportAllChannels)->Unit(benchmark::kMicrosecond);

void BM_ImportAllChannels(benchmark::State& state) {
    const std::string text = ExportChannels(BusyImage());
    int changed = 0;
    for (auto _ : state) {
        cmcEeprom image = BlankImage();
        const ChannelImportResult result = ImportChannels(image, text);
        changed = result.changed;
        benchmark::DoNotOptimize(image.GetByte(0));
    }
    state.counters["rows_changed"] = changed;
}
BENCHMARK(BM_ImportAllChannels)->Unit(benchmark::kMicrosecond);

void BM_RefuseTenMegabytesOfGarbage(benchmark::State& state) {
    const std::string garbage(10 * 1024 * 1024, 'x');
    for (auto _ : state) {
        cmcEeprom image = BlankImage();
        benchmark::DoNotOptimize(ImportChannels(image, garbage).problem.key.data());
    }
}
BENCHMARK(BM_RefuseTenMegabytesOfGarbage)->Unit(benchmark::kMicrosecond);

void BM_RefuseALastBadLine(benchmark::State& state) {
    // The whole list is read and checked before the bad last line refuses it.
    const std::string text = ExportChannels(BusyImage()) + "free,0,1,,,,,,,156013000,0,\n";
    for (auto _ : state) {
        cmcEeprom image = BlankImage();
        benchmark::DoNotOptimize(ImportChannels(image, text).problem.line);
    }
}
BENCHMARK(BM_RefuseALastBadLine)->Unit(benchmark::kMicrosecond);

} // namespace
