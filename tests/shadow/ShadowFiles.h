#pragma once
// Folders, lists and frame files for the generator tests.
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace vok::test {

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("vok-shadow-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The folder with a trailing '/'.
    std::string Dir() const { return path_.string() + "/"; }
    std::string operator/(std::string_view name) const { return Dir() + std::string(name); }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Each line followed by CR LF.
inline std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const auto line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// Lines 0 to 14 of a list with header; line 14 as given.
inline std::string ListHeader(std::string_view type = "7", std::string_view line14 = "Auto") {
    return Lines({"0", type, "Temp.vok", "FALSE", "FALSE", "TRUE", "450", "400", "", "0", "FALSE", "FALSE", "FALSE",
                  "Auto", line14});
}

}  // namespace vok::test
