// Time to save one clone file and to load it back, as a user's Save and Open do.

#include "image/cmcQcfFile.h"
#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "platform/MessageBox.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr CloneFileRange kCovered[] = {{0x000, 0x7FF}, {1, 0}};

// The benchmarks only take successful paths, so no message is ever looked up in an overlay.
struct Bench {
    cmcGTex overlay;
    platform::StreamMessageBox box;
    OverlayMessages messages{overlay, box};
    cmcEeprom image;
    fs::path directory;

    Bench() {
        image.SetSize(0x801);
        for (std::int32_t a = 0; a < 0x801; ++a) {
            image.SetByte(a, static_cast<std::uint8_t>(a * 31 + 7));
        }
        std::string pattern = (fs::temp_directory_path() / "vqn58-bench-XXXXXX").string();
        directory = ::mkdtemp(pattern.data()) ? fs::path(pattern) : fs::temp_directory_path();
    }
    ~Bench() {
        std::error_code error;
        fs::remove_all(directory, error);
    }

    std::uint8_t Write() {
        cmcQcfFile file(messages);
        file.AttachImage(image);
        file.SetModelCodes(0x2691, 0x0001);
        file.SetComment("BENCH");
        file.SetMapRevision(1);
        return file.Write(directory / "bench.qcf", kCovered);
    }

    std::uint8_t Read(cmcEeprom& target) {
        cmcQcfFile file(messages);
        file.AttachImage(target);
        file.SetModelCodes(0x2691, 0x0001);
        file.SetMapRevisionTest([](std::int32_t revision) { return revision == 1; });
        return file.Read(directory / "bench.qcf", kCovered);
    }
};

void BM_CloneFileWrite(benchmark::State& state) {
    Bench bench;
    for (auto _ : state) {
        if (bench.Write() != 0) {
            state.SkipWithError("write failed");
            break;
        }
    }
}
BENCHMARK(BM_CloneFileWrite)->Unit(benchmark::kMicrosecond);

void BM_CloneFileRead(benchmark::State& state) {
    Bench bench;
    cmcEeprom target;
    target.SetSize(0x801);
    if (bench.Write() != 0) {
        state.SkipWithError("write failed");
        return;
    }
    for (auto _ : state) {
        if (bench.Read(target) != 0) {
            state.SkipWithError("read failed");
            break;
        }
        benchmark::DoNotOptimize(target.Data());
    }
}
BENCHMARK(BM_CloneFileRead)->Unit(benchmark::kMicrosecond);

void BM_CloneFileWriteAndRead(benchmark::State& state) {
    Bench bench;
    cmcEeprom target;
    target.SetSize(0x801);
    for (auto _ : state) {
        if (bench.Write() != 0 || bench.Read(target) != 0) {
            state.SkipWithError("round trip failed");
            break;
        }
    }
}
BENCHMARK(BM_CloneFileWriteAndRead)->Unit(benchmark::kMicrosecond);

} // namespace
