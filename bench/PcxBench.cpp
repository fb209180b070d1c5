// Loading and saving an 18000 x 400 8-bit PCX picture (a sheet of 40 frames).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <unistd.h>

#include "pcx/Pcx.h"

namespace vok {
namespace {

// Arg 0: random pixels, the worst case for run-length coding; arg 1: frames on a
// plain background, as sprite sheets are.
Bitmap Sheet(bool frames) {
    Bitmap b(18000, 400, PixelFormat::Bits8);
    std::mt19937 rng(7);
    std::vector<RgbQuad> colors(256);
    for (auto& c : colors) c = RgbQuad{std::uint8_t(rng()), std::uint8_t(rng()), std::uint8_t(rng()), 0};
    b.setColorTable(colors);
    for (int y = 0; y < 400; ++y) {
        std::uint8_t* row = b.scanLine(y);
        for (int x = 0; x < 18000; ++x) {
            const int fx = x % 450 - 225, fy = y - 220;
            row[x] = !frames ? std::uint8_t(rng()) : fx * fx / 90 + fy * fy / 160 < 100 ? std::uint8_t(9 + (x / 7 + y / 5) % 240) : 0;
        }
    }
    return b;
}

std::string TempFile() { return "/tmp/vok_bench_" + std::to_string(::getpid()) + ".pcx"; }

void BM_LoadPcxFromFile(benchmark::State& state) {
    const std::string file = TempFile();
    SavePcxToFile(Sheet(state.range(0) == 1), file);
    for (auto _ : state) {
        Bitmap b = LoadPcxFromFile(file);
        benchmark::DoNotOptimize(b.bits());
    }
    std::remove(file.c_str());
}
BENCHMARK(BM_LoadPcxFromFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SavePcxToFile(benchmark::State& state) {
    const std::string file = TempFile();
    const Bitmap b = Sheet(state.range(0) == 1);
    for (auto _ : state) SavePcxToFile(b, file);
    std::remove(file.c_str());
}
BENCHMARK(BM_SavePcxToFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vok
