#include <benchmark/benchmark.h>

#include <string>

#include "pictures/QPix.h"
#include "support/ZqStrUtils.h"

namespace vok {
namespace {

// One colour over a whole 8-bit frame: the cache keeps it at one lookup.
void BM_SetColor8(benchmark::State& state) {
    Bitmap b(256, 256, PixelFormat::Bits8);
    std::vector<RgbQuad> table(256);
    for (int i = 0; i < 256; ++i) table[std::size_t(i)] = ToQuad(RGB(std::uint8_t(i), std::uint8_t(i * 7), 0));
    b.setColorTable(table);
    TQuickPixels q(&b);
    for (auto _ : state)
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) q.SetColor(x, y, RGB(40, 80, 0));
    state.SetItemsProcessed(state.iterations() * 256 * 256);
}
BENCHMARK(BM_SetColor8);

void BM_GetColor24(benchmark::State& state) {
    Bitmap b(256, 256, PixelFormat::Bits24);
    TQuickPixels q(&b);
    std::uint32_t sum = 0;
    for (auto _ : state)
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) sum += q.GetColor(x, y);
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * 256 * 256);
}
BENCHMARK(BM_GetColor24);

// Splitting a list file of 10000 lines and each line into columns.
void BM_ParseLines(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 10000; ++i) text += "frame" + std::to_string(i) + ".bmp 12 34\r\n";
    for (auto _ : state) {
        const auto lines = ParseString(text, kLineBreaks);
        int columns = 0;
        for (int i = 0; i < TokenCount(lines, true); ++i) columns += TokenCount(ParseToken(lines, i, {" "}), false);
        benchmark::DoNotOptimize(columns);
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(text.size()));
}
BENCHMARK(BM_ParseLines);

}  // namespace
}  // namespace vok
