// Opening a long VokList in the editor's model and listing a large frame folder.
#include <benchmark/benchmark.h>

#include "VokListFolders.h"
#include "voklist/VokListEdit.h"
#include "voklist/VokListFolder.h"

namespace {

void BM_OpenVokList(benchmark::State& state) {
    const std::string dir = vok::bench::FrameFolder(100, int(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        vok::TVokListEdit edit;
        edit.OpenList(dir + "list.txl");
        benchmark::DoNotOptimize(edit.Names.data());
    }
}
BENCHMARK(BM_OpenVokList)->Args({20000, 0})->Args({20000, 1})->Unit(benchmark::kMillisecond);

void BM_ListFolderEntries(benchmark::State& state) {
    const std::string dir = vok::bench::FrameFolder(int(state.range(0)), 1, false);
    for (auto _ : state) benchmark::DoNotOptimize(vok::ListFolderEntries(dir).data());
}
BENCHMARK(BM_ListFolderEntries)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
