#pragma once
// A frame folder and a long list for the VokList editor benchmarks, made once per run.
#include <filesystem>
#include <fstream>
#include <string>

namespace vok::bench {

// A folder of `files` small frame files and a list naming `frames` of them,
// groups of 50 numbered 0 to 21 in turn, all in group 0 when `oneGroup`.
inline std::string FrameFolder(int files, int frames, bool oneGroup) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("vok-bench-" + std::to_string(files) + "-" + std::to_string(frames) + (oneGroup ? "-1" : "-22"));
    std::filesystem::create_directories(dir);
    for (int i = 0; i < files; ++i) {
        const auto file = dir / ("frame" + std::to_string(i) + ".bmp");
        if (!std::filesystem::exists(file)) std::ofstream(file, std::ios::binary) << "BM";
    }
    std::string text = "0\r\n7\r\n";
    for (int i = 0; i < 13; ++i) text += "setting\r\n";
    for (int i = 0; i < frames; ++i) {
        text += "frame" + std::to_string(i % (files > 0 ? files : 1)) + ".bmp";
        const bool last = i == frames - 1;
        if (oneGroup)
            text += last ? "  0+\r\n" : "\r\n";
        else
            text += (i % 50 == 49 || last) ? "  " + std::to_string(i / 50 % 22) + "+\r\n" : "\r\n";
    }
    std::ofstream(dir / "list.txl", std::ios::binary) << text;
    return dir.string() + "/";
}

}  // namespace vok::bench
