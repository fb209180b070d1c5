// The whole preview step of a base-line drag: copy the frame, cast the shadow,
// convert for display and draw the base line.
#include <benchmark/benchmark.h>

#include <QImage>
#include <algorithm>

#include "ShadowFrame.h"
#include "pictures/Bitmap.h"
#include "pictures/BitmapImage.h"
#include "shadow/ShadowGenerator.h"

namespace {

using vok::bench::SampleFrame;

void BM_ToQImage(benchmark::State& state) {
    const vok::Bitmap frame = SampleFrame();
    for (auto _ : state) benchmark::DoNotOptimize(vok::ToQImage(frame).constBits());
}

void Preview(benchmark::State& state, vok::ShadowKind kind, bool selection) {
    const vok::Bitmap frame = SampleFrame();
    vok::Bitmap work;
    int baseLine = 250;
    for (auto _ : state) {
        baseLine = baseLine == 330 ? 250 : baseLine + 1;  // the mouse moves a row each time
        work = frame;
        vok::GenerateShadow(work, baseLine, kind, selection);
        QImage image = vok::ToQImage(work);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(baseLine));
        std::fill(line, line + image.width(), qRgb(0, 0, 0));
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_PreviewCreature(benchmark::State& state) { Preview(state, vok::ShadowKind::Creature, true); }
void BM_PreviewSlanted(benchmark::State& state) { Preview(state, vok::ShadowKind::Slanted, false); }

}  // namespace

BENCHMARK(BM_ToQImage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviewCreature)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviewSlanted)->Unit(benchmark::kMicrosecond);
