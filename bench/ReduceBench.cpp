// Palette reduction of 150 shaded 24-bit frames of 450 x 400 in memory: building the
// shared palette, and that plus mapping every frame, without and with dithering.
#include <benchmark/benchmark.h>

#include <vector>

#include "ShadedFrames.h"
#include "colours/ReduceFrames.h"

namespace vok::bench {

namespace {

const std::vector<Bitmap>& ShadedFrames() {
    static const std::vector<Bitmap> frames = [] {
        std::vector<Bitmap> f;
        for (int k = 0; k < 150; ++k) f.push_back(ShadedFrame(k));
        return f;
    }();
    return frames;
}

void BM_ReducePalette(benchmark::State& state) {
    const auto& frames = ShadedFrames();
    for (auto _ : state) {
        const FrameReducer reducer(frames, DefaultStandardColors(), ReduceSettings{});
        benchmark::DoNotOptimize(reducer.palette());
    }
}
BENCHMARK(BM_ReducePalette)->Unit(benchmark::kMillisecond);

void BM_ReduceFrames(benchmark::State& state) {
    const auto& frames = ShadedFrames();
    ReduceSettings settings;
    settings.dither = state.range(0) != 0;
    for (auto _ : state) {
        const FrameReducer reducer(frames, DefaultStandardColors(), settings);
        for (const Bitmap& frame : frames) benchmark::DoNotOptimize(reducer.reduce(frame));
    }
    state.SetItemsProcessed(state.iterations() * 150);
}
BENCHMARK(BM_ReduceFrames)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace vok::bench
