// Loading and saving large frames, and one pass of the pixel accessor.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <unistd.h>

#include "pictures/BmpCodec.h"
#include "pictures/QPix.h"

namespace vok {
namespace {

// An 18000 x 400 picture of random pixels (the size of a combined sheet of frames).
Bitmap BigPicture(PixelFormat format) {
    Bitmap b(18000, 400, format);
    std::mt19937 rng(7);
    for (std::size_t i = 0; i < b.byteSize(); ++i) b.bits()[i] = std::uint8_t(rng());
    if (IsPaletted(format)) {
        std::vector<RgbQuad> colors(256);
        for (auto& c : colors) c = RgbQuad{std::uint8_t(rng()), std::uint8_t(rng()), std::uint8_t(rng()), 0};
        b.setColorTable(colors);
    }
    return b;
}

PixelFormat FormatOf(const benchmark::State& state) {
    return state.range(0) == 8 ? PixelFormat::Bits8 : PixelFormat::Bits24;
}

std::string TempFile(const char* what) {
    return "/tmp/vok_bench_" + std::to_string(::getpid()) + "_" + what + ".bmp";
}

void BM_DecodeBmp(benchmark::State& state) {
    const auto bytes = EncodeBmp(BigPicture(FormatOf(state)));
    for (auto _ : state) {
        Bitmap b = DecodeBmp(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(b.bits());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}
BENCHMARK(BM_DecodeBmp)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);

void BM_EncodeBmp(benchmark::State& state) {
    const Bitmap b = BigPicture(FormatOf(state));
    std::size_t size = 0;
    for (auto _ : state) {
        auto bytes = EncodeBmp(b);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(size));
}
BENCHMARK(BM_EncodeBmp)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);

void BM_LoadBitmapFromFile(benchmark::State& state) {
    const std::string file = TempFile("load");
    const Bitmap original = BigPicture(FormatOf(state));
    SaveBitmapToFile(original, file);
    const auto size = std::int64_t(EncodeBmp(original).size());
    for (auto _ : state) {
        Bitmap b = LoadBitmapFromFile(file);
        benchmark::DoNotOptimize(b.bits());
    }
    std::remove(file.c_str());
    state.SetBytesProcessed(std::int64_t(state.iterations()) * size);
}
BENCHMARK(BM_LoadBitmapFromFile)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);

void BM_SaveBitmapToFile(benchmark::State& state) {
    const std::string file = TempFile("save");
    const Bitmap b = BigPicture(FormatOf(state));
    const auto size = std::int64_t(EncodeBmp(b).size());
    for (auto _ : state) SaveBitmapToFile(b, file);
    std::remove(file.c_str());
    state.SetBytesProcessed(std::int64_t(state.iterations()) * size);
}
BENCHMARK(BM_SaveBitmapToFile)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);

// One frame: read every pixel and write it back changed.
void BM_QuickPixelsPass(benchmark::State& state) {
    Bitmap frame(450, 400, PixelFormat::Bits8);
    std::vector<RgbQuad> colors(256);
    frame.setColorTable(colors);
    TQuickPixels q(&frame);
    for (auto _ : state) {
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 450; ++x) q.SetPixel(x, y, q.GetPixel(x, y) + 1);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * 450 * 400);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * 450 * 400);
}
BENCHMARK(BM_QuickPixelsPass)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vok
