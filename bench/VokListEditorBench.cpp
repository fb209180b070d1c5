// The VokList editor window: opening a long list (names shown, browser filled) and
// showing a large frame folder in the browser.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "VokListFolders.h"
#include "controls/Dialogs.h"
#include "voklist/VokListBrowser.h"
#include "voklist/VokListEditor.h"

namespace {

// Every open dialog answers with one file.
class OneFile : public vok::IDialogs {
public:
    std::string File;
    bool OpenFile(vok::FileDialogOptions& d) override { return d.FileName = File, true; }
    bool SaveFile(vok::FileDialogOptions&) override { return false; }
    bool PickColor(vok::ColorDialogOptions&) override { return false; }
    vok::MessageButton Message(const vok::MessageOptions&) override { return vok::mbNo; }
};

QApplication& App() {
    static int argc = 1;
    static char name[] = "vok_gui_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

void BM_EditorOpensList(benchmark::State& state) {
    App();
    const std::string dir = vok::bench::FrameFolder(100, int(state.range(0)), state.range(1) != 0);
    OneFile dialogs;
    dialogs.File = dir + "list.txl";
    vok::TForm5 form(dialogs);
    form.ModalHook = [](vok::TZqModalForm& f) { return f.result(); };
    for (auto _ : state) form.EditExistingVokList();
}
BENCHMARK(BM_EditorOpensList)->Args({20000, 0})->Args({20000, 1})->Unit(benchmark::kMillisecond);

void BM_BrowserShowsFolder(benchmark::State& state) {
    App();
    const std::string dir = vok::bench::FrameFolder(int(state.range(0)), 1, false);
    vok::TVokListBrowser browser;
    browser.resize(281, 457);
    for (auto _ : state) {
        browser.SetFolder(dir);
        benchmark::DoNotOptimize(browser.count());
    }
}
BENCHMARK(BM_BrowserShowsFolder)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
