#pragma once
// A fresh folder for one test's files, removed afterwards, and whole-file helpers.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace vok::test {

class TempFolder {
public:
    // A new folder below the system's temporary folder, one for each instance.
    TempFolder() {
        static std::atomic<unsigned> count{0};
        const std::string name = "vok-" + std::to_string(::getpid()) + "-" + std::to_string(++count) + "-" +
                                 std::to_string(std::random_device{}());
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(path_);
    }
    // Removes the folder with all it holds, even where a test took away its write permission.
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The full name of a file in the folder.
    std::string operator/(std::string_view name) const { return Dir() + std::string(name); }
    // The folder without a trailing '/'.
    std::string Path() const { return path_.string(); }
    // The folder with a trailing '/'.
    std::string Dir() const { return path_.string() + "/"; }

    // The names of the entries in the folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> result;
        for (const auto& e : std::filesystem::directory_iterator(path_)) result.push_back(e.path().filename().string());
        std::sort(result.begin(), result.end());
        return result;
    }

private:
    std::filesystem::path path_;
};

// The whole content of a file; empty when it cannot be read.
inline std::string ReadBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Replaces the file's content with the bytes.
inline void WriteBytes(const std::string& name, std::string_view bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

}  // namespace vok::test
