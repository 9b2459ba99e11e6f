// What overlay lookups cost: counted file line reads per lookup as well as time.
//
// A 1 MiB overlay of sections of 30 lines is written once. The first lookup of a key reads only as far
// as its header; reading a section of 304 lines in order reads each line once; a line read recently is
// served from the cache without a file read.
#include "overlay/cmcGTex.h"
#include "overlay/cmcHash.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kLinesPerSection = 30;
constexpr int kLongSectionLines = 304;

std::string Key(int section) {
    return "GI_Bench_Section_" + std::to_string(section);
}

// The benchmark overlay: a 304-line section "GI_Bench_Long" first, then 30-line sections up to 1 MiB,
// then the end header. Written once per process.
struct BenchOverlay {
    BenchOverlay() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vqn58-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        directory = pattern;
        path = (directory / "VQN58.OVL").string();
        std::string text = "#GI_Bench_Long\n";
        for (int line = 0; line < kLongSectionLines; ++line) {
            text += "1,2,3,CL_Bench_Cell_" + std::to_string(line) + ",Font1,Color2,\"Display text\"\n";
        }
        while (text.size() < (1u << 20)) {
            text += "#" + Key(sections++) + "\n";
            for (int line = 0; line < kLinesPerSection; ++line) {
                text += "Text line " + std::to_string(line) + " of a section, long enough to look real\n";
            }
        }
        text += "#End_Of_Ovl\n";
        size = text.size();
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    ~BenchOverlay() { std::filesystem::remove_all(directory); }

    std::filesystem::path directory;
    std::string path;
    std::size_t size = 0;
    int sections = 0;
};

const BenchOverlay& Overlay() {
    static const BenchOverlay overlay;
    return overlay;
}

void ReportCounters(benchmark::State& state, const cmcGTex::ReadCounters& total, double lookups) {
    state.counters["fileLineReads/lookup"] = static_cast<double>(total.fileLineReads) / lookups;
    state.counters["cacheHits/lookup"] = static_cast<double>(total.cacheHits) / lookups;
    state.counters["streamSeeks/lookup"] = static_cast<double>(total.streamSeeks) / lookups;
}

void Add(cmcGTex::ReadCounters& total, const cmcGTex::ReadCounters& more) {
    total.fileLineReads += more.fileLineReads;
    total.cacheHits += more.cacheHits;
    total.streamSeeks += more.streamSeeks;
}

// The first lookup of a fresh reader. The argument says where the key's header lies, in percent of the
// file; -1 asks for the section at the very start of the file.
void BM_FirstLookup(benchmark::State& state) {
    const BenchOverlay& overlay = Overlay();
    const std::string key = state.range(0) < 0 ? std::string("GI_Bench_Long")
                                               : Key(static_cast<int>(state.range(0) * (overlay.sections - 1) / 100));
    cmcGTex::ReadCounters total;
    for (auto _ : state) {
        cmcGTex gtex;
        gtex.SetSourceFile(overlay.path);
        benchmark::DoNotOptimize(gtex.GetText(key));
        Add(total, gtex.Counters());
    }
    ReportCounters(state, total, static_cast<double>(state.iterations()));
    state.counters["fileBytes"] = static_cast<double>(overlay.size);
    state.counters["fileLines"] =
        static_cast<double>(1 + kLongSectionLines + overlay.sections * (1 + kLinesPerSection) + 1);
}
BENCHMARK(BM_FirstLookup)->Arg(-1)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);

// Lines 0 to 303 of one section in order, on a reader that has already indexed it.
void BM_SequentialSection(benchmark::State& state) {
    cmcGTex::ReadCounters total;
    for (auto _ : state) {
        state.PauseTiming();
        auto gtex = std::make_unique<cmcGTex>();
        gtex->SetSourceFile(Overlay().path);
        gtex->GetText(Key(0)); // indexes the long section without reading its lines
        gtex->ResetCounters();
        state.ResumeTiming();
        for (int line = 0; line < kLongSectionLines; ++line) {
            benchmark::DoNotOptimize(gtex->GetLine("GI_Bench_Long", line));
        }
        Add(total, gtex->Counters());
        state.PauseTiming();
        gtex.reset();
        state.ResumeTiming();
    }
    ReportCounters(state, total, static_cast<double>(state.iterations()) * kLongSectionLines);
    state.SetItemsProcessed(state.iterations() * kLongSectionLines);
}
BENCHMARK(BM_SequentialSection)->Unit(benchmark::kMicrosecond);

// A line read again: the lookup jumps back to the section start, which the cache holds.
void BM_CachedLine(benchmark::State& state) {
    cmcGTex gtex;
    gtex.SetSourceFile(Overlay().path);
    gtex.GetText(Key(5));
    gtex.ResetCounters();
    for (auto _ : state) {
        benchmark::DoNotOptimize(gtex.GetText(Key(5)));
    }
    ReportCounters(state, gtex.Counters(), static_cast<double>(state.iterations()));
}
BENCHMARK(BM_CachedLine);

// Name lookups in a 1031-bucket table of 256 cell kind names.
void BM_HashFind(benchmark::State& state) {
    cmcHash table(0);
    std::vector<std::string> names;
    for (int kind = 0; kind < 256; ++kind) {
        names.push_back("CL_Kind_Name_" + std::to_string(kind));
        table.Add(names.back(), static_cast<std::uint32_t>(kind));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.Find(names[next]));
        next = (next + 1) % names.size();
    }
}
BENCHMARK(BM_HashFind);

} // namespace
