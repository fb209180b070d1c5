// The preview regenerates the whole frame on every mouse move while the base
// line is dragged: copy the frame, cast the shadow, draw the outline.
#include <benchmark/benchmark.h>

#include "ShadowFrame.h"
#include "pictures/Bitmap.h"
#include "shadow/ShadowGenerator.h"
#include "shadow/ShadowMask.h"

namespace {

using vok::bench::SampleFrame;

void Regenerate(benchmark::State& state, vok::ShadowKind kind, bool selection) {
    const vok::Bitmap frame = SampleFrame();
    for (auto _ : state) {
        vok::Bitmap work = frame;
        vok::GenerateShadow(work, 300, kind, selection);
        benchmark::DoNotOptimize(work.bits());
    }
}

void BM_GenerateShadowCreature(benchmark::State& state) { Regenerate(state, vok::ShadowKind::Creature, true); }
void BM_GenerateShadowSlanted(benchmark::State& state) { Regenerate(state, vok::ShadowKind::Slanted, false); }

void BM_FindBaseLine(benchmark::State& state) {
    vok::Bitmap frame = SampleFrame();
    for (auto _ : state) benchmark::DoNotOptimize(vok::FindBaseLine(frame));
}

}  // namespace

BENCHMARK(BM_GenerateShadowCreature)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GenerateShadowSlanted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindBaseLine)->Unit(benchmark::kMicrosecond);

namespace {
void BM_TransformMaskSlanted(benchmark::State& state) {
    const vok::Bitmap frame = SampleFrame();
    for (auto _ : state)
        benchmark::DoNotOptimize(vok::TransformMask(frame, vok::ShadowMatrix(vok::ShadowKind::Slanted), {0, 0, 450, 300}));
}
void BM_CopyFrame(benchmark::State& state) {
    const vok::Bitmap frame = SampleFrame();
    for (auto _ : state) {
        vok::Bitmap work = frame;
        benchmark::DoNotOptimize(work.bits());
    }
}
}  // namespace
BENCHMARK(BM_TransformMaskSlanted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyFrame)->Unit(benchmark::kMicrosecond);
