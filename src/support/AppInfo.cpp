#include "support/AppInfo.h"

#include <filesystem>
#include <system_error>

namespace vok {
namespace {

std::string& ProgramFileValue() {
    static std::string file = [] {
        std::error_code error;
        const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? (std::filesystem::current_path(error) / "voktool").string() : exe.string();
    }();
    return file;
}

std::string ProgramFolder() {
    std::string text = std::filesystem::path(ProgramFileValue()).parent_path().string();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

std::string& AppPathValue() {
    static std::string path = ProgramFolder();
    return path;
}

}  // namespace

const std::string& AppPath() { return AppPathValue(); }

void SetAppPath(const std::string& folder) {
    std::string text = folder;
    if (text.empty() || (text.back() != '/' && text.back() != '\\')) text += '/';
    AppPathValue() = text;
}

const std::string& ProgramFileName() { return ProgramFileValue(); }

void SetProgramFileName(const std::string& fileName) {
    ProgramFileValue() = fileName;
    SetAppPath(ProgramFolder());
}

}  // namespace vok
