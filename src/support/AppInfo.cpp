#include "support/AppInfo.h"

#include <filesystem>
#include <system_error>

namespace vok {
namespace {

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    std::filesystem::path folder = error ? std::filesystem::current_path(error) : exe.parent_path();
    std::string text = folder.string();
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

}  // namespace vok
