#include "link/core/cmcBuff.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

// The receive pattern of the serial link: bytes arrive in chunks at the back and the protocol
// consumes them one at a time from the front. Measures bytes moved through the buffer.
void BM_ReceiveChunksPopBytes(benchmark::State& state) {
    const auto chunk = static_cast<std::int32_t>(state.range(0));
    std::array<std::uint8_t, 4096> incoming{};
    for (std::size_t i = 0; i < incoming.size(); ++i) {
        incoming[i] = static_cast<std::uint8_t>(i);
    }
    cmcBuff buff;
    for (auto _ : state) {
        buff.Append(incoming.data(), chunk);
        int sum = 0;
        for (int byte = buff.PopFront(); byte >= 0; byte = buff.PopFront()) {
            sum += byte;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * chunk);
}
BENCHMARK(BM_ReceiveChunksPopBytes)->Arg(1)->Arg(37)->Arg(4096);

// A backlog that never drains: the front keeps moving through a long buffer, so compaction after
// every 4096 consumed bytes is part of the cost.
void BM_StreamingBacklog(benchmark::State& state) {
    cmcBuff buff;
    buff.AppendFill(0x55, 64 * 1024);
    for (auto _ : state) {
        buff.AppendByte(0xAA);
        benchmark::DoNotOptimize(buff.PopFront());
    }
    state.SetBytesProcessed(state.iterations());
}
BENCHMARK(BM_StreamingBacklog);

// Building a frame one byte at a time from empty: the quarter-length growth keeps this amortised.
void BM_AppendByteFromEmpty(benchmark::State& state) {
    const auto length = static_cast<int>(state.range(0));
    for (auto _ : state) {
        cmcBuff buff;
        for (int i = 0; i < length; ++i) {
            buff.AppendByte(static_cast<std::uint8_t>(i));
        }
        benchmark::DoNotOptimize(buff.Data());
    }
    state.SetBytesProcessed(state.iterations() * length);
}
BENCHMARK(BM_AppendByteFromEmpty)->Arg(2049)->Arg(64 * 1024);

} // namespace
