// Reading a long VokList and preparing the picture buffer for a long frame list.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "pictures/PicBuffer.h"
#include "voklist/VokList.h"

namespace {

std::string LongList(int frames) {
    std::string text = "0\r\n7\r\n";
    for (int i = 0; i < 13; ++i) text += "setting\r\n";
    for (int i = 0; i < frames; ++i) {
        text += "frame" + std::to_string(i) + ".bmp";
        text += (i % 50 == 49) ? "  " + std::to_string(i / 50 % 22) + "+\r\n" : "\r\n";
    }
    return text;
}

void BM_ParseVokList(benchmark::State& state) {
    const std::string text = LongList(int(state.range(0)));
    for (auto _ : state) {
        vok::TVokListDocument doc;
        benchmark::DoNotOptimize(vok::ParseVokListText(text, doc));
    }
}
BENCHMARK(BM_ParseVokList)->Arg(1000)->Arg(20000);

void BM_PicBufferSetFileNames(benchmark::State& state) {
    std::vector<std::string> names;
    for (int i = 0; i < state.range(0); ++i) names.push_back("frames/../frames/f" + std::to_string(i % 700) + ".bmp");
    vok::TPicBuffer buffer([](const std::string&) { return vok::Bitmap(); });
    for (auto _ : state) buffer.SetFileNames(names);
}
BENCHMARK(BM_PicBufferSetFileNames)->Arg(200)->Arg(2000);

}  // namespace
