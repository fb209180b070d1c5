// Combine and Split of 150 frames of 450 x 400 at 8 bits, in memory.
#include <benchmark/benchmark.h>

#include "ColourWorkload.h"
#include "colours/Combine.h"
#include "colours/Split.h"

namespace vok::bench {

namespace {

void BM_CombinePictures(benchmark::State& state) {
    const std::vector<Bitmap> frames = Frames();
    const StandardColorTable colors = DefaultStandardColors();
    for (auto _ : state) {
        Bitmap combined = CombinePictures(frames, colors, {});
        benchmark::DoNotOptimize(combined.bits());
    }
}
BENCHMARK(BM_CombinePictures)->Unit(benchmark::kMillisecond);

void SplitInMemory(benchmark::State& state, const ColourOptions& options) {
    const Bitmap reduced = Reduced();
    const SplitRecord record = Record();
    const StandardColorTable colors = DefaultStandardColors();
    for (auto _ : state) {
        const SplitMode mode = ChooseSplitMode(reduced, colors, options);
        const SplitPalette palette = BuildSplitPalette(FullPalette(reduced), colors, 3, mode);
        int x = 0;
        for (std::size_t k = 0; k < record.size(); ++k) {
            Bitmap frame = CutFrame(reduced, x, record.PartWidths[k], record.PartHeights[k], &palette);
            benchmark::DoNotOptimize(frame.bits());
            x += record.PartWidths[k];
        }
    }
}

void BM_SplitStandard(benchmark::State& state) { SplitInMemory(state, {}); }
void BM_SplitSpread(benchmark::State& state) { SplitInMemory(state, {true, true}); }
BENCHMARK(BM_SplitStandard)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitSpread)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace vok::bench
