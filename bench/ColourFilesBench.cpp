// Combine and Split of 150 frames of 450 x 400 at 8 bits through BMP files, as the
// window and vokcli run them.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>

#include "ColourWorkload.h"
#include "colours/ColourFiles.h"
#include "pictures/BmpCodec.h"

namespace vok::bench {

namespace {

struct Files {
    std::filesystem::path dir;
    std::vector<std::string> frames;
    std::string reduced;
    Files() {
        dir = std::filesystem::temp_directory_path() / ("vok_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir / "out");
        const SplitRecord record = Record();
        for (int k = 0; k < kFrames; ++k) {
            frames.push_back((dir / record.PartNames[k]).string());
            SaveBitmapToFile(Frame(k), frames.back());
        }
        reduced = (dir / "reduced.bmp").string();
        SaveBitmapToFile(Reduced(), reduced);
    }
    ~Files() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

Files& Workload() {
    static Files files;
    return files;
}

void BM_CombineFiles(benchmark::State& state) {
    Files& files = Workload();
    const StandardColorTable colors = DefaultStandardColors();
    for (auto _ : state) CombineFiles(files.frames, (files.dir / "All.bmp").string(), colors, {});
}
BENCHMARK(BM_CombineFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

void SplitFiles(benchmark::State& state, const ColourOptions& options) {
    Files& files = Workload();
    const StandardColorTable colors = DefaultStandardColors();
    const SplitRecord record = Record();
    for (auto _ : state) SplitFile(files.reduced, record, (files.dir / "out").string(), colors, 3, options);
}
void BM_SplitFilesStandard(benchmark::State& state) { SplitFiles(state, {}); }
void BM_SplitFilesSpread(benchmark::State& state) { SplitFiles(state, {true, false}); }
BENCHMARK(BM_SplitFilesStandard)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SplitFilesSpread)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

}  // namespace vok::bench
